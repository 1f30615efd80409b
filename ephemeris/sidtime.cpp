#include "calendar.h"
#include "reduce.h"

namespace quorvel {

void sidtime(int32_t jd, double dayfrac, double& sid) {
    // a + 0.5 is 0h UT of the UT date in both cases.
    const double a = dayfrac >= 0.5 ? static_cast<double>(jd) - 1.0 : static_cast<double>(jd);
    const double t = ((a - 2451545.0) + 0.5) / 36525.0;  // Julian centuries of 0h UT from J2000.0
    const double theta0 =
        ((t * 36000.770053608 + 100.46061837) + 0.000387933 * t * t) - t * t * t / 38710000.0;

    double h = addturnswhilenegative(theta0 / 15.0, 24.0);  // hours
    if (h >= 24.0) h -= 24.0;  // once only: h may stay above 24 here

    const double s = dayfrac * 24.0 * 1.00273790935 + h;
    sid = reduceturn(s, 24.0);
}

}  // namespace quorvel
