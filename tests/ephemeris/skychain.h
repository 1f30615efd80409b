// Shared by the ephemeris tests: tolerances, and the computing order of a
// redraw from a UT date to the parallactic angle.
#pragma once

#include <cmath>

#include <gtest/gtest.h>

#include "angleconst.h"
#include "calendar.h"
#include "orientation.h"
#include "solarposition.h"

namespace quorvel::test {

// Half a unit in the last digit of a reference value quoted with that many decimals.
inline constexpr double kOneDecimal = 0.05, kThreeDecimals = 5e-4, kFourDecimals = 5e-5,
                        kFiveDecimals = 5e-6, kSixDecimals = 5e-7, kSevenDecimals = 5e-8,
                        kEightDecimals = 5e-9, kNineDecimals = 5e-10;

struct Sky {
    int32_t jd = 0;
    float jdfrac = 0;
    double sid = 0;
    float x50 = 0, y50 = 0, z50 = 0, x = 0, y = 0, z = 0;
    float ra = 0, dec = 0, ha = 0, alt = 0, az = 0, gamma = 0;
};

/// julday (Gregorian from 1582 October 15) to paraangle, in the order of a redraw.
inline Sky skyat(int32_t year, int16_t month, int16_t day, float dayfrac, float lat, float lon) {
    Sky s;
    EXPECT_TRUE(julday(caltable(), year, month, day, dayfrac, 2, s.jd, s.jdfrac));
    sidtime(s.jd, dayfrac, s.sid);
    sunxyz(s.jd, s.jdfrac, s.x50, s.y50, s.z50);
    precess(s.x50, s.y50, s.z50, s.jd, s.jdfrac, s.x, s.y, s.z);
    radec(s.x, s.y, s.z, s.ra, s.dec);
    s.ha = hourangle(s.sid, s.ra, lon);
    const double phi = static_cast<double>(lat) * DEG;
    altaz(std::cos(phi), std::sin(phi), static_cast<double>(s.ha) * DEG * 15,
          static_cast<float>(static_cast<double>(s.dec) * DEG), s.az, s.alt);
    s.gamma = paraangle(lat, s.ha, s.alt, s.dec);
    return s;
}

}  // namespace quorvel::test
