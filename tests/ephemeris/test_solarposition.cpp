// Where the Sun stands, and the parallactic angle of the worked examples.
#include <cmath>

#include <gtest/gtest.h>

#include "captions.h"
#include "skychain.h"

namespace quorvel::test {
namespace {

TEST(SunPositionTest, MatchesReference) {
    const struct {
        const char* name;
        int32_t year;
        int16_t month, day;
        float dayfrac, lat, lon;
        double b1950[3], ofdate[3];  // AU, 7 decimals; NAN where none is quoted
        double ra, dec, ha;          // hours, degrees, hours: 5 decimals
        double alt, az;              // degrees, 4 decimals
        double gamma;                // degrees, 3 decimals
    } rows[] = {
        {"Solstice 2006, Greenwich", 2006, 6, 21, 0.5f, 51.5f, 0.0f, {0.0142263, 0.9322549, 0.4043108},
         {0.0002392, 0.9323462, 0.4043505}, 5.99902, 23.44596, -0.02933, 61.9439, 179.1418, -0.582},
        {"New Year 2006 on the equator", 2006, 1, 1, 0.0f, 0.0f, 0.0f, {NAN, NAN, NAN}, {NAN, NAN, NAN},
         18.75611, -23.03619, 11.94435, -66.9495, 181.9624, 177.868}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const Sky s = skyat(r.year, r.month, r.day, r.dayfrac, r.lat, r.lon);
        const float got[6] = {s.x50, s.y50, s.z50, s.x, s.y, s.z};
        for (int i = 0; i < 3; ++i) {
            if (std::isnan(r.b1950[i])) continue;
            EXPECT_NEAR(got[i], r.b1950[i], kSevenDecimals) << "B1950.0 coordinate " << i;
            EXPECT_NEAR(got[3 + i], r.ofdate[i], kSevenDecimals) << "coordinate of date " << i;
        }
        EXPECT_NEAR(s.ra, r.ra, kFiveDecimals);
        EXPECT_NEAR(s.dec, r.dec, kFiveDecimals);
        EXPECT_NEAR(s.ha, r.ha, kFiveDecimals);
        EXPECT_NEAR(s.alt * RAD, r.alt, kFourDecimals);
        EXPECT_NEAR(s.az * RAD, r.az, kFourDecimals);
        EXPECT_NEAR(s.gamma, r.gamma, kThreeDecimals);
    }
}

TEST(RadecTest, QuadrantsAndZeroX) {
    // The inexact angle constants move these values by ~1e-13 only, far below
    // a binary32 step, so the mathematical values are exact in binary32.
    const struct { const char* name; float x, y, z, ra, dec; } rows[] = {
        {"first quadrant", 1, 1, 0, 3, 0},     {"second quadrant", -1, 1, 0, 9, 0},
        {"third quadrant", -1, -1, 0, 15, 0},  {"fourth quadrant", 1, -1, 0, 21, 0},
        {"declination 45", 1, 0, 1, 0, 45},
        {"x +0, y > 0: 6 h", 0.0f, 1, 0, 6, 0},  {"x -0, y > 0: 6 h", -0.0f, 1, 0, 6, 0},
        {"x +0, y < 0: 18 h", 0.0f, -1, 0, 18, 0}, {"x -0, y < 0: 18 h", -0.0f, -1, 0, 18, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        float ra = -1, dec = -1;
        radec(r.x, r.y, r.z, ra, dec);
        EXPECT_EQ(ra, r.ra);
        EXPECT_EQ(dec, r.dec);
    }
}

TEST(HourangleTest, Folding) {
    const struct { const char* name; double sid; float ra, lon, ha; } rows[] = {
        {"13 h stays 13 h", 13, 0, 0, 13},     {"-13 h becomes 11 h", 0, 13, 0, 11},
        {"-25 h becomes -1 h", 0, 23, 30, -1}, {"25 h becomes 1 h", 23, 0, -30, 1},
        {"24 h becomes 0", 23, 0, -15, 0},     {"-12 h becomes 12 h", 0, 12, 0, 12},
        {"15 degrees east: +1 h", 12, 12, -15, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(hourangle(r.sid, r.ra, r.lon), r.ha);
    }
}

TEST(AltazTest, CardinalPointsAndZenith) {
    // On the meridian declination 20 stands at altitude 90 - |lat - 20|.
    const struct { const char* name; double lat, hahours, dec; const char* alt; const char* az; } rows[] = {
        {"south on the meridian", 51.5, 0, 20, "58.5", "180.0"},
        {"north on the meridian", 0, 0, 20, "70.0", "000.0"},
        {"setting due west", 0, 6, 0, "00.0", "270.0"},
        {"rising due east", 0, -6, 0, "00.0", "090.0"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        float az = -1, alt = -1;
        altaz(std::cos(r.lat * DEG), std::sin(r.lat * DEG), r.hahours * 15 * DEG,
              static_cast<float>(r.dec * DEG), az, alt);
        EXPECT_EQ(altcaption(alt), std::string("Altitude       ") + r.alt + "\xC2\xB0");
        EXPECT_EQ(azcaption(az), std::string("Azimuth    ") + r.az + "\xC2\xB0");
    }
    // South on the meridian the azimuth is the truncated half turn itself; in
    // the zenith the sine of the altitude is exactly 1: the truncated right angle.
    float az = 0, alt = 0;
    altaz(std::cos(51.5 * DEG), std::sin(51.5 * DEG), 0.0, static_cast<float>(20 * DEG), az, alt);
    EXPECT_EQ(az, static_cast<float>(HALFTURN));
    altaz(1.0, 0.0, 0.0, 0.0f, az, alt);
    EXPECT_EQ(alt, static_cast<float>(QUARTERTURN));
}

}  // namespace
}  // namespace quorvel::test
