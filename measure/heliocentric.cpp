#include "heliocentric.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

double heliocentricangle(double rho, double s) {
    if (!(rho >= 0 && rho <= 1)) return std::nan("");
    if (s <= 0) return std::asin(rho);
    return std::asin(std::min(1.0, std::sin(rho * s) / std::sin(s))) - rho * s;
}

double projectedrho(double theta, double s) {
    if (s <= 0) return std::sin(theta);
    return std::atan2(std::sin(theta) * std::sin(s), 1 - std::cos(theta) * std::sin(s)) / s;
}

double muatrho(double rho, double s) {
    if (!(rho >= 0 && rho < 1)) return 0;
    return std::max(0.0, std::cos(heliocentricangle(rho, s)));
}

}  // namespace quorvel
