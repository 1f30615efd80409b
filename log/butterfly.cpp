#include <algorithm>
#include <cmath>
#include <cstdio>

#include "csvtext.h"
#include "reports.h"
#include "svgplot.h"

namespace quorvel::log {
namespace {

constexpr double DAYS_PER_YEAR = 365.2425;
constexpr double LAT_LIMIT_DEG = 60;

/// Decimal year of minutes since 1970-01-01 00:00 UT.
double decimalyear(int64_t minutes) { return 1970.0 + static_cast<double>(minutes) / 1440.0 / DAYS_PER_YEAR; }

/// Ticks every seven days from the first, "MM-DD", for spans of two months or less.
bool weekticks(SvgPlot& plot, const Span& span) {
    if (span.to - span.from > 62 * 1440) return false;
    for (int64_t m = span.from; m < span.to; m += 7 * 1440) {
        const LogTime t = logtimeofminutes(m);
        char label[8];
        std::snprintf(label, sizeof label, "%02d-%02d", t.month % 100, t.day % 100);
        plot.xtick(decimalyear(m), label);
    }
    return true;
}

/// Ticks at the starts of years (long spans) or of months, at most 12 labelled.
void timeticks(SvgPlot& plot, const Span& span) {
    if (weekticks(plot, span)) return;
    const LogTime first = logtimeofminutes(span.from), last = logtimeofminutes(span.to);
    const int months = (last.year - first.year) * 12 + last.month - first.month + 1;
    const bool years = months > 36;
    const int every = years ? (months / 12) / 12 + 1 : months / 12 + 1;
    int n = 0;
    for (LogTime t{first.year, years ? 1 : first.month, 1, 0, 0}; logminutes(t) <= span.to;) {
        if (logminutes(t) >= span.from && n++ % every == 0) {
            const std::string mm = (t.month < 10 ? "-0" : "-") + std::to_string(t.month);
            plot.xtick(decimalyear(logminutes(t)), std::to_string(t.year) + (years ? "" : mm));
        }
        if (years || t.month == 12) t.year += 1, t.month = years ? 1 : 0;
        if (!years) t.month += 1;
    }
}

}  // namespace

std::string butterflyplot(const std::string& observer, const Span& span, const std::vector<GroupRow>& rows) {
    PlotFrame frame;
    frame.x0 = decimalyear(span.from), frame.x1 = decimalyear(span.to);
    frame.y0 = -LAT_LIMIT_DEG, frame.y1 = LAT_LIMIT_DEG;
    frame.title = "Butterfly diagram, " + observer + ", " + logtimetext(logtimeofminutes(span.from)).substr(0, 10) + " to " +
                  logtimetext(logtimeofminutes(span.to - 1)).substr(0, 10) + " (" + std::to_string(rows.size()) + " groups)";
    frame.xlabel = "date (UT)";
    frame.ylabel = "heliographic latitude (degrees, north up)";
    SvgPlot plot(frame);
    timeticks(plot, span);
    for (int lat = -60; lat <= 60; lat += 15)
        plot.ytick(lat, lat == 0 ? "0" : std::to_string(std::abs(lat)) + (lat > 0 ? " N" : " S"));
    for (const GroupRow& r : rows) {
        const double area = r.group.area_msh.value_or(0);
        const double radius = 1.2 + std::sqrt(area) / 6.0;  // a 1000 MSH group: about 6.5 px
        plot.dot(decimalyear(logminutes(r.time)), std::clamp(r.group.lat_deg, -LAT_LIMIT_DEG, LAT_LIMIT_DEG), radius,
                 r.group.lat_deg >= 0 ? "#1f4e9c" : "#b9432f");
    }
    return plot.finish();
}

}  // namespace quorvel::log
