// The Carrington rotation number against published rotation starts, and its
// agreement with the program's own L0 across a year of wraps.
#include <gtest/gtest.h>

#include <cmath>

#include "calendar.h"
#include "orientation.h"

namespace quorvel {
namespace {

struct Moment {
    int32_t jd;
    float jdfrac;
    double l0;
};

Moment at(int32_t year, int16_t month, int16_t day, double uthours) {
    Moment m{};
    EXPECT_TRUE(julday(caltable(), year, month, day, static_cast<float>(uthours / 24), 2, m.jd, m.jdfrac));
    double lambda = 0, r = 0, eps = 0, b0 = 0, p = 0;
    sunlong(m.jd, m.jdfrac, lambda, r);
    obliq(m.jd, m.jdfrac, eps);
    carrington(m.jd, m.jdfrac, lambda, eps, b0, p, m.l0);
    return m;
}

int32_t rotationat(int32_t year, int16_t month, int16_t day, double uthours) {
    const Moment m = at(year, month, day, uthours);
    return carringtonrotation(m.jd, m.jdfrac, m.l0);
}

// Published starts: rotation 2083 on 2009 May 3 at 04:11 UT, 2084 on 2009 May 30
// at 09:26 UT. Two hours either side the number must be the old and the new one.
TEST(CarringtonRotation, ChangesAtPublishedStarts) {
    EXPECT_EQ(rotationat(2009, 5, 3, 4.18 - 2), 2082);
    EXPECT_EQ(rotationat(2009, 5, 3, 4.18 + 2), 2083);
    EXPECT_EQ(rotationat(2009, 5, 30, 9.43 - 2), 2083);
    EXPECT_EQ(rotationat(2009, 5, 30, 9.43 + 2), 2084);
    EXPECT_EQ(rotationat(2009, 5, 16, 12), 2083);  // mid-rotation
}

TEST(CarringtonRotation, StepsByOneExactlyWhereL0Wraps) {
    Moment prev = at(2006, 1, 1, 0);
    int32_t prevrot = carringtonrotation(prev.jd, prev.jdfrac, prev.l0);
    int wraps = 0;
    for (int hour = 1; hour <= 366 * 24; ++hour) {
        int32_t jd = 2453736;  // 2006 January 1, 0:00 UT is 2453736.5
        const double elapsed = 0.5 + hour / 24.0;
        jd += static_cast<int32_t>(std::floor(elapsed));
        const float frac = static_cast<float>(elapsed - std::floor(elapsed));
        double lambda = 0, r = 0, eps = 0, b0 = 0, p = 0, l0 = 0;
        sunlong(jd, frac, lambda, r);
        obliq(jd, frac, eps);
        carrington(jd, frac, lambda, eps, b0, p, l0);
        const int32_t rot = carringtonrotation(jd, frac, l0);
        const bool wrapped = l0 > prev.l0;  // L0 falls about 0.55 degrees an hour
        SCOPED_TRACE(hour);
        EXPECT_EQ(rot - prevrot, wrapped ? 1 : 0);
        wraps += wrapped;
        prev = {jd, frac, l0};
        prevrot = rot;
    }
    // 366 days of 27.275-day rotations hold 13 or 14 starts.
    EXPECT_GE(wraps, 13);
    EXPECT_LE(wraps, 14);
}

}  // namespace
}  // namespace quorvel
