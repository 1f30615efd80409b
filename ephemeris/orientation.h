// Angles that orient the drawn solar disk.
#pragma once

#include <cstdint>

namespace quorvel {

/// Apparent longitude of the Sun (low accuracy), aberration included, no nutation.
///
/// Given:
///   jd, jdfrac  Julian Date in two pieces
/// Returned:
///   lambda      apparent longitude, degrees, [0, 360)
///   r           radius vector, AU
void sunlong(int32_t jd, float jdfrac, double& lambda, double& r);

/// Mean obliquity of the ecliptic, degrees.
void obliq(int32_t jd, float jdfrac, double& eps);

/// Position angle P, heliographic latitude B0 and Carrington longitude L0 of
/// the disk centre.
///
/// Given:
///   jd, jdfrac  Julian Date in two pieces
///   lambda      apparent longitude of the Sun, degrees
///   eps         mean obliquity, degrees
/// Returned:
///   b0  degrees, about +-7.25
///   p   degrees, east of north, about +-26.3
///   l0  degrees, [0, 360)
///
/// Notes:
/// 1. The quadrant of the node angle eta is chosen with d - eta folded into
///    [-180, 180), so that L0 is right for every d in (-360, 360), March
///    included.
void carrington(int32_t jd, float jdfrac, double lambda, const double& eps, double& b0,
                double& p, double& l0);

/// The Carrington rotation number of a moment, consistent with the program's
/// own L0: it increases by one exactly where L0 wraps from near 0 to near 360.
///
/// Given:
///   jd, jdfrac  Julian Date in two pieces
///   l0          the L0 of that moment, degrees, [0, 360)
///
/// Notes:
/// 1. The mean synodic period 27.2752316 days fixes the number to within a
///    fraction of a rotation; L0 decides where the rotation begins.
int32_t carringtonrotation(int32_t jd, float jdfrac, double l0);

/// Parallactic angle, degrees, (-180, 180], binary32: the two-argument
/// arctangent of its sine and cosine, positive in the afternoon.
///
/// Given:
///   lat  latitude, degrees
///   ha   hour angle, hours
///   alt  altitude, radians
///   dec  declination, degrees
///
/// Notes:
/// 1. A sine that rounds to +-1 or beyond is held at +-0.9999999.
float paraangle(float lat, float ha, float alt, float dec);

/// Angle the heliographic drawing is turned by, degrees, binary32:
/// p for an equatorial mount (altaz 0), p - gamma for an alt-azimuth mount (altaz 1).
float diskrotation(double p, float gamma, int16_t altaz);

}  // namespace quorvel
