#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "angleconst.h"
#include "civiltime.h"
#include "commands.h"
#include "drawvalues.h"
#include "inorder.h"
#include "options.h"
#include "orientation.h"
#include "output.h"
#include "precisemodel.h"
#include "precisemoment.h"

namespace quorvel::cli {
namespace {

const char* const TABLE_HELP =
    "usage: quorvel_cli table --from DATE[THH:MM] [--to DATE[THH:MM]] [--step N[m|h|d]]\n"
    "                         [--tz Z] [--dst 0|1] [--lat LAT] [--long LONG]\n"
    "                         [--model classic|precise [--delta-t SECONDS] [--topocentric]]\n"
    "Prints the raw values as CSV with a header row, one row for each clock time\n"
    "from --from to --to (inclusive) in steps of --step.\n"
    "  --from, --to   clock date and time, YYYY-MM-DD or YYYY-MM-DDTHH:MM\n"
    "                 (the time defaults to 12:00; --to defaults to --from)\n"
    "  --step         minutes (m), hours (h) or days (d); default 1d\n"
    "  --tz, --dst, --lat, --long as for the ephem command (defaults 0)\n"
    "  --model        classic: the values behind the captions (default); precise: the\n"
    "                 precise model (years -1999 to 3000), its sidereal time apparent,\n"
    "                 its place geocentric apparent (UT taken as UT1)\n"
    "Columns: date_local and time_local (the observer's clock), utc (the same\n"
    "moment in Universal Time, ISO 8601), jd, sidereal_h, ra_h, dec_deg,\n"
    "hour_angle_h, altitude_deg, azimuth_deg, parallactic_deg, p_deg, b0_deg,\n"
    "l0_deg, carrington_rotation.\n"
    "Dates step through the Gregorian calendar, which the table does not leave:\n"
    "it starts on 1582-10-15 UT at the earliest (ephem takes earlier dates).\n"
    "Numbers are written in full precision with \".\" as the decimal point,\n"
    "whatever the locale. At most 10000000 rows.\n"
    "Examples:\n"
    "  every day of 2026 at noon:  --from 2026-01-01 --to 2026-12-31\n"
    "  every 10 minutes of a day:  --from 2026-06-21T00:00 --to 2026-06-21T23:50 --step 10m\n";

const char* const HEADER =
    "date_local,time_local,utc,jd,sidereal_h,ra_h,dec_deg,hour_angle_h,altitude_deg,azimuth_deg,"
    "parallactic_deg,p_deg,b0_deg,l0_deg,carrington_rotation\n";

constexpr int64_t MAX_ROWS = 10'000'000;
constexpr int64_t MINUTES_PER_DAY = 1440;
/// The longest step: a million years of 365.2425 days, longer than any range a table accepts.
constexpr int64_t MAX_STEP_DAYS = 365'242'500;
/// The first day of the Gregorian calendar: the Julian Date runs on evenly from here.
constexpr ClockTime REFORM{1582, 10, 15, 0, 0};
const char* const BEFORE_REFORM =
    "--from lies before 1582-10-15 00:00 UT, the first day of the Gregorian calendar "
    "(ephem takes earlier dates)";

/// Rows of a table answered together, by their index from the first row.
struct RowBlock {
    int64_t first = 0, count = 0;
};

template <typename T>
void appendnumber(std::string& out, T v) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    out += ',';
    out.append(buf, res.ptr);
}

/// Seconds since 1970-01-01 UT of a clock time read with a zone (hours) and DST.
int64_t utcseconds(int64_t localminutes, float tz, int16_t dst) {
    return localminutes * 60 - dst * 3600 - std::llround(static_cast<double>(tz) * 3600);
}

void appendrow(std::string& out, const ClockTime& t, int64_t utc, const SunState& s) {
    appendclock(out, t);
    out += ',';
    appendutc(out, utc);
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

/// The Julian Date (UT) of seconds since 1970-01-01 0h UT.
double utcjd(int64_t utcseconds) {
    double jd = 0, frac = 0;
    jdofutc(utcseconds, jd, frac);
    return jd + frac;
}

/// The minutes of a --step text: N, Nm, Nh or Nd, from 1 minute to MAX_STEP_DAYS.
Outcome readstep(const std::string& text, int64_t& minutes) {
    const Outcome notastep = Outcome::usage(
        "--step takes a positive whole number of minutes (m), hours (h) or days (d), such as 10m");
    const Outcome toolarge = Outcome::usage("--step is too large: at most " +
                                            std::to_string(MAX_STEP_DAYS) + "d (a million years)");
    int64_t n = 0;
    const char* end = text.data() + text.size();
    auto res = std::from_chars(text.data(), end, n);
    if (res.ec == std::errc::result_out_of_range && text[0] != '-') return toolarge;
    if (res.ec != std::errc() || n <= 0) return notastep;
    const std::string unit(res.ptr, end);
    const int64_t perunit = unit.empty() || unit == "m" ? 1 : unit == "h" ? 60 : unit == "d" ? MINUTES_PER_DAY : 0;
    if (perunit == 0) return Outcome::usage("--step unit must be m, h or d");
    if (n > MAX_STEP_DAYS * MINUTES_PER_DAY / perunit) return toolarge;
    minutes = n * perunit;
    return Outcome::ok();
}

/// The clock of --from or --to.
Outcome readclock(const char* name, const std::string& text, ClockTime& t) {
    const auto clock = parseclock(text);
    if (!clock)
        return Outcome::usage(std::string("cannot read the date '") + text + "' of --" + name +
                              " (use YYYY-MM-DD or YYYY-MM-DDTHH:MM)");
    t = *clock;
    return Outcome::ok();
}

/// Computes one row's values into state; an input outcome names the clock time.
Outcome computerow(FieldTexts& f, const ClockTime& t, RedrawState& state) {
    f.year = std::to_string(t.year);
    f.month = std::to_string(t.month);
    f.day = std::to_string(t.day);
    f.hour = std::to_string(t.hour);
    f.min = std::to_string(t.minute);
    ValuesOnly sink;
    state = RedrawState();
    const Outcome values = drawvalues(f, false, '.', state, sink);
    if (values.done()) return values;
    std::string when;
    appendclock(when, t);
    return Outcome::input(when + ": " + values.message);
}

}  // namespace

Outcome tablecommand(const std::vector<std::string>& args) {
    const OptionNames names{{"from", "to", "step", "tz", "dst", "lat", "long", "model", "delta-t"},
                            {"help", "topocentric"}};
    Options opts;
    if (Outcome read = Options::read(args, names, opts); !read.done()) return read;
    if (opts.flag("help"))
        return writeandflush(stdout, std::string(TABLE_HELP) + "Precise options (--model precise):\n" +
                                         PRECISE_OPTIONS_HELP);
    if (!opts.has("from")) return Outcome::usage("table needs --from");
    ClockTime from, to;
    int64_t step = 0;
    for (Outcome read : {readclock("from", *opts.get("from"), from),
                         readclock("to", opts.get("to", *opts.get("from")), to),
                         readstep(opts.get("step", "1d"), step)})
        if (!read.done()) return read;
    const int64_t first = minutesofclock(from), last = minutesofclock(to);
    if (last < first) return Outcome::usage("--to lies before --from");
    if ((last - first) / step >= MAX_ROWS)
        return Outcome::usage("more than 10000000 rows: take a longer --step or a shorter range");
    if (first < minutesofclock(REFORM)) return Outcome::usage(BEFORE_REFORM);
    const std::string dst = opts.get("dst", "0");
    if (dst != "0" && dst != "1") return Outcome::usage("--dst takes 0 or 1");
    const std::string model = opts.get("model", "classic");
    if (model != "classic" && model != "precise") return Outcome::usage("--model takes classic or precise");
    PreciseRequest request;
    if (Outcome read = readprecise(opts.get("delta-t"), opts.flag("topocentric"), model == "precise", "--model precise",
                                   request);
        !read.done())
        return read;

    FieldTexts f;
    f.tz = opts.get("tz", "0");
    f.dst = dst == "1";
    f.lat = opts.get("lat", "0");
    f.lon = opts.get("long", "0");

    // The first row decides every check: the later ones differ in their
    // clock only, which parseclock and the steps keep a valid date and time.
    RedrawState state;
    if (Outcome computed = computerow(f, from, state); !computed.done()) return computed;
    if (utcseconds(first, state.obs.tz, state.obs.dst) < minutesofclock(REFORM) * 60)
        return Outcome::usage(BEFORE_REFORM);

    const int64_t rows = (last - first) / step + 1;
    if (model == "precise") {  // the whole range within the model's span
        const int64_t lastrow = first + (rows - 1) * step;
        if (!precisecovers(utcjd(utcseconds(first, state.obs.tz, state.obs.dst))) ||
            !precisecovers(utcjd(utcseconds(lastrow, state.obs.tz, state.obs.dst))))
            return Outcome::input(PRECISE_SPAN_MESSAGE);
    }
    constexpr int64_t ROWS_PER_BLOCK = 4096;
    int64_t nextrow = 0;
    if (Outcome written = writeall(stdout, HEADER); !written.done()) return written;
    const Outcome written = answerinorder<RowBlock>(
        [&](RowBlock& b) {
            b = {nextrow, std::min(ROWS_PER_BLOCK, rows - nextrow)};
            nextrow += b.count;
            return b.count > 0;
        },
        [&](const RowBlock& b, std::string& out) {
            FieldTexts rowfields = f;
            RedrawState rowstate;
            // The precise model needs the clock alone, and rows a day apart at most interpolate.
            std::optional<PreciseRows> precise;
            if (model == "precise") precise.emplace(precisesite(f, request.topocentric), request, step < MINUTES_PER_DAY);
            for (int64_t i = b.first; i < b.first + b.count; ++i) {
                const int64_t m = first + i * step;
                const ClockTime t = clockofminutes(m);
                if (precise) {
                    appendclock(out, t);
                    out += ',';
                    const int64_t utc = utcseconds(m, state.obs.tz, state.obs.dst);
                    appendutc(out, utc);
                    precise->append(out, utc);
                    continue;
                }
                if (Outcome computed = computerow(rowfields, t, rowstate); !computed.done()) return computed;
                appendrow(out, t, utcseconds(m, rowstate.obs.tz, rowstate.obs.dst), rowstate.sun);
            }
            return Outcome::ok();
        },
        [](std::string_view answer) { return writeall(stdout, answer); });
    return written.done() ? flushall(stdout) : written;
}

}  // namespace quorvel::cli
