#include <algorithm>
#include <cmath>

#include "csvtext.h"
#include "reports.h"
#include "svgplot.h"

namespace quorvel::log {
namespace {

/// A tick step of 1, 2 or 5 times a power of ten giving at most 8 ticks up to top.
double tickstep(double top) {
    for (double power = 1;; power *= 10)
        for (double m : {1.0, 2.0, 5.0})
            if (top / (m * power) <= 8) return m * power;
}

}  // namespace

std::string dailyplot(const ObserverRecord& observer, int year, int month, const std::vector<ObservationRecord>& obs) {
    const int days = daysofmonth(year, month);
    std::vector<std::pair<double, double>> points;
    double sum = 0, top = 10;
    for (const auto& [day, o] : bestofdays(obs)) {
        const double r = static_cast<double>(o->counts.r());
        points.push_back({o->time.day, r});
        sum += r, top = std::max(top, r);
    }
    const double step = tickstep(top * 1.1);
    PlotFrame frame;
    frame.x0 = 0.5, frame.x1 = days + 0.5, frame.y0 = 0, frame.y1 = std::ceil(top * 1.1 / step) * step;
    frame.title = "Daily relative number R = 10g + f, " + std::string(monthabbrev(month)) + " " + std::to_string(year) + ", " +
                  observer.code + (observer.name.empty() ? "" : " (" + observer.name + ")");
    frame.xlabel = "day of the month (UT)";
    frame.ylabel = "R";
    SvgPlot plot(frame);
    for (int d = 1; d <= days; d += (d == 1 ? 4 : 5)) plot.xtick(d, std::to_string(d));
    for (double y = 0; y <= frame.y1; y += step) plot.ytick(y, fixed(y, 0));
    if (!points.empty()) {
        const double mean = sum / static_cast<double>(points.size());
        plot.polyline({{frame.x0, mean}, {frame.x1, mean}}, "#c0392b", 1.5, true);
        plot.label(frame.x1 - 0.3, mean + frame.y1 * 0.02, "mean R " + fixed(mean, 1) + " (" + std::to_string(points.size()) + " days)",
                   "end", "#c0392b");
        plot.polyline(points, "#1f4e9c", 1.5, false);
        for (const auto& [x, y] : points) plot.dot(x, y, 3.5, "#1f4e9c");
    }
    return plot.finish();
}

}  // namespace quorvel::log
