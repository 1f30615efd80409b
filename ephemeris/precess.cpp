#include <cmath>

#include "solarposition.h"

namespace quorvel {

void precess(float x, float y, float z, int32_t jd, float jdfrac, float& xd, float& yd,
             float& zd) {
    // Tropical centuries from B1950.0 (JD 2433282.423).
    const double t = ((static_cast<double>(jdfrac) - 0.423) + (static_cast<double>(jd) - 2433282.0)) /
                     36524.2199;
    const double s = 1.0 / 206264.806;  // arcseconds to radians
    const double zeta = s * t * ((t * (0.302 + 0.018 * t)) + 2304.948);
    const double zz = s * t * ((t * (1.093 + 0.019 * t)) + 2304.948);
    const double theta = s * t * ((t * (-0.426 - 0.042 * t)) + 2004.255);

    const double cze = std::cos(zeta), sze = std::sin(zeta);
    const double cz = std::cos(zz), sz = std::sin(zz);
    const double cth = std::cos(theta), sth = std::sin(theta);

    const double p11 = cze * cz * cth - sze * sz;
    const double p12 = -cze * sz - sze * cz * cth;
    const double p13 = -cz * sth;
    const double p21 = sze * cz + cze * sz * cth;
    const double p22 = cze * cz - sze * sz * cth;
    const double p23 = -sz * sth;
    const double p31 = cze * sth;
    const double p32 = -sze * sth;
    const double p33 = cth;

    const double xx = x, yy = y, zzz = z;
    xd = static_cast<float>((p11 * xx + p12 * yy) + p13 * zzz);
    yd = static_cast<float>((p21 * xx + p22 * yy) + p23 * zzz);
    zd = static_cast<float>((p31 * xx + p32 * yy) + p33 * zzz);
}

}  // namespace quorvel
