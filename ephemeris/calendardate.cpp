#include "calendardate.h"

namespace quorvel {
namespace {

/// The date of a March-based year, its day of the year (0 is March 1) and the month arithmetic shared by both calendars.
CalendarDate frommarch(int64_t marchyear, int64_t dayofyear) {
    const int64_t mp = (5 * dayofyear + 2) / 153;  // 0 is March
    CalendarDate date;
    date.day = static_cast<int>(dayofyear - (153 * mp + 2) / 5 + 1);
    date.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    date.year = marchyear + (date.month <= 2);
    return date;
}

/// The Julian-calendar date of a Julian Day Number (4-year cycles from March 1 of year -4800).
CalendarDate juliandate(int64_t jdn) {
    const int64_t days = jdn - 1721118;  // days since March 1 of year 0 (Julian)
    const int64_t cycle = floordiv(days, 1461);
    const int64_t doc = days - cycle * 1461;                  // day of the 4-year cycle, [0, 1460]
    const int64_t yoc = (doc - doc / 1460) / 365;             // year of the cycle, [0, 3]
    return frommarch(cycle * 4 + yoc, doc - 365 * yoc);
}

}  // namespace

int64_t gregorianjdn(const CalendarDate& date) {
    const int64_t y = date.year - (date.month <= 2);
    const int64_t era = floordiv(y, 400);
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe + 1721120;  // day 0 is March 1 of year 0 (Gregorian)
}

CalendarDate gregoriandate(int64_t jdn) {
    const int64_t days = jdn - 1721120;
    const int64_t era = floordiv(days, 146097);
    const int64_t doe = days - era * 146097;                                 // [0, 146096]
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    return frommarch(era * 400 + yoe, doe - (365 * yoe + yoe / 4 - yoe / 100));
}

CalendarDate calendardate(int64_t jdn) { return jdn < GREGORIAN_FIRST_JDN ? juliandate(jdn) : gregoriandate(jdn); }

}  // namespace quorvel
