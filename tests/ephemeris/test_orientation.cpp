// Disk orientation: P, B0, L0 and the parallactic angle.
#include <cmath>

#include <gtest/gtest.h>

#include "orientation.h"
#include "skychain.h"

namespace quorvel::test {
namespace {

struct DiskAngles {
    double lambda = 0, r = 0, eps = 0, b0 = 0, p = 0, l0 = 0;
};

DiskAngles diskangles(int32_t jd, float jdfrac) {
    DiskAngles a;
    sunlong(jd, jdfrac, a.lambda, a.r);
    obliq(jd, jdfrac, a.eps);
    carrington(jd, jdfrac, a.lambda, a.eps, a.b0, a.p, a.l0);
    return a;
}

TEST(DiskAnglesTest, October1992Example) {
    // Reference values for 1992 October 13, 0h: apparent longitude without
    // nutation, mean obliquity.
    const DiskAngles a = diskangles(2448908, 0.5f);
    EXPECT_NEAR(a.lambda, 199.90416, kFiveDecimals);
    EXPECT_NEAR(a.r, 0.9976620, kSevenDecimals);
    EXPECT_NEAR(a.eps, 23.440230, kSixDecimals);
    EXPECT_NEAR(a.p, 26.274, kThreeDecimals);
    EXPECT_NEAR(a.b0, 5.988, kThreeDecimals);
    EXPECT_NEAR(a.l0, 238.643, kThreeDecimals);
}

TEST(DiskAnglesTest, L0FallsSteadilyThroughTheYear) {
    // 360 / 25.38 degrees a day less the Sun's own motion: 13.2 degrees a day,
    // give or take the projection of the Sun's path. A node angle in the wrong
    // quadrant (mid-March: 174.9 instead of 354.9 on the 15th) shows as a jump
    // of about 180 degrees; the wrap from 0 to just below 360 is no jump.
    constexpr double kDailyFall = 13.2, kDailyFallSpread = 0.1;
    constexpr int32_t kJan1st2006 = 2453736;  // with jdfrac 0.5: 0h UT
    double previous = diskangles(kJan1st2006, 0.5f).l0;
    for (int day = 1; day <= 365; ++day) {
        SCOPED_TRACE(testing::Message() << "day " << day << " after 2006 January 1");
        const double l0 = diskangles(kJan1st2006 + day, 0.5f).l0;
        ASSERT_TRUE(l0 >= 0 && l0 < 360) << l0;
        ASSERT_NEAR(std::remainder(previous - l0, 360.0), kDailyFall, kDailyFallSpread);
        previous = l0;
    }
    EXPECT_NEAR(diskangles(2453809, 0.5f).l0, 354.9, kOneDecimal) << "2006 March 15, 0h";
}

TEST(ParallacticTest, SineBeyondOneIsHeld) {
    // 90 degrees from the meridian on the equator the binary32 sine lands on or
    // just beyond +-1; it is held at +-0.9999999 (binary32), whose arcsine is
    // 89.97202 degrees, instead of taking the square root of a negative number.
    constexpr double kHeldTilt = 89.97202;
    const struct { const char* name; float ha, alt; double gamma; } rows[] = {
        {"sine exactly +1", 6, 0.0f, kHeldTilt}, {"sine beyond +1", 6, 0.001f, kHeldTilt},
        {"sine beyond -1", -6, 0.001f, -kHeldTilt},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_NEAR(paraangle(0.0f, r.ha, r.alt, 0.0f), r.gamma, kFiveDecimals);  // NaN fails too
    }
    // 2006 June 21, 09:50.05 UT at latitude 20: the sine rounds below -1 and
    // the cosine is negative, so the angle lies just beyond -90.
    const Sky s = skyat(2006, 6, 21, static_cast<float>(9.0 / 24 + 50.05 / 24 / 60), 20.0f, 0.0f);
    EXPECT_NEAR(s.gamma, kHeldTilt - 180, kFiveDecimals);
}

}  // namespace
}  // namespace quorvel::test
