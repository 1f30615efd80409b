#include <cmath>

#include "angleconst.h"
#include "solarposition.h"

namespace quorvel {

void radec(float x, float y, float z, float& ra, float& dec) {
    const double xx = x, yy = y;
    const float r2 = static_cast<float>(xx * xx + yy * yy);
    // A zero x of either sign counts as +0, so that y / x is the infinity of
    // y's sign and the arctangent takes its limit: 6 h for y > 0, 18 h for y < 0.
    const double xdiv = x == 0.0f ? 0.0 : xx;
    const double ratio = yy == 0.0 && xdiv == 0.0 ? 0.0 : yy / xdiv;
    float r = static_cast<float>((std::atan(ratio) / 15.0) * RAD);
    if (x < 0) r = static_cast<float>(static_cast<double>(r) + 12.0);
    if (r < 0) r = static_cast<float>(static_cast<double>(r) + 24.0);
    ra = r;

    const double zr = static_cast<double>(z) / std::sqrt(static_cast<double>(r2));
    dec = static_cast<float>(std::atan(zr) * RAD);
}

}  // namespace quorvel
