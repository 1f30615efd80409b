#include "logtime.h"

#include <charconv>
#include <cstdio>

#include "calendardate.h"
#include "messagetext.h"

namespace quorvel::log {
namespace {

const char* const MONTH_NAMES[] = {
        MESSAGE_TEXT("Message", "January"), MESSAGE_TEXT("Message", "February"), MESSAGE_TEXT("Message", "March"),
        MESSAGE_TEXT("Message", "April"),   MESSAGE_TEXT("Message", "May"),      MESSAGE_TEXT("Message", "June"),
        MESSAGE_TEXT("Message", "July"),    MESSAGE_TEXT("Message", "August"),   MESSAGE_TEXT("Message", "September"),
        MESSAGE_TEXT("Message", "October"), MESSAGE_TEXT("Message", "November"), MESSAGE_TEXT("Message", "December")};
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
    const Outcome malformed = Outcome::input(
            fillin(dayless ? MESSAGE_TEXT("Message", "cannot read the %1 '%2': write it as YYYY-MM")
                           : MESSAGE_TEXT("Message",
                                          "cannot read the %1 '%2': write it as YYYY-MM-DDTHH:MMZ in Universal Time"),
                   {what, std::string(text)}));
    LogTime r;
    if (!readdigits(text, 0, 4, r.year) || text.size() < 7 || text[4] != '-' || !readdigits(text, 5, 2, r.month))
        return malformed;
    if (!dayless && (text.size() < 10 || text[7] != '-' || !readdigits(text, 8, 2, r.day))) return malformed;
    if (r.year < 1600)
        return Outcome::input(
                fillin(MESSAGE_TEXT("Message", "the %1 '%2' lies before 1600"), {what, std::string(text)}));
    if (r.month < 1 || r.month > 12)
        return Outcome::input(fillin(MESSAGE_TEXT("Message", "the %1 '%2' has no month %3"),
                                     {what, std::string(text), std::to_string(r.month)}));
    if (!dayless && (r.day < 1 || r.day > daysofmonth(r.year, r.month)))
        return Outcome::input(fillin(MESSAGE_TEXT("Message", "the %1 '%2' is not a date: %3 %4 has %5 days"),
                                     {what, std::string(text), MONTH_NAMES[r.month - 1], std::to_string(r.year),
                                      std::to_string(daysofmonth(r.year, r.month))}));
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
        return Outcome::input(fillin(
                MESSAGE_TEXT("Message", "cannot read the %1 '%2': write it as YYYY-MM-DDTHH:MMZ in Universal Time"),
                {what, std::string(text)}));
    if (r.hour > 23 || r.minute > 59 || sec > 59)
        return Outcome::input(
                fillin(MESSAGE_TEXT("Message", "the %1 '%2' is not a time of day"), {what, std::string(text)}));
    t = r;
    return Outcome::ok();
}

Outcome parselogdate(std::string_view text, const std::string& what, LogTime& t) {
    if (text.size() != 10)
        return Outcome::input(fillin(MESSAGE_TEXT("Message", "cannot read the %1 '%2': write it as YYYY-MM-DD"),
                                     {what, std::string(text)}));
    return readdate(text, what, false, t);
}

Outcome parselogmonth(std::string_view text, const std::string& what, LogTime& t) {
    if (text.size() != 7)
        return Outcome::input(fillin(MESSAGE_TEXT("Message", "cannot read the %1 '%2': write it as YYYY-MM"),
                                     {what, std::string(text)}));
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
