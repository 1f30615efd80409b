// Calendar dates of Julian Day Numbers and back: the inverse of the Julian
// Date, in whole days and exact integer arithmetic.
#pragma once

#include <cstdint>

namespace quorvel {

/// a / b rounded toward minus infinity (b not 0).
constexpr int64_t floordiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

/// A calendar date, astronomical year numbering (year 0 is 1 BC).
struct CalendarDate {
    int64_t year = 0;
    int month = 1;  ///< 1..12
    int day = 1;    ///< 1..31
};

/// Julian Day Number of 1582 October 15, the first day of the Gregorian calendar.
inline constexpr int64_t GREGORIAN_FIRST_JDN = 2299161;
/// Julian Day Number of 1970 January 1.
inline constexpr int64_t UNIX_EPOCH_JDN = 2440588;

/// Julian Day Number (the Julian Date at noon) of a proleptic Gregorian date.
int64_t gregorianjdn(const CalendarDate& date);

/// The proleptic Gregorian date of a Julian Day Number.
CalendarDate gregoriandate(int64_t jdn);

/// The date of a Julian Day Number as calendars read it: Julian before
/// 1582 October 15, Gregorian from then.
CalendarDate calendardate(int64_t jdn);

}  // namespace quorvel
