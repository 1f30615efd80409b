// Clock dates and times of the Gregorian calendar, counted in minutes.
#pragma once

#include <cstdint>
#include <string>

namespace quorvel::cli {

struct ClockTime {
    int64_t year = 0;
    int month = 1, day = 1, hour = 12, minute = 0;
};

/// Reads "YYYY-MM-DD" (12:00) or "YYYY-MM-DDTHH:MM"; throws UsageError.
ClockTime parseclock(const std::string& text);

/// "YYYY-MM-DD,HH:MM" (the date and time columns of a table).
std::string formatclock(const ClockTime& t);

/// Minutes since 1970-01-01 00:00, proleptic Gregorian.
int64_t minutesofclock(const ClockTime& t);
ClockTime clockofminutes(int64_t minutes);

}  // namespace quorvel::cli
