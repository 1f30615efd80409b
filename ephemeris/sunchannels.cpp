#include <cmath>

#include <erfa.h>
#include <erfam.h>

#include "preciseparts.h"

namespace quorvel::precise {
namespace {

/// Speed of light, AU per day.
constexpr double LIGHT = ERFA_CMPS * ERFA_DAYSEC / ERFA_DAU;

/// Unit vectors of the Sun's axes in the ICRS: ascending node, 90 degrees on, pole.
struct SolarAxes {
    double node[3], quarter[3], pole[3];
    SolarAxes() {
        eraS2c(SUN_POLE_RA * ERFA_DD2R, SUN_POLE_DEC * ERFA_DD2R, pole);
        eraS2c((SUN_POLE_RA + 90) * ERFA_DD2R, 0, node);
        eraPxp(pole, node, quarter);
    }
};

double dot(const double a[3], const double b[3]) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

/// P: position angle of the point polar from the celestial pole cip, both
/// seen from the centre los (unit vectors).
double positionangle(double los[3], double cip[3], const double polar[3]) {
    double across[3], east[3], north[3], length = 0;
    eraPxp(cip, los, across);
    eraPn(across, &length, east);
    eraPxp(los, east, north);
    return std::atan2(dot(polar, east), dot(polar, north));
}

}  // namespace

Channels sunchannels(double d) {
    static const SolarAxes axes;
    double pvh[2][3], pvb[2][3];
    eraEpv00(ERFA_DJ00, d, pvh, pvb);  // status 1 (outside 1900-2100) only warns

    // The Sun light time ago, seen from the Earth: -heliocentric Earth, moved
    // back along the Sun's barycentric velocity.
    const double sunearth = eraPm(pvh[0]);
    const double tau = sunearth / LIGHT;
    double place[3], dist = 0, dir[3];
    for (int i = 0; i < 3; ++i) place[i] = -pvh[0][i] - tau * (pvb[1][i] - pvh[1][i]);
    eraPn(place, &dist, dir);

    // The north pole of the disk, a solar radius from the centre along the axis.
    double pole[3], polardir[3], polardist = 0;
    for (int i = 0; i < 3; ++i) pole[i] = place[i] + SUN_RADIUS_M / ERFA_DAU * axes.pole[i];
    eraPn(pole, &polardist, polardir);

    // Aberration by the Earth's barycentric velocity, of the centre and the
    // pole alike: the aberrated pole, not the pole direction, decides P.
    double v[3], apparent[3], polar[3], rnpb[3][3], tod[3];
    eraSxp(1 / LIGHT, pvb[1], v);
    const double bm1 = std::sqrt(1 - dot(v, v));
    eraAb(dir, v, sunearth, bm1, apparent);
    eraAb(polardir, v, sunearth, bm1, polar);
    eraPnm06a(ERFA_DJ00, d, rnpb);
    eraRxp(rnpb, apparent, tod);

    double x = 0, y = 0;
    eraBpn2xy(rnpb, &x, &y);
    Channels c{};
    c[SUNX] = tod[0] * dist;
    c[SUNY] = tod[1] * dist;
    c[SUNZ] = tod[2] * dist;
    c[EARTHX] = dot(pvh[0], axes.node);
    c[EARTHY] = dot(pvh[0], axes.quarter);
    c[EARTHZ] = dot(pvh[0], axes.pole);
    c[POSANGLE] = positionangle(apparent, rnpb[2], polar);
    c[EQORIGINS] = eraEors(rnpb, eraS06(ERFA_DJ00, d, x, y));
    return c;
}

}  // namespace quorvel::precise
