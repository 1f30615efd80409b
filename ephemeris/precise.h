// The precise model: the Sun's apparent place and orientation from ERFA
// (the IAU's SOFA routines), to the values of the Astronomical Almanac. It
// stands beside the classic model, which alone decides every caption.
#pragma once

#include <array>
#include <cstdint>

#include "messagetext.h"

namespace quorvel {

/// Delta T = TT - UT1, seconds, from the Espenak-Meeus (2006) polynomials.
///
/// Given:
///   jd   Julian Date, UT
///
/// Notes:
/// 1. The decimal year is y = 2000 + (jd - 2451544.5) / 365.2425, the
///    continuous form of the polynomials' y = year + (month - 0.5) / 12.
/// 2. Before -500 and after 2150 the long-term parabola -20 + 32 u^2,
///    u = (y - 1820) / 100, applies; the polynomials cover -1999 to 3000.
double deltat(double jd);

/// The span of the precise model, Julian Dates (UT): -1999 January 1 to 3000
/// December 31 in the calendar of the dates (Julian before 1582 October 15),
/// the span of the Delta T polynomials and the 17 days by which the Julian
/// calendar's -1999 begins before the Gregorian one.
/// Its accuracy is measured for 1900-2100; beyond, the Earth's ephemeris and
/// Delta T grow slowly less certain.
inline constexpr double PRECISE_FIRST_JD = 990923.5, PRECISE_END_JD = 2817152.5;
inline constexpr const char* PRECISE_SPAN_MESSAGE = MESSAGE_TEXT("Message", "the precise model covers the years -1999 to 3000");

/// Returns whether the UT Julian Date jd lies in [PRECISE_FIRST_JD, PRECISE_END_JD).
inline bool precisecovers(double jd) { return jd >= PRECISE_FIRST_JD && jd < PRECISE_END_JD; }

/// One moment: Universal Time in two pieces, and Delta T.
struct PreciseTime {
    double jd = 0;      ///< Julian Date, UT, first piece (2451545.0, or the whole days)
    double jdfrac = 0;  ///< second piece, days; the moment is jd + jdfrac
    double deltat = 0;  ///< TT - UT, seconds
};

/// Returns the moment jd + jdfrac (UT) with Delta T from deltat().
PreciseTime precisetime(double jd, double jdfrac);

/// The observer, for the hour angle, altitude, azimuth and parallactic angle.
struct PreciseSite {
    double lat = 0;            ///< geodetic latitude, degrees, north positive
    double lon = 0;            ///< longitude, degrees, EAST NEGATIVE
    bool topocentric = false;  ///< false: seen from the Earth's centre; true: from the site at sea level (WGS84)
};

/// The Sun of one moment in the precise model.
struct PreciseSun {
    double gast = 0;         ///< Greenwich apparent sidereal time, hours, [0, 24)
    double ra = 0;           ///< apparent geocentric right ascension, hours, [0, 24), true equator and equinox of date
    double dec = 0;          ///< apparent geocentric declination, degrees, north positive
    double dist = 0;         ///< geocentric distance of the Sun's centre, AU
    double ha = 0;           ///< local hour angle, hours, [-12, 12), positive west of the meridian
    double alt = 0;          ///< altitude, degrees, no refraction
    double az = 0;           ///< azimuth, degrees, [0, 360), 0 = north, 90 = east
    double parallactic = 0;  ///< parallactic angle, degrees, (-180, 180], positive west of the meridian
    double p = 0;            ///< position angle of the Sun's north pole, degrees, east of celestial north
    double b0 = 0;           ///< heliographic latitude of the disk centre, degrees
    double l0 = 0;           ///< Carrington longitude of the disk centre, degrees, [0, 360)
    int32_t rotation = 0;    ///< Carrington rotation number, from l0
};

/// The Sun of one moment, every quantity evaluated directly.
///
/// Given:
///   t     the moment
///   site  the observer
/// Returned:
///   sun   every field
///
/// Notes:
/// 1. TT = UT + Delta T; UT stands for UT1. The Earth's place is eraEpv00
///    (TDB taken as TT: 2 ms at most), the Sun's geocentric place allows
///    for light time and aberration, precession-nutation is IAU 2006/2000A
///    and GAST = ERA - the equation of the origins. Polar motion is ignored.
/// 2. P, B0 and L0 follow the IAU rotation elements of the Sun: pole at
///    right ascension 286.13 degrees, declination 63.87 degrees (ICRS),
///    prime meridian W = 84.176 + 14.1844 d degrees, d days from J2000.0.
///    B0 and L0 are those of the Earth's heliocentric place; the Sun's
///    rotation is taken light time earlier, to the nearest surface point
///    (radius 695700 km), without aberration, as SunPy's sun.L0 by default.
///    P is the position angle, from the celestial pole of date, of the
///    disk's north pole seen with aberration, as the centre is.
/// 3. The hour angle, altitude, azimuth and parallactic angle use the
///    apparent place, geocentric unless site.topocentric, without refraction.
void precisesun(const PreciseTime& t, const PreciseSite& site, PreciseSun& sun);

/// The orientation of the disk of one moment, for measuring on it.
struct PreciseDisk {
    double p = 0;          ///< degrees, as PreciseSun::p
    double b0 = 0;         ///< degrees, as PreciseSun::b0
    double l0 = 0;         ///< degrees, [0, 360), as PreciseSun::l0
    int32_t rotation = 0;  ///< Carrington rotation number
};

/// Returns P, B0, L0 and the rotation number of a moment, as precisesun().
PreciseDisk precisedisk(const PreciseTime& t);

/// Many moments in time order, for tables: the quantities that depend on TT
/// alone are interpolated among nodes one day apart; the rest is exact.
///
/// Notes:
/// 1. Six-point Lagrange interpolation over whole TT days keeps every angle
///    within 0.001 arcseconds of precisesun(); the nodes are the same
///    whatever the first moment, so a moment gets the same values in any
///    table.
/// 2. A node is computed as precisesun() computes a moment, so the track pays
///    off when moments lie less than a day apart; the last eight nodes are kept.
class PreciseTrack {
public:
    /// The Sun of moment t for site, as precisesun() to within Note 1.
    void at(const PreciseTime& t, const PreciseSite& site, PreciseSun& sun);

private:
    static constexpr int SLOTS = 8;
    std::array<int64_t, SLOTS> keys_{};                 ///< TT day of each kept node
    std::array<std::array<double, 8>, SLOTS> nodes_{};  ///< its values (preciseparts.h)
    std::array<bool, SLOTS> filled_{};
};

}  // namespace quorvel
