// Time arguments: the calendar-reform table, the Julian Date and sidereal time.
#pragma once

#include <array>
#include <cstdint>

namespace quorvel {

/// First date on which the Gregorian calendar applies.
struct CalReform {
    int32_t year = 0;
    int16_t month = 0;
    int16_t day = 0;
};

using CalTable = std::array<CalReform, 7>;

/// Returns the calendar-reform table.
///
/// Notes:
/// 1. Rows 1 to 5 are filled; rows 0 and 6 stay zero (Gregorian from year 0).
/// 2. Row 2, 1582 October 15, is the one the draw routine uses.
CalTable caltable();

/// Julian Date of a calendar date and time of day, in two pieces.
///
/// Given:
///   year     calendar year (astronomical numbering)
///   month    1..12
///   day      day of month; 0 and one past the month's end are allowed
///   dayfrac  UT of day as a fraction of a day (binary32)
///   rule     row of caltab that decides Julian or Gregorian
/// Returned:
///   jd       whole part of the Julian Date (noon based)
///   jdfrac   fraction of the Julian Date, [0, 1) (binary32)
///
/// Returns false, leaving jd and jdfrac unchanged, when an integer
/// intermediate does not fit its field: the Gregorian correction in 16 bits
/// or the Julian Date in 32 bits (Gregorian years beyond about 4.37 million,
/// Julian years before about -5.88 million), or when
/// rule is not a row of the table.
///
/// Notes:
/// 1. Meeus' method with the constant 1720994 and the half day added to the
///    fraction; every truncation is toward zero.
bool julday(const CalTable& caltab, int32_t year, int16_t month, int16_t day, float dayfrac,
            int16_t rule, int32_t& jd, float& jdfrac);

/// Greenwich mean sidereal time, hours, [0, 24).
///
/// Given:
///   jd       whole part of the Julian Date from julday
///   dayfrac  UT of day as a fraction of a day (the binary32 dayfrac widened, not jdfrac)
/// Returned:
///   sid      sidereal time in hours
void sidtime(int32_t jd, double dayfrac, double& sid);

}  // namespace quorvel
