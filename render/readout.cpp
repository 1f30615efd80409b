#include "readout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "angleconst.h"
#include "calendardate.h"
#include "messagetext.h"
#include "numbertext.h"
#include "reduce.h"
#include "sphereprojection.h"

namespace quorvel {
namespace {

/// Seconds since midnight of a fraction of a day since midnight, the last
/// instant of a day kept in that day.
long daysecond(double fraction) { return std::min(std::lround(fraction * 86400), 86399L); }

}  // namespace

DiskReadout readdisk(double xs, double ys, const SunState& sun, const ViewOpts& view) {
    DiskReadout r;
    if (!(sun.radius > 0)) return r;
    // Undo the view mapping, then the disk's rotation.
    const double x = xs * view.flip * view.invsign, y = ys * view.invsign;
    const double angle = sun.gamma * view.altaz;
    // Position angle: north is -d(90 - angle), east -d(180 - angle) in picture units.
    const double nx = -std::cos((90 - angle) * DEG), ny = -std::sin((90 - angle) * DEG);
    const double ex = -std::cos((180 - angle) * DEG), ey = -std::sin((180 - angle) * DEG);
    r.pa = reduce360(std::atan2(x * ex + y * ey, x * nx + y * ny) * RAD);
    // The grid's sphere frame runs opposite to north and west.
    const SpherePoint grid = SphereProjection<double>(-sun.b0 * DEG, sun.rot, sun.radius).unproject(x, y);
    r.rho = grid.rho;
    if (r.rho > 1) return r;
    r.ondisk = true;
    r.lat = -grid.lat;
    r.cmd = -grid.lon;
    r.carrington = reduce360(sun.l0 + r.cmd);
    return r;
}

std::string readouttext(const DiskReadout& r) {
    const std::string where = "PA " + patterntext(r.pa, "0.0") + "  r " + patterntext(r.rho, "0.000");
    if (!r.ondisk) return fillin(MESSAGE_TEXT("Message", "Off the disk  %1"), {where});
    const char* pattern = r.lat < 0 ? (r.cmd < 0 ? MESSAGE_TEXT("Message", "Lat %1 S  CMD %2 E  Carr %3  %4")
                                                 : MESSAGE_TEXT("Message", "Lat %1 S  CMD %2 W  Carr %3  %4"))
                                    : (r.cmd < 0 ? MESSAGE_TEXT("Message", "Lat %1 N  CMD %2 E  Carr %3  %4")
                                                 : MESSAGE_TEXT("Message", "Lat %1 N  CMD %2 W  Carr %3  %4"));
    return fillin(pattern, {patterntext(std::fabs(r.lat), "0.0"), patterntext(std::fabs(r.cmd), "0.0"),
                            patterntext(r.carrington, "0.0"), where});
}

std::string utstamp(int32_t jd, float jdfrac) {
    // The civil day starts half a day before the Julian Day Number's noon.
    const double sincemidnight = static_cast<double>(jdfrac) + 0.5;
    const bool nextday = sincemidnight >= 1;
    const CalendarDate date = calendardate(static_cast<int64_t>(jd) + nextday);
    const long second = daysecond(sincemidnight - nextday);
    char stamp[64];  // integers only: no locale reaches them
    std::snprintf(stamp, sizeof stamp, "%04lld-%02d-%02d %02ld:%02ld:%02ld", static_cast<long long>(date.year),
                  date.month, date.day, second / 3600, second / 60 % 60, second % 60);
    return stamp;
}

std::string readoutline(int32_t jd, float jdfrac, const DiskReadout& r) {
    return utstamp(jd, jdfrac) + "\t" + patterntext(r.lat, "0.000") + "\t" + patterntext(r.cmd, "0.000") + "\t" +
           patterntext(r.carrington, "0.000") + "\t" + patterntext(r.pa, "0.000") + "\t" +
           patterntext(r.rho, "0.0000");
}

}  // namespace quorvel
