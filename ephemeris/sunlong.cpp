#include <cmath>

#include "angleconst.h"
#include "orientation.h"
#include "reduce.h"

namespace quorvel {

void sunlong(int32_t jd, float jdfrac, double& lambda, double& r) {
    const double t = (static_cast<double>(jdfrac) + (static_cast<double>(jd) - 2451545.0)) / 36525.0;
    // The rate 36000.76983 is split, and added in this order.
    const double l0 = reduce360((t * 0.76983 + (t * 36000 + 280.46645)) + t * 0.0003032 * t);
    const double m = reduce360((((t * 35999 + 357.5291) + t * 0.0503) - t * 0.0001559 * t) -
                               t * 0.00000048 * t * t);
    const double e = (0.016708617 - t * 0.000042037) - t * 0.0000001236 * t;

    double c = std::sin(m * DEG) * ((1.9146 - t * 0.004817) - t * 0.000014 * t);
    c = (0.019993 - t * 0.000101) * std::sin((m + m) * DEG) + c;
    c = std::sin(m * 3 * DEG) * 0.00029 + c;

    const double truelong = c + l0;
    const double anomaly = c + m;
    r = ((1 - e * e) * 1.000001018) / (std::cos(anomaly * DEG) * e + 1);
    lambda = reduce360(((-20.4898 / r) / 60) / 60 + truelong);
}

}  // namespace quorvel
