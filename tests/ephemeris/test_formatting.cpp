// Number texts, degrees and minutes, hours and minutes.
#include <string>

#include <gtest/gtest.h>

#include "anglefmt.h"
#include "numbertext.h"

namespace quorvel {
namespace {

#define ORDINAL "\xC2\xBA"  // masculine ordinal indicator U+00BA, UTF-8

TEST(NumberTextTest, PatternText) {
    const struct { const char* name; double v; const char* pattern; const char* text; } rows[] = {
        {"exact tie away from zero", 0.25, "0.0", "0.3"}, {"negative exact tie", -0.25, "0.0", "-0.3"},
        {"tie of two decimals", 0.125, "0.00", "0.13"},   {"whole tie, not to even", 2.5, "00", "03"},
        {"0.35 is 0.34999999999999997 in binary", 0.35, "0.0", "0.3"},
        {"-0.05 is -0.050000000000000003 in binary", -0.05, "0.0", "-0.1"},
        {"negative rounding to zero: no sign", -0.02933, "0.0", "0.0"},
        {"negative zero", -0.0, "000.0", "000.0"},        {"padded", 7.07, "00.0", "07.1"},
        {"negative padded", -2.98, "00.0", "-03.0"},      {"rounding carries", 99.96, "00.0", "100.0"},
        {"more digits than the pattern", 238.643, "0.0", "238.6"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(patterntext(r.v, r.pattern), r.text);
    }
    EXPECT_EQ(patterntext(0.25, "0.0", ','), "0,3");
}

TEST(NumberTextTest, GeneralText) {
    const struct { double v; const char* text; } rows[] = {
        {2451545.5, "2451545.5"}, {2453908.0, "2453908"}, {13.1795463405331, "13.1795463405331"},
        {0.1 + 0.2, "0.3"},              // 0.30000000000000004 needs 17 digits
        {1.0 / 3, "0.333333333333333"},  // 15 significant digits
        {0.99999999999999989, "1"},      // rounding to 15 digits carries
        {-5.25, "-5.25"}, {0.0, "0"}, {0.000123, "0.000123"},  // no exponent
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(generaltext(r.v), r.text);
    }
    EXPECT_EQ(generaltext(2451545.5, ','), "2451545,5");
}

TEST(AngleTextTest, DegreesAndMinutes) {
    const struct { float v; const char* text; } rows[] = {
        {23.44596f, " 23" ORDINAL " 26' "}, {-23.03619f, "-23" ORDINAL " 02' "},
        {-0.5f, "-0" ORDINAL " 30' "},      {0.5f, " 0" ORDINAL " 30' "},
        {0.0f, " 0" ORDINAL " 00' "},       {10.9999f, " 10" ORDINAL " 59' "},  // never carried
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(degmin(r.v), r.text);
    }
}

TEST(AngleTextTest, HoursAndMinutes) {
    const struct { float v; const char* text; } rows[] = {
        {5.99902f, " 5h 59m "}, {18.12f, " 18h 07m "}, {0.0f, " 0h 00m "},
        {5.99999f, " 5h 59m "}, {23.9999f, " 23h 59m "},  // never carried
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(hourmin(r.v), r.text);
    }
}

}  // namespace
}  // namespace quorvel
