// Julian Date and sidereal time.
#include <gtest/gtest.h>

#include "calendar.h"
#include "calendardate.h"
#include "skychain.h"

namespace quorvel::test {
namespace {

// Published Julian Dates (Meeus), the reform rows of the table, and the days
// outside their month that the day carry produces.
TEST(JuliandayTest, WholePartAndFraction) {
    const struct {
        const char* name;
        int32_t year;
        int16_t month, day;
        float dayfrac;
        int16_t rule;
        int32_t jd;
        float jdfrac;  // exact binary32
    } rows[] = {
        {"J2000Noon_FractionCarries", 2000, 1, 1, 0.5f, 2, 2451545, 0.0f},
        {"Apr1987", 1987, 4, 10, 0.0f, 2, 2446895, 0.5f},
        {"Oct1957_Binary32Fraction", 1957, 10, 4, 0.81f, 2, 2436116, 0.30999994f},
        {"Jan1900", 1900, 1, 1, 0.0f, 2, 2415020, 0.5f},
        {"Mar1900_NotLeap", 1900, 3, 1, 0.0f, 2, 2415079, 0.5f},
        {"LastJulianDay1582", 1582, 10, 4, 0.0f, 2, 2299159, 0.5f},
        {"FirstGregorianDay1582", 1582, 10, 15, 0.0f, 2, 2299160, 0.5f},
        {"Nov1582_Gregorian", 1582, 11, 1, 0.0f, 2, 2299177, 0.5f},
        {"YearMinus1000_Feb29", -1000, 2, 29, 0.0f, 2, 1355866, 0.5f},
        {"DayZero_4713BC", -4712, 1, 1, 0.5f, 2, 0, 0.0f},
        {"Rule1_JulianAfter1582", 1582, 10, 15, 0.0f, 1, 2299170, 0.5f},
        {"Rule3_GregorianBefore1582", 1582, 10, 4, 0.0f, 3, 2299149, 0.5f},
        {"Rule4_LastJulianDay1917", 1917, 12, 31, 0.0f, 4, 2421606, 0.5f},
        {"Rule4_FirstGregorianDay1918", 1918, 1, 1, 0.0f, 4, 2421594, 0.5f},
        {"Day0_IsLastOfPreviousMonth", 2006, 7, 0, 0.0f, 2, 2453916, 0.5f},
        {"Day32_IsFirstOfNextMonth", 2006, 3, 32, 0.0f, 2, 2453826, 0.5f},
        {"Jan0_IsDec31OfPreviousYear", 2006, 1, 0, 0.0f, 2, 2453735, 0.5f},
        // 0.5 - 2^-24 plus 0.5 is 1 - 2^-24, a binary32 value: no carry.
        {"JustBeforeNoon", 2000, 1, 1, 0.49999994f, 2, 2451544, 0.99999994f},
        // 0.5 - 2^-25 plus 0.5 is halfway to 1 and rounds to even, 1: it carries.
        {"HalfStepBeforeNoonCarries", 2000, 1, 1, 0.49999997f, 2, 2451545, 0.0f},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        int32_t jd = -1;
        float jdfrac = -1;
        ASSERT_TRUE(julday(caltable(), r.year, r.month, r.day, r.dayfrac, r.rule, jd, jdfrac));
        EXPECT_EQ(jd, r.jd);
        EXPECT_EQ(jdfrac, r.jdfrac);
    }
}

TEST(JuliandayLimitsTest, UnrepresentableDatesFailAndLeaveResults) {
    // B = 2 - A + A/4 leaves 16 bits from Gregorian year 4,369,300 on; a
    // Julian Date below -2^31 comes near year -5.88 million.
    const struct { const char* name; int32_t year; int16_t rule; bool ok; } rows[] = {
        {"Gregorian 4.36 million", 4'360'000, 2, true},
        {"Gregorian 4.37 million", 4'370'000, 2, false},
        {"Gregorian 5 million", 5'000'000, 2, false},
        {"Julian -5 million", -5'000'000, 2, true},
        {"Julian -6 million", -6'000'000, 2, false},
        {"year - 1 below 32 bits", INT32_MIN, 2, false},
        {"rule beyond the table", 2006, 7, false},
        {"negative rule", 2006, -1, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        int32_t jd = 123;
        float jdfrac = 0.25f;
        EXPECT_EQ(julday(caltable(), r.year, 1, 1, 0.0f, r.rule, jd, jdfrac), r.ok);
        EXPECT_TRUE(r.ok || (jd == 123 && jdfrac == 0.25f)) << "a failure leaves the results";
    }
}

TEST(CalendarDateTest, InvertsJuldayOnBothSidesOfTheReform) {
    // Every 997th day from year -4000 to 40000, read back through julday at noon.
    for (int64_t jdn = 260'000; jdn < 16'300'000; jdn += 997) {
        const CalendarDate date = calendardate(jdn);
        int32_t jd = 0;
        float jdfrac = 0;
        ASSERT_TRUE(julday(caltable(), static_cast<int32_t>(date.year), static_cast<int16_t>(date.month),
                           static_cast<int16_t>(date.day), 0.5f, 2, jd, jdfrac));
        ASSERT_EQ(jd, jdn) << date.year << "-" << date.month << "-" << date.day;
        ASSERT_EQ(gregorianjdn(gregoriandate(jdn)), jdn);
    }
    EXPECT_EQ(calendardate(GREGORIAN_FIRST_JDN - 1).day, 4);
}

TEST(SidtimeTest, MeanSiderealTime) {
    // 1987 April 10 0h UT is 13h 10m 46.37s (Meeus); later instants of the
    // date add 24 x 1.00273790935 hours per day, folded into one day.
    const struct { const char* name; int32_t year; int16_t month, day; double dayfrac, sid, tol; } rows[] = {
        {"1987 April 10, 0h", 1987, 4, 10, 0.0, 13.17954634, kEightDecimals},
        {"1987 April 10, 6h", 1987, 4, 10, 0.25, 13.17954634 + 6.0164274561, kEightDecimals},
        {"1987 April 10, 18h", 1987, 4, 10, 0.75, 13.17954634 + 18.0492823683 - 24, kEightDecimals},
        {"J2000.0", 2000, 1, 1, 0.5, 18.697374558, kNineDecimals},
        {"2006 June 21, 12h", 2006, 6, 21, 0.5, 5.96969, kFiveDecimals},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        int32_t jd = 0;
        float jdfrac = 0;
        ASSERT_TRUE(julday(caltable(), r.year, r.month, r.day, static_cast<float>(r.dayfrac), 2, jd, jdfrac));
        double sid = -1;
        sidtime(jd, r.dayfrac, sid);
        EXPECT_NEAR(sid, r.sid, r.tol);
    }
}

}  // namespace
}  // namespace quorvel::test
