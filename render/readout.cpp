#include "readout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "angleconst.h"
#include "numbertext.h"
#include "reduce.h"

namespace quorvel {
namespace {

/// Calendar date and time of a Julian Date (Meeus' inverse, Gregorian from 1582 October 15).
void calendarof(double jd, int& year, int& month, int& day, int& hour, int& minute, int& second) {
    const double z = std::floor(jd + 0.5), f = jd + 0.5 - z;
    double a = z;
    if (z >= 2299161) {
        const double alpha = std::floor((z - 1867216.25) / 36524.25);
        a = z + 1 + alpha - std::floor(alpha / 4);
    }
    const double b = a + 1524, c = std::floor((b - 122.1) / 365.25), d = std::floor(365.25 * c);
    const double e = std::floor((b - d) / 30.6001);
    day = static_cast<int>(b - d - std::floor(30.6001 * e));
    month = static_cast<int>(e < 14 ? e - 1 : e - 13);
    year = static_cast<int>(month > 2 ? c - 4716 : c - 4715);
    const long seconds = std::lround(f * 86400);
    hour = static_cast<int>(seconds / 3600);
    minute = static_cast<int>(seconds / 60 % 60);
    second = static_cast<int>(seconds % 60);
    if (hour == 24) hour = 23, minute = 59, second = 59;  // the last instant of a day
}

}  // namespace

DiskReadout readdisk(double xs, double ys, const SunState& sun, const ViewOpts& view) {
    DiskReadout r;
    if (!(sun.radius > 0)) return r;
    // Undo the view mapping, then the disk's rotation.
    const double x = xs * view.flip * view.invsign, y = ys * view.invsign;
    const double sr = std::sin(sun.rot * DEG), cr = std::cos(sun.rot * DEG);
    const double v = (x * sr - y * cr) / sun.radius, u = (x * cr + y * sr) / sun.radius;
    const double angle = sun.gamma * view.altaz;
    // Position angle: north is -d(90 - angle), east -d(180 - angle) in picture units.
    const double nx = -std::cos((90 - angle) * DEG), ny = -std::sin((90 - angle) * DEG);
    const double ex = -std::cos((180 - angle) * DEG), ey = -std::sin((180 - angle) * DEG);
    r.pa = reduce360(std::atan2(x * ex + y * ey, x * nx + y * ny) * RAD);
    r.rho = std::hypot(u, v);
    if (r.rho > 1) return r;
    r.ondisk = true;
    // The grid's sphere frame: (u, v, e) turned by b = -b0 back to latitude
    // and longitude. Its latitude and longitude run opposite to north and west.
    const double e = std::sqrt(std::max(0.0, 1 - u * u - v * v));
    const double b = -sun.b0 * DEG, cb = std::cos(b), sb = std::sin(b);
    const double gridlat = std::asin(std::clamp(-cb * v + sb * e, -1.0, 1.0)) * RAD;
    const double gridlon = std::atan2(u, sb * v + cb * e) * RAD;
    r.lat = -gridlat;
    r.cmd = -gridlon;
    r.carrington = reduce360(sun.l0 + r.cmd);
    return r;
}

std::string readouttext(const DiskReadout& r) {
    const std::string where = "PA " + patterntext(r.pa, "0.0") + "  r " + patterntext(r.rho, "0.000");
    if (!r.ondisk) return "Off the disk  " + where;
    return "Lat " + patterntext(std::fabs(r.lat), "0.0") + (r.lat < 0 ? " S" : " N") + "  CMD " +
           patterntext(std::fabs(r.cmd), "0.0") + (r.cmd < 0 ? " E" : " W") + "  Carr " +
           patterntext(r.carrington, "0.0") + "  " + where;
}

std::string utstamp(int32_t jd, float jdfrac) {
    int year, month, day, hour, minute, second;
    calendarof(static_cast<double>(jd) + static_cast<double>(jdfrac), year, month, day, hour, minute, second);
    char stamp[64];  // integers only: no locale reaches them
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
    return stamp;
}

std::string readoutline(int32_t jd, float jdfrac, const DiskReadout& r) {
    return utstamp(jd, jdfrac) + "\t" + patterntext(r.lat, "0.000") + "\t" + patterntext(r.cmd, "0.000") + "\t" +
           patterntext(r.carrington, "0.000") + "\t" + patterntext(r.pa, "0.000") + "\t" +
           patterntext(r.rho, "0.0000");
}

}  // namespace quorvel
