// Clock dates and times of the Gregorian calendar, counted in minutes and
// seconds since 1970-01-01 00:00 (proleptic Gregorian).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel::cli {

struct ClockTime {
    int64_t year = 0;
    int month = 1, day = 1, hour = 12, minute = 0;
};

/// Years a clock text may name, inclusive.
inline constexpr int64_t FIRST_CLOCK_YEAR = -1000000;
inline constexpr int64_t LAST_CLOCK_YEAR = 1000000;

/// Reads "YYYY-MM-DD" (12:00) or "YYYY-MM-DDTHH:MM" (a blank may stand for
/// the T); nullopt when the text is not such a date and time.
std::optional<ClockTime> parseclock(std::string_view text);

/// Appends "YYYY-MM-DD,HH:MM" (the date_local and time_local columns of a table).
void appendclock(std::string& out, const ClockTime& t);

/// Appends the ISO 8601 UTC text "YYYY-MM-DDTHH:MM:SSZ" of a count of seconds.
///
/// Notes:
/// 1. Years after 9999 are written with a "+" and all their digits, as ISO
///    8601's expanded years are.
void appendutc(std::string& out, int64_t seconds);

/// Minutes since 1970-01-01 00:00 of a clock time.
int64_t minutesofclock(const ClockTime& t);
/// The clock time of a count of minutes.
ClockTime clockofminutes(int64_t minutes);

}  // namespace quorvel::cli
