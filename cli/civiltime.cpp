#include "civiltime.h"

#include <charconv>

#include "calendardate.h"

namespace quorvel::cli {
namespace {

int daysinmonth(int64_t y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : days[m - 1];
}

/// Reads a number at p and the separator after it (0: the end of the text).
template <typename Int>
bool readpart(const char*& p, const char* end, Int& v, char separator) {
    auto res = std::from_chars(p, end, v);
    if (res.ec != std::errc()) return false;
    p = res.ptr;
    if (separator == 0) return p == end;
    if (p == end || *p != separator) return false;
    ++p;
    return true;
}

void appendtwo(std::string& out, int v) {
    out += static_cast<char>('0' + v / 10);
    out += static_cast<char>('0' + v % 10);
}

/// "YYYY-MM-DD": at least four year digits, a sign before negative years.
void appenddate(std::string& out, const ClockTime& t, bool plusbeyond9999) {
    char buf[24];
    const int64_t mag = t.year < 0 ? -t.year : t.year;
    if (t.year < 0) out += '-';
    if (plusbeyond9999 && t.year > 9999) out += '+';
    for (int64_t limit = 1000; limit > 1 && mag < limit; limit /= 10) out += '0';
    auto res = std::to_chars(buf, buf + sizeof buf, mag);
    out.append(buf, res.ptr);
    out += '-';
    appendtwo(out, t.month);
    out += '-';
    appendtwo(out, t.day);
}

}  // namespace

std::optional<ClockTime> parseclock(std::string_view text) {
    const char* p = text.data();
    const char* end = p + text.size();
    ClockTime t;
    const bool timegiven = text.find_first_of("T ") != std::string_view::npos;
    const char afterday = timegiven ? (text.find('T') != std::string_view::npos ? 'T' : ' ') : 0;
    if (!readpart(p, end, t.year, '-') || !readpart(p, end, t.month, '-') ||
        !readpart(p, end, t.day, afterday))
        return std::nullopt;
    if (timegiven && (!readpart(p, end, t.hour, ':') || !readpart(p, end, t.minute, 0))) return std::nullopt;
    if (t.year < FIRST_CLOCK_YEAR || t.year > LAST_CLOCK_YEAR || t.month < 1 || t.month > 12 ||
        t.day < 1 || t.day > daysinmonth(t.year, t.month) || t.hour < 0 || t.hour > 23 ||
        t.minute < 0 || t.minute > 59)
        return std::nullopt;
    return t;
}

void appendclock(std::string& out, const ClockTime& t) {
    appenddate(out, t, false);
    out += ',';
    appendtwo(out, t.hour);
    out += ':';
    appendtwo(out, t.minute);
}

void appendutc(std::string& out, int64_t seconds) {
    const int64_t minutes = floordiv(seconds, 60);
    const ClockTime t = clockofminutes(minutes);
    appenddate(out, t, true);
    out += 'T';
    appendtwo(out, t.hour);
    out += ':';
    appendtwo(out, t.minute);
    out += ':';
    appendtwo(out, static_cast<int>(seconds - minutes * 60));
    out += 'Z';
}

int64_t minutesofclock(const ClockTime& t) {
    return (gregorianjdn({t.year, t.month, t.day}) - UNIX_EPOCH_JDN) * 1440 + t.hour * 60 + t.minute;
}

ClockTime clockofminutes(int64_t minutes) {
    const int64_t days = floordiv(minutes, 1440);
    const int64_t rest = minutes - days * 1440;
    const CalendarDate date = gregoriandate(days + UNIX_EPOCH_JDN);
    ClockTime t{date.year, date.month, date.day};
    t.hour = static_cast<int>(rest / 60);
    t.minute = static_cast<int>(rest % 60);
    return t;
}

}  // namespace quorvel::cli
