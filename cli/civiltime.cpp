#include "civiltime.h"

#include <charconv>
#include <cstdio>

#include "options.h"

namespace quorvel::cli {
namespace {

int64_t floordiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

/// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t daysfromcivil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = floordiv(y, 400);
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

ClockTime civilfromdays(int64_t z) {
    z += 719468;
    const int64_t era = floordiv(z, 146097);
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    ClockTime t;
    t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = yoe + era * 400 + (t.month <= 2);
    return t;
}

int daysinmonth(int64_t y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : days[m - 1];
}

template <typename Int>
const char* readnumber(const char* p, const char* end, Int& v, const std::string& text) {
    auto res = std::from_chars(p, end, v);
    if (res.ec != std::errc()) throw UsageError("cannot read the date '" + text + "'");
    return res.ptr;
}

}  // namespace

ClockTime parseclock(const std::string& text) {
    const std::string bad = "cannot read the date '" + text + "' (use YYYY-MM-DD or YYYY-MM-DDTHH:MM)";
    const char* p = text.data();
    const char* end = p + text.size();
    ClockTime t;
    p = readnumber(p, end, t.year, text);
    if (p == end || *p++ != '-') throw UsageError(bad);
    p = readnumber(p, end, t.month, text);
    if (p == end || *p++ != '-') throw UsageError(bad);
    p = readnumber(p, end, t.day, text);
    if (p != end) {
        if (*p != 'T' && *p != ' ') throw UsageError(bad);
        p = readnumber(p + 1, end, t.hour, text);
        if (p == end || *p++ != ':') throw UsageError(bad);
        p = readnumber(p, end, t.minute, text);
        if (p != end) throw UsageError(bad);
    }
    if (t.year < -1000000 || t.year > 1000000 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > daysinmonth(t.year, t.month) || t.hour < 0 || t.hour > 23 || t.minute < 0 ||
        t.minute > 59)
        throw UsageError(bad);
    return t;
}

std::string formatclock(const ClockTime& t) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04lld-%02d-%02d,%02d:%02d", static_cast<long long>(t.year),
                  t.month, t.day, t.hour, t.minute);
    return buf;
}

int64_t minutesofclock(const ClockTime& t) {
    return daysfromcivil(t.year, t.month, t.day) * 1440 + t.hour * 60 + t.minute;
}

ClockTime clockofminutes(int64_t minutes) {
    const int64_t days = floordiv(minutes, 1440);
    const int64_t rest = minutes - days * 1440;
    ClockTime t = civilfromdays(days);
    t.hour = static_cast<int>(rest / 60);
    t.minute = static_cast<int>(rest % 60);
    return t;
}

}  // namespace quorvel::cli
