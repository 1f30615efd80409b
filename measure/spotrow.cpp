#include "spotrow.h"

#include <algorithm>
#include <cmath>

#include "sphereprojection.h"

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

std::optional<ImagePoint> imagepoint(const ImageFrame& f, double lat, double cmd) {
    // The readout's sphere runs opposite to north and west; its picture is
    // then mapped by the view and moved out to the finite distance.
    double x = 0, y = 0;
    const SphereProjection<double> sphere(-f.sun.b0 * DEG_EXACT, f.sun.rot, f.sun.radius);
    if (!(f.sun.radius > 0) || !sphere.project(-lat, -cmd, x, y)) return std::nullopt;
    x *= f.view.flip * f.view.invsign, y *= f.view.invsign;
    const double rho = std::hypot(x, y) / f.sun.radius;
    const double k = rho > 0 ? projectedrho(std::asin(std::min(1.0, rho)), f.sunradiusdeg * DEG_EXACT) / rho : 1;
    return ImagePoint{f.cx + x * k, f.cy + y * k};
}

}  // namespace quorvel
