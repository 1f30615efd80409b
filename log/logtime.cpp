#include "logtime.h"

#include <charconv>
#include <cstdio>

#include "calendardate.h"

namespace quorvel::log {
namespace {

const char* const MONTH_NAMES[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
const char* const MONTH_ABBREV[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                    "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

/// Reads exactly `digits` digits at text[at].
bool readdigits(std::string_view text, size_t at, size_t digits, int& v) {
    if (at + digits > text.size()) return false;
    for (size_t i = at; i < at + digits; ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    std::from_chars(text.data() + at, text.data() + at + digits, v);
    return true;
}

/// The date part "YYYY-MM-DD" (or "YYYY-MM" with dayless) at the start of text.
Outcome readdate(std::string_view text, const std::string& what, bool dayless, LogTime& t) {
    const std::string form = dayless ? "YYYY-MM" : "YYYY-MM-DD";
    const Outcome malformed = Outcome::input("cannot read the " + what + " '" + std::string(text) + "': write it as " + form +
                                             (dayless ? "" : "THH:MMZ in Universal Time"));
    LogTime r;
    if (!readdigits(text, 0, 4, r.year) || text.size() < 7 || text[4] != '-' || !readdigits(text, 5, 2, r.month))
        return malformed;
    if (!dayless && (text.size() < 10 || text[7] != '-' || !readdigits(text, 8, 2, r.day))) return malformed;
    if (r.year < 1600) return Outcome::input("the " + what + " '" + std::string(text) + "' lies before 1600");
    if (r.month < 1 || r.month > 12)
        return Outcome::input("the " + what + " '" + std::string(text) + "' has no month " + std::to_string(r.month));
    if (!dayless && (r.day < 1 || r.day > daysofmonth(r.year, r.month)))
        return Outcome::input("the " + what + " '" + std::string(text) + "' is not a date: " +
                              MONTH_NAMES[r.month - 1] + " " + std::to_string(r.year) + " has " +
                              std::to_string(daysofmonth(r.year, r.month)) + " days");
    t = r;
    return Outcome::ok();
}

}  // namespace

int daysofmonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

const char* monthabbrev(int month) { return MONTH_ABBREV[month - 1]; }

Outcome parselogtime(std::string_view text, const std::string& what, LogTime& t) {
    LogTime r;
    if (Outcome date = readdate(text, what, false, r); !date.done()) return date;
    std::string_view rest = text.substr(10);
    if (!rest.empty() && rest.back() == 'Z') rest.remove_suffix(1);
    const bool seconds = rest.size() == 9 && rest[6] == ':';
    int sec = 0;
    if ((rest.size() != 6 && !seconds) || (rest[0] != 'T' && rest[0] != ' ') || rest[3] != ':' ||
        !readdigits(rest, 1, 2, r.hour) || !readdigits(rest, 4, 2, r.minute) || (seconds && !readdigits(rest, 7, 2, sec)))
        return Outcome::input("cannot read the " + what + " '" + std::string(text) +
                              "': write it as YYYY-MM-DDTHH:MMZ in Universal Time");
    if (r.hour > 23 || r.minute > 59 || sec > 59)
        return Outcome::input("the " + what + " '" + std::string(text) + "' is not a time of day");
    t = r;
    return Outcome::ok();
}

Outcome parselogdate(std::string_view text, const std::string& what, LogTime& t) {
    if (text.size() != 10) return Outcome::input("cannot read the " + what + " '" + std::string(text) + "': write it as YYYY-MM-DD");
    return readdate(text, what, false, t);
}

Outcome parselogmonth(std::string_view text, const std::string& what, LogTime& t) {
    if (text.size() != 7) return Outcome::input("cannot read the " + what + " '" + std::string(text) + "': write it as YYYY-MM");
    return readdate(text, what, true, t);
}

std::string logtimetext(const LogTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02dZ", t.year, t.month, t.day, t.hour, t.minute);
    return buf;
}

int64_t logminutes(const LogTime& t) {
    return (gregorianjdn({t.year, t.month, t.day}) - UNIX_EPOCH_JDN) * 1440 + t.hour * 60 + t.minute;
}

LogTime logtimeofminutes(int64_t minutes) {
    const int64_t days = minutes >= 0 ? minutes / 1440 : -((-minutes + 1439) / 1440);
    const int64_t rest = minutes - days * 1440;
    const CalendarDate d = gregoriandate(days + UNIX_EPOCH_JDN);
    return {static_cast<int>(d.year), d.month, d.day, static_cast<int>(rest / 60), static_cast<int>(rest % 60)};
}

double logjd(int64_t minutes) { return UNIX_EPOCH_JDN - 0.5 + static_cast<double>(minutes) / 1440.0; }

}  // namespace quorvel::log
