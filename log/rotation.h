// How groups move on the Sun: differential rotation against the Carrington
// frame, and the disk's orientation of a moment.
#pragma once

#include <cstdint>

namespace quorvel::log {

/// The Carrington frame's sidereal rate, degrees a day.
inline constexpr double CARRINGTON_DEG_PER_DAY = 14.184;
/// The Earth's mean orbital motion, degrees a day.
inline constexpr double EARTH_DEG_PER_DAY = 0.9856;

/// Sidereal rotation rate of spots at latitude lat_deg, degrees a day:
/// 14.377 - 2.77 sin^2 B.
double siderealrate(double lat_deg);

/// Drift of a spot's Carrington longitude, degrees a day (about +0.19 at
/// the equator, about -0.5 at 30 degrees).
double carringtondrift(double lat_deg);

/// Growth of a spot's central-meridian distance, degrees a day westward.
double cmdrate(double lat_deg);

/// x folded into (-180, 180].
double wrap180(double deg);
/// x folded into [0, 360).
double wrap360(double deg);

/// The disk centre's heliographic latitude B0 and Carrington longitude L0 of
/// a moment (minutes since 1970-01-01 00:00 UT), degrees, from the precise model.
struct DiskCentre {
    double b0_deg = 0, l0_deg = 0;
};
DiskCentre diskcentre(int64_t minutes);

}  // namespace quorvel::log
