#include <cmath>

#include "angleconst.h"
#include "orientation.h"
#include "reduce.h"

namespace quorvel {
namespace {

/// Folds an angle into [-180, 180).
double foldhalfturn(double a) {
    while (a < -180) a += 360;
    while (a >= 180) a -= 360;
    return a;
}

}  // namespace

void carrington(int32_t jd, float jdfrac, double lambda, const double& eps, double& b0,
                double& p, double& l0) {
    const double jdfull = static_cast<double>(jdfrac) + static_cast<double>(jd);
    const double theta = reduce360(((jdfull - 2398220) * 360) / 25.38);
    const double k = reduce360(((jdfull - 2396758) * 1.3958333) / 36525 + 73.6667);

    double x = std::atan(-std::cos(lambda * DEG) * std::tan(eps * DEG)) * RAD;
    while (x < -90) x += 360;
    while (x > 90) x -= 360;
    const double y = std::atan(-std::cos((lambda - k) * DEG) * std::tan(SOLAR_INCLINATION)) * RAD;
    p = x + y;

    const double s = std::sin((lambda - k) * DEG) * std::sin(SOLAR_INCLINATION);
    b0 = std::atan(s / std::sqrt(1 - s * s)) * RAD;

    // eta belongs in the quadrant opposite to d: tan eta = -sin d cos I / -cos d.
    // d lies in (-360, 360); folding d - eta finds the quadrant in every case.
    const double d = lambda - k;
    double eta = std::atan(std::tan(d * DEG) * std::cos(SOLAR_INCLINATION)) * RAD;
    if (std::fabs(foldhalfturn(d - eta)) < 90) eta += 180;
    l0 = reduce360(eta - theta);
}

}  // namespace quorvel
