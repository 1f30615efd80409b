#include <cmath>

#include "angleconst.h"
#include "solarposition.h"

namespace quorvel {

void altaz(double cosphi, double sinphi, double h, float dec, float& az, float& alt) {
    const double dd = dec;
    const double sindec = std::sin(dd), cosdec = std::cos(dd);
    const double sinh = std::sin(h), cosh = std::cos(h);

    double s = sinphi * sindec + (cosphi * cosdec) * cosh;  // sine of the altitude
    if (s > 1.0) s = 1.0;    // rounding beyond the pole of the sphere
    if (s < -1.0) s = -1.0;
    if (s == 1.0 || s == -1.0)
        alt = static_cast<float>(QUARTERTURN * s);
    else
        alt = static_cast<float>(std::atan(s / std::sqrt(1.0 - s * s)));

    // Denominator of the azimuth counted from the south.
    const float q = static_cast<float>(cosh * sinphi - (sindec * cosphi) / cosdec);
    float a;
    if (q == 0.0f)
        a = static_cast<float>(sinh >= 0 ? QUARTERTURN : -QUARTERTURN);
    else
        a = static_cast<float>(std::atan(sinh / static_cast<double>(q)));

    double turn = 0;
    if (sinh > 0)
        turn = q < 0 ? FULLTURN : HALFTURN;
    else
        turn = q < 0 ? 0.0 : HALFTURN;
    az = static_cast<float>(static_cast<double>(a) + turn);
}

}  // namespace quorvel
