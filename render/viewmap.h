// Drawing coordinates to surface coordinates, and directions.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "angleconst.h"

namespace quorvel {

/// A point of drawing coordinates: disk centre (0, 0), x right, y down, picture units.
struct Point {
    double x = 0, y = 0;
};

inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
inline Point operator*(double k, Point a) { return {k * a.x, k * a.y}; }

/// The direction d(theta) of an angle in degrees: (cos theta, sin theta).
inline Point direction(double thetadeg) {
    return {std::cos(thetadeg * DEG), std::sin(thetadeg * DEG)};
}

/// The view mapping: unflipped and uninverted (flip -1, invsign +1) it mirrors
/// x, which puts north up and east to the left.
struct ViewMap {
    int16_t flip = -1;    ///< +1 flipped horizontally, -1 not
    int16_t invsign = 1;  ///< -1 inverted, +1 not
    float sx(double x) const { return static_cast<float>(flip * invsign * x); }
    float sy(double y) const { return static_cast<float>(invsign * y); }
};

/// Nearest integer, ties to even, held to the 16-bit range (a shape beyond it
/// is clipped at the edge instead of overflowing).
inline int16_t roundint16(double v) {
    const double r = std::nearbyint(v);
    if (!(r >= std::numeric_limits<int16_t>::min())) return std::numeric_limits<int16_t>::min();
    if (r > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(r);
}

/// A 16-bit integer product, held to the 16-bit range.
inline int16_t mul16(int32_t a, int32_t b) {
    return static_cast<int16_t>(std::clamp<int32_t>(a * b, std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

}  // namespace quorvel
