#include "orientation.h"

namespace quorvel {

void obliq(int32_t jd, float jdfrac, double& eps) {
    const double t = (static_cast<double>(jdfrac) + (static_cast<double>(jd) - 2451545.0)) / 36525.0;
    eps = ((((26.0 / 60 + 23) + 21.448 / 3600) - t * 46.815 / 3600) - t * 0.00059 * t / 3600) +
          t * 0.001813 * t * t / 3600;
}

}  // namespace quorvel
