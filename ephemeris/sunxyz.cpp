#include <cmath>

#include "angleconst.h"
#include "solarposition.h"

namespace quorvel {
namespace {

/// Fractional revolutions of k * t, in degrees.
double fracrev(double k, double t) {
    const double kt = k * t;
    return (kt - std::floor(kt)) * 360.0;
}

}  // namespace

void sunxyz(int32_t jd, float jdfrac, float& x, float& y, float& z) {
    using std::cos;
    using std::sin;
    const double t = (static_cast<double>(jdfrac) + (static_cast<double>(jd) - 2415020.0)) / 36525.0;
    const double p = (1.396041 + 0.000308 * (t + 0.5)) * (t - 0.499998);  // degrees since 1950.0

    // Arguments in degrees, then in radians with the binary32 factor.
    const float j0 = static_cast<float>(fracrev(8, t) + 225.444651);
    const double d = static_cast<double>(static_cast<float>(HALFTURN / 180.0));
    const double m = ((fracrev(100, t) + 358.475833) + t * (-0.95025 - 0.00015 * t)) * d;
    const double l = (((fracrev(100, t) + 279.696678) - p) + t * (0.76892 + 0.000303 * t)) * d;
    const double lm = (((fracrev(1336, t) + 270.434164) - p) + t * (307.883142 - 0.001133 * t)) * d;
    const double mv = ((fracrev(162, t) + 212.603219) + t * (197.803875 + 0.001286 * t)) * d;
    const double mm = ((fracrev(53, t) + 319.529425) + t * (59.8585 + 0.000181 * t)) * d;
    const double mj = (static_cast<double>(j0) + t * 154.906654) * d;

    const double m2 = 2 * m, m4 = 4 * m, mv2 = 2 * mv, mj2 = 2 * mj;
    const double a = 3 * mj - 8 * mm;

    // Units of 1e-6 AU until the last statement; each statement stores binary32.
    float X = static_cast<float>((cos(m2 + l - mv2) + cos(m2 - l - mj2)) * 11);
    X = static_cast<float>(X - ((cos(m4 - l + a) + cos(m + l - mv)) - cos(m4 + l + a)) * 12);
    X = static_cast<float>(((X - cos(lm - 2 * l) * 14) + cos(lm) * 17) + sin(m2 + l - mv2) * 18);
    X = static_cast<float>((X + (8374 - 21 * t) * cos(m + l)) - sin(m - l - mj) * 26);
    X = static_cast<float>(((X + cos(m2 - l) * 35) + (63 * t - 25127) * cos(m - l)) +
                           cos(m2 + l) * 105);
    X = static_cast<float>(X + cos(l) * 999860);
    X = static_cast<float>(X * 0.000001);

    float Y = static_cast<float>((sin(m2 + l - mv2) - sin(m2 - l - mj2)) * 10);
    Y = static_cast<float>(Y - ((sin(m + l - mv) - sin(m4 - l + a)) - sin(m4 + l + a)) * 11);
    Y = static_cast<float>(((Y + sin(lm - 2 * l) * 13) + sin(lm) * 6) - cos(m2 + l - mv2) * 17);
    Y = static_cast<float>((Y - 19 * t * sin(m + l)) - cos(m - l - mj) * 24);
    Y = static_cast<float>((Y - sin(m2 - l) * 32) - 57 * t * sin(m - l));
    Y = static_cast<float>((Y + sin(m2 + l) * 97) + sin(m + l) * 7683);
    Y = static_cast<float>((Y + sin(m - l) * 23053) + sin(l) * 917308);
    Y = static_cast<float>(Y * 0.000001);

    float Z = static_cast<float>((cos(m - l - mj) * (-10) - sin(m2 - l) * 14) - 25 * t * sin(m - l));
    Z = static_cast<float>((sin(m2 + l) * 42 + Z) + sin(m + l) * 3332);
    Z = static_cast<float>((sin(m - l) * 9998 + Z) + sin(l) * 397825);
    Z = static_cast<float>(Z * 0.000001);

    x = X;
    y = Y;
    z = Z;
}

}  // namespace quorvel
