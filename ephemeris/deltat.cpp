#include <cstddef>

#include "precise.h"

namespace quorvel {
namespace {

/// c[0] + c[1] x + c[2] x^2 + ...
template <std::size_t N>
double poly(double x, const double (&c)[N]) {
    double s = 0;
    for (std::size_t i = N; i-- > 0;) s = s * x + c[i];
    return s;
}

/// The long-term parabola (Morrison and Stephenson 2004), seconds.
double parabola(double y) {
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u;
}

}  // namespace

double deltat(double jd) {
    const double y = 2000 + (jd - 2451544.5) / 365.2425;  // decimal year
    if (y < -500) return parabola(y);
    if (y < 500)
        return poly(y / 100, {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521});
    if (y < 1600)
        return poly((y - 1000) / 100,
                    {1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073});
    if (y < 1700) return poly(y - 1600, {120, -0.9808, -0.01532, 1 / 7129.0});
    if (y < 1800) return poly(y - 1700, {8.83, 0.1603, -0.0059285, 0.00013336, -1 / 1174000.0});
    if (y < 1860)
        return poly(y - 1800, {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272,
                               -0.0000001699, 0.000000000875});
    if (y < 1900) return poly(y - 1860, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1 / 233174.0});
    if (y < 1920) return poly(y - 1900, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
    if (y < 1941) return poly(y - 1920, {21.20, 0.84493, -0.076100, 0.0020936});
    if (y < 1961) return poly(y - 1950, {29.07, 0.407, -1 / 233.0, 1 / 2547.0});
    if (y < 1986) return poly(y - 1975, {45.45, 1.067, -1 / 260.0, -1 / 718.0});
    if (y < 2005) return poly(y - 2000, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599});
    if (y < 2050) return poly(y - 2000, {62.92, 0.32217, 0.005589});
    if (y < 2150) return parabola(y) - 0.5628 * (2150 - y);
    return parabola(y);
}

}  // namespace quorvel
