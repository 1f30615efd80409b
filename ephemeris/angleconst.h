// Angle constants of the solar computation.
//
// These are NOT the exact values, on purpose: every published result of the
// program (label texts, drawn positions) was produced with them, so they are
// kept exactly as written. Never replace them by M_PI or std::numbers.
#pragma once

namespace quorvel {

/// Degrees to radians; the exact factor would be 0.017453292519943295.
inline constexpr double DEG = 0.01745329251993889;
/// Radians to degrees; the exact factor would be 57.29577951308232.
inline constexpr double RAD = 57.29577951309679;

/// Truncated half turn, radians.
inline constexpr double HALFTURN = 3.141592653589;
/// Half of HALFTURN, radians.
inline constexpr double QUARTERTURN = 1.5707963267945;
/// Twice HALFTURN, radians.
inline constexpr double FULLTURN = 6.283185307178;
/// The exact half turn, radians: the rotation arrows' projection uses it.
inline constexpr double HALFTURN_EXACT = 3.141592653589793;
/// The shorter half turn of the parallactic angle, radians.
inline constexpr double HALFTURN_SHORT = 3.14159265;

/// Inclination of the solar equator to the ecliptic, 7.25 degrees held in radians (7.25 * DEG).
inline constexpr double SOLAR_INCLINATION = 0.12653637076955696;

}  // namespace quorvel
