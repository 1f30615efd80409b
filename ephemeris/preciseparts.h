// The two halves of the precise model: what depends on TT alone (slow, and
// smooth enough to interpolate), and what the moment and the site add.
#pragma once

#include <array>
#include <cstddef>

#include "precise.h"

namespace quorvel::precise {

/// The Sun: IAU rotation elements (ICRS) and the IAU 2015 nominal radius.
inline constexpr double SUN_POLE_RA = 286.13;        ///< right ascension of the north pole, degrees
inline constexpr double SUN_POLE_DEC = 63.87;        ///< declination of the north pole, degrees
inline constexpr double SUN_MERIDIAN_J2000 = 84.176; ///< W of the prime meridian at J2000.0, degrees
inline constexpr double SUN_MERIDIAN_RATE = 14.1844; ///< its sidereal rate, degrees per day
inline constexpr double SUN_RADIUS_M = 695700e3;     ///< radius, metres

/// The values of a moment that depend on TT alone.
enum Channel : size_t {
    SUNX, SUNY, SUNZ,        ///< apparent geocentric Sun, AU, true equator and equinox of date
    EARTHX, EARTHY, EARTHZ,  ///< heliocentric Earth, AU, on the Sun's axes: x to the ascending node
                             ///< of its equator on the ICRS equator, z to its north pole
    POSANGLE,                ///< P, radians, east of celestial north
    EQORIGINS,               ///< equation of the origins, radians: GAST = ERA - it
    CHANNEL_COUNT
};
using Channels = std::array<double, CHANNEL_COUNT>;

/// Days of TT from J2000.0 (JD 2451545.0 TT) of a moment.
double ttdays(const PreciseTime& t);

/// The channels at TT = J2000.0 + d days (see precisesun(), Notes 1 and 2).
Channels sunchannels(double d);

/// Fills sun from the channels of moment t: place, sidereal time, the
/// horizontal quantities for site, P, B0, L0 and the rotation number.
void finishsun(const Channels& c, const PreciseTime& t, const PreciseSite& site, PreciseSun& sun);

}  // namespace quorvel::precise
