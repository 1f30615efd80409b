// Moments and days of the log: Universal Time to the minute, written
// "YYYY-MM-DDTHH:MMZ", counted in minutes since 1970-01-01 00:00 UT.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "outcome.h"

namespace quorvel::log {

struct LogTime {
    int year = 1970, month = 1, day = 1;  ///< Gregorian date, UT
    int hour = 0, minute = 0;             ///< UT
};

/// Reads "YYYY-MM-DDTHH:MM" with an optional ":SS" (dropped) and "Z"; a
/// blank may stand for the T. The year lies in 1600..9999.
///
/// Given:
///   text  the text, what  the option or column it came from, for the message
/// Returned:
///   t     the moment, unchanged on failure
Outcome parselogtime(std::string_view text, const std::string& what, LogTime& t);

/// Reads "YYYY-MM-DD" as 00:00 UT of that day.
Outcome parselogdate(std::string_view text, const std::string& what, LogTime& t);

/// Reads "YYYY-MM" as 00:00 UT of the month's first day.
Outcome parselogmonth(std::string_view text, const std::string& what, LogTime& t);

/// "YYYY-MM-DDTHH:MMZ", the form the log stores.
std::string logtimetext(const LogTime& t);

/// Minutes since 1970-01-01 00:00 UT.
int64_t logminutes(const LogTime& t);
/// The moment of a count of minutes since 1970-01-01 00:00 UT.
LogTime logtimeofminutes(int64_t minutes);

/// The Julian Date (UT) of a count of minutes since 1970-01-01 00:00 UT.
double logjd(int64_t minutes);

/// The number of days of a month of the Gregorian calendar.
int daysofmonth(int year, int month);

/// "NOV" for 11.
const char* monthabbrev(int month);

}  // namespace quorvel::log
