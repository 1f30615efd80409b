// The computed solar quantities of one redraw.
#pragma once

#include <cstdint>

namespace quorvel {

struct SunState {
    float dayfrac = 0;     ///< Universal Time of day as a fraction of a day.
    int16_t calrule = 2;   ///< Row of the calendar-reform table (2: Gregorian from 1582 October 15).
    int32_t jd = 0;        ///< Whole part of the Julian Date.
    float jdfrac = 0;      ///< Fraction of the Julian Date, [0, 1).
    double sid = 0;        ///< Greenwich mean sidereal time, hours, [0, 24).

    float x50 = 0, y50 = 0, z50 = 0;  ///< Geocentric position, AU, mean equator and equinox of B1950.0.
    float x = 0, y = 0, z = 0;        ///< Geocentric position, AU, mean equator and equinox of date.
    float ra = 0;     ///< Right ascension, hours, [0, 24).
    float dec = 0;    ///< Declination, degrees, north positive.
    float ha = 0;     ///< Hour angle, hours, (-12, 24), positive west of the meridian.
    float alt = 0;    ///< Altitude, radians.
    float az = 0;     ///< Azimuth, radians, [0, 2 pi), 0 = north, pi/2 = east.

    double lambda = 0;  ///< Apparent longitude, degrees, [0, 360), aberration included, no nutation.
    double eps = 0;     ///< Mean obliquity of the ecliptic, degrees.
    double p = 0;       ///< Position angle of the northern end of the rotation axis, degrees, east of north.
    double b0 = 0;      ///< Heliographic latitude of the disk centre, degrees.
    double l0 = 0;      ///< Heliographic (Carrington) longitude of the disk centre, degrees, [0, 360).

    float gamma = 0;   ///< Parallactic angle, degrees, (-180, 180], positive in the afternoon.
    float rot = 0;     ///< Angle the heliographic drawing is turned by, degrees: p - gamma * altaz.
    float radius = 0;  ///< Drawn disk radius, in the units of the picture.
};

}  // namespace quorvel
