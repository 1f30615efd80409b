// Where the Sun stands: rectangular, equatorial and horizontal coordinates.
#pragma once

#include <cstdint>

namespace quorvel {

/// Geocentric rectangular equatorial coordinates of the Sun, mean equator and
/// equinox of B1950.0, AU.
///
/// Given:
///   jd, jdfrac  Julian Date in two pieces (jdfrac binary32)
/// Returned:
///   x, y, z     coordinates, AU, each binary32
///
/// Notes:
/// 1. The classical low-precision series with perturbations by the Moon,
///    Venus, Mars and Jupiter; each partial sum is rounded to binary32 where
///    the series stores it.
void sunxyz(int32_t jd, float jdfrac, float& x, float& y, float& z);

/// Rigorous precession of rectangular coordinates from B1950.0 to the mean
/// equinox of date (angles zeta, z, theta).
///
/// Given:
///   x, y, z     B1950.0 coordinates, AU
///   jd, jdfrac  Julian Date of the equinox of date
/// Returned:
///   xd, yd, zd  coordinates of date, AU, each binary32
void precess(float x, float y, float z, int32_t jd, float jdfrac, float& xd, float& yd,
             float& zd);

/// Right ascension and declination of rectangular coordinates.
///
/// Returned:
///   ra   right ascension, hours, [0, 24)
///   dec  declination, degrees
///
/// Notes:
/// 1. An x of exactly zero (of either sign) takes the limit of the arctangent,
///    giving 6 h or 18 h by the sign of y.
void radec(float x, float y, float z, float& ra, float& dec);

/// Local hour angle, hours, in (-12, 24), positive west of the meridian.
///
/// Given:
///   sid   Greenwich sidereal time, hours
///   ra    right ascension, hours
///   lon   longitude, degrees, EAST NEGATIVE
///
/// Notes:
/// 1. Afternoon hour angles between 12 and 24 stay there (13 h is not -11 h).
float hourangle(double sid, float ra, float lon);

/// Azimuth and altitude.
///
/// Given:
///   cosphi, sinphi  cosine and sine of the latitude
///   h               hour angle, radians
///   dec             declination, radians (binary32)
/// Returned:
///   az   azimuth, radians, from north through east, [0, 2 pi)
///   alt  altitude, radians
///
/// Notes:
/// 1. A sine of the altitude that rounds to 1 or beyond is taken as exactly
///    +-1, giving the altitude +-pi/2 (truncated), never a square root of a
///    negative number.
void altaz(double cosphi, double sinphi, double h, float dec, float& az, float& alt);

}  // namespace quorvel
