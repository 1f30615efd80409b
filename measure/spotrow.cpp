#include "spotrow.h"

#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

constexpr double DEG_EXACT = 3.141592653589793 / 180;

}  // namespace

SpotRow measurespot(const ImageFrame& f, double x, double y, int32_t number) {
    SpotRow row;
    row.number = number;
    row.x = x;
    row.y = y;
    const double dx = x - f.cx, dy = y - f.cy, rho = std::hypot(dx, dy) / f.sun.radius;
    // The point's heliocentric angle theta for an observer at a finite
    // distance; readdisk reads the orthographic point at sin(theta).
    const double s = f.sunradiusdeg * DEG_EXACT, theta = heliocentricangle(rho, s);
    const double k = rho > 0 && rho <= 1 ? std::sin(theta) / rho : 1;
    row.disk = readdisk(dx * k, dy * k, f.sun, f.view);
    row.disk.rho = rho;
    row.mu = row.disk.ondisk ? std::cos(theta) : 0;
    return row;
}

}  // namespace quorvel
