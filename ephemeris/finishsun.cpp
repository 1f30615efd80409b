#include <cmath>

#include <erfa.h>
#include <erfam.h>

#include "orientation.h"
#include "preciseparts.h"

namespace quorvel::precise {
namespace {

/// Degrees into [0, 360).
double deg360(double a) {
    a = std::fmod(a, 360.0);
    if (a < 0) a += 360.0;
    return a < 360.0 ? a : 0.0;
}

/// Carrington longitude of the disk centre, degrees: the Earth's longitude on
/// the Sun's axes less W, taken light time (to the nearest surface point) earlier.
double carringtonl0(const Channels& c, double d) {
    const double r = std::sqrt(c[EARTHX] * c[EARTHX] + c[EARTHY] * c[EARTHY] + c[EARTHZ] * c[EARTHZ]);
    const double lighttime = (r * ERFA_DAU - SUN_RADIUS_M) / ERFA_CMPS / ERFA_DAYSEC;  // days
    const double w = std::fmod(SUN_MERIDIAN_J2000 + SUN_MERIDIAN_RATE * (d - lighttime), 360.0);
    return deg360(std::atan2(c[EARTHY], c[EARTHX]) * ERFA_DR2D - w);
}

/// Hour angle (radians) and declination (radians) seen from the site instead
/// of the Earth's centre; dist in AU.
void parallax(double phi, double dist, double& ha, double& dec) {
    double sun[3], site[3];
    eraS2c(-ha, dec, sun);  // x to the meridian, y to the east, z to the pole
    eraSxp(dist * ERFA_DAU, sun, sun);
    eraGd2gc(ERFA_WGS84, 0, phi, 0, site);
    eraPmp(sun, site, sun);
    double theta = 0;
    eraC2s(sun, &theta, &dec);
    ha = -theta;
}

}  // namespace

void finishsun(const Channels& c, const PreciseTime& t, const PreciseSite& site, PreciseSun& sun) {
    double place[3] = {c[SUNX], c[SUNY], c[SUNZ]}, ra = 0, dec = 0;
    eraC2s(place, &ra, &dec);
    sun.ra = eraAnp(ra) * ERFA_DR2D / 15;
    sun.dec = dec * ERFA_DR2D;
    sun.dist = eraPm(place);
    const double gast = eraAnp(eraEra00(t.jd, t.jdfrac) - c[EQORIGINS]);
    sun.gast = gast * ERFA_DR2D / 15;

    const double phi = site.lat * ERFA_DD2R;
    double ha = eraAnpm(gast - site.lon * ERFA_DD2R - ra);  // longitude east negative
    if (site.topocentric) parallax(phi, sun.dist, ha, dec);
    ha = eraAnpm(ha);
    double az = 0, alt = 0;
    eraHd2ae(ha, dec, phi, &az, &alt);
    sun.ha = ha * ERFA_DR2D / 15;
    sun.alt = alt * ERFA_DR2D;
    sun.az = az * ERFA_DR2D;
    sun.parallactic = eraHd2pa(ha, dec, phi) * ERFA_DR2D;

    sun.p = c[POSANGLE] * ERFA_DR2D;
    sun.b0 = std::atan2(c[EARTHZ], std::hypot(c[EARTHX], c[EARTHY])) * ERFA_DR2D;
    sun.l0 = carringtonl0(c, ttdays(t));
    const double jd = t.jd + t.jdfrac, whole = std::floor(jd);
    sun.rotation = carringtonrotation(static_cast<int32_t>(whole), static_cast<float>(jd - whole), sun.l0);
}

}  // namespace quorvel::precise
