#include <cmath>

#include "angleconst.h"
#include "orientation.h"

namespace quorvel {

float paraangle(float lat, float ha, float alt, float dec) {
    const double phi = lat, h = alt, delta = dec;
    float q = static_cast<float>(std::sin((90 - phi) * DEG) * std::sin(static_cast<double>(ha) * 15 * DEG) /
                                 std::sin(HALFTURN_SHORT / 2 - h));
    // Keep the square root below away from zero and from negative numbers.
    if (q <= -1.0f) q = static_cast<float>(-0.9999999);
    if (q >= 1.0f) q = static_cast<float>(0.9999999);
    const double qq = q;
    float gamma = static_cast<float>(std::atan(qq / std::sqrt(1 - qq * qq)) * RAD);

    const float c = static_cast<float>((std::sin(phi * DEG) - std::sin(h) * std::sin(delta * DEG)) /
                                       (std::cos(h) * std::cos(delta * DEG)));
    if (c < 0) gamma = static_cast<float>(180 - static_cast<double>(gamma));
    if (gamma > 180) gamma = static_cast<float>(-(360 - static_cast<double>(gamma)));
    return gamma;
}

float diskrotation(double p, float gamma, int16_t altaz) {
    return static_cast<float>(-static_cast<double>(gamma) * altaz + p);
}

}  // namespace quorvel
