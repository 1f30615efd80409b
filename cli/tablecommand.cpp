#include <charconv>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>

#include "angleconst.h"
#include "orientation.h"
#include "civiltime.h"
#include "commands.h"
#include "drawvalues.h"
#include "options.h"
#include "textvalue.h"

namespace quorvel::cli {
namespace {

const char* const TABLE_HELP =
    "usage: quorvel_cli table --from DATE[THH:MM] [--to DATE[THH:MM]] [--step N[m|h|d]]\n"
    "                         [--tz Z] [--dst 0|1] [--lat LAT] [--long LONG]\n"
    "Prints the raw values as CSV with a header row, one row for each clock time\n"
    "from --from to --to (inclusive) in steps of --step.\n"
    "  --from, --to   clock date and time, YYYY-MM-DD or YYYY-MM-DDTHH:MM\n"
    "                 (the time defaults to 12:00; --to defaults to --from)\n"
    "  --step         minutes (m), hours (h) or days (d); default 1d\n"
    "  --tz, --dst, --lat, --long as for the ephem command (defaults 0)\n"
    "Dates step through the Gregorian calendar. Numbers are written in full\n"
    "precision with \".\" as the decimal point, whatever the locale.\n"
    "Examples:\n"
    "  every day of 2026 at noon:  --from 2026-01-01 --to 2026-12-31\n"
    "  every 10 minutes of a day:  --from 2026-06-21T00:00 --to 2026-06-21T23:50 --step 10m\n";

const char* const HEADER =
    "date,time,jd,sidereal_h,ra_h,dec_deg,hour_angle_h,altitude_deg,azimuth_deg,"
    "parallactic_deg,p_deg,b0_deg,l0_deg,carrington_rotation\n";

constexpr int64_t MAX_ROWS = 10'000'000;

class NullSink : public LabelSink {
public:
    void setcaption(ResultLabel, const std::string&) override {}
};

template <typename T>
void appendnumber(std::string& out, T v) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    out += ',';
    out.append(buf, res.ptr);
}

void appendrow(std::string& out, const ClockTime& t, const SunState& s) {
    out += formatclock(t);
    appendnumber(out, static_cast<double>(s.jd) + static_cast<double>(s.jdfrac));
    appendnumber(out, s.sid);
    appendnumber(out, s.ra);
    appendnumber(out, s.dec);
    appendnumber(out, s.ha);
    appendnumber(out, static_cast<double>(s.alt) * RAD);
    appendnumber(out, static_cast<double>(s.az) * RAD);
    appendnumber(out, s.gamma);
    appendnumber(out, s.p);
    appendnumber(out, s.b0);
    appendnumber(out, s.l0);
    appendnumber(out, carringtonrotation(s.jd, s.jdfrac, s.l0));
    out += '\n';
}

int64_t stepminutes(const std::string& text) {
    if (text.empty()) throw UsageError("--step needs a number");
    int64_t n = 0;
    const char* end = text.data() + text.size();
    auto res = std::from_chars(text.data(), end, n);
    if (res.ec != std::errc() || n <= 0) throw UsageError("--step takes a positive whole number");
    const std::string unit(res.ptr, end);
    if (unit.empty() || unit == "m") return n;
    if (unit == "h") return n * 60;
    if (unit == "d") return n * 1440;
    throw UsageError("--step unit must be m, h or d");
}

}  // namespace

int tablecommand(const std::vector<std::string>& args) {
    const Options opts(args, {"from", "to", "step", "tz", "dst", "lat", "long"}, {"help"});
    if (opts.flag("help")) {
        std::cout << TABLE_HELP;
        return 0;
    }
    if (!opts.has("from")) throw UsageError("table needs --from");
    const ClockTime from = parseclock(*opts.get("from"));
    const ClockTime to = parseclock(opts.get("to", *opts.get("from")));
    const int64_t step = stepminutes(opts.get("step", "1d"));
    const int64_t first = minutesofclock(from), last = minutesofclock(to);
    if (last < first) throw UsageError("--to lies before --from");
    if ((last - first) / step >= MAX_ROWS) throw UsageError("more than 10000000 rows");
    const std::string dst = opts.get("dst", "0");
    if (dst != "0" && dst != "1") throw UsageError("--dst takes 0 or 1");

    FieldTexts f;
    f.tz = opts.get("tz", "0");
    f.dst = dst == "1";
    f.lat = opts.get("lat", "0");
    f.lon = opts.get("long", "0");

    std::string out = HEADER;
    NullSink sink;
    for (int64_t m = first; m <= last; m += step) {
        const ClockTime t = clockofminutes(m);
        f.year = std::to_string(t.year);
        f.month = std::to_string(t.month);
        f.day = std::to_string(t.day);
        f.hour = std::to_string(t.hour);
        f.min = std::to_string(t.minute);
        RedrawState state;
        const InputFault fault = drawvalues(f, false, '.', state, sink);
        if (fault != InputFault::none) {
            std::cerr << formatclock(t) << ": " << inputmessage(fault) << '\n';
            return 1;
        }
        appendrow(out, t, state.sun);
        if (out.size() > (1 << 20)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
}

}  // namespace quorvel::cli
