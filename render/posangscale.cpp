#include "overlays.h"

#include "numbertext.h"

namespace quorvel {
namespace {

constexpr int32_t NUMBER_HEIGHT = 12;  // pixels, also used as a size factor in picture units

/// The text angle of a scale number, degrees counter-clockwise.
double numberangle(float i, float angle, int16_t flip, int s) {
    double g = i - static_cast<double>(angle);
    if (flip == 1) g = -g;
    if (s == -1) g += 180;
    return g;
}

}  // namespace

void posangscale(Surface& surf, float radius, float angle, int16_t flip, int16_t invert) {
    const int s = invert == 0 ? 1 : -1;
    const double r1 = 1.03 * radius, r2 = 1.05 * radius;
    auto at = [&](double t, double r) {
        return Point{flip * s * r * std::cos(t * DEG), s * r * std::sin(t * DEG)};
    };
    for (float i = 0; i <= 359; i += 10) {
        const double t = i - 90 - static_cast<double>(angle);
        const bool cardinal = i == 0 || i == 90 || i == 180 || i == 270;
        const Point a = at(t, cardinal ? radius : r1), b = at(t, r2);
        surf.line(static_cast<float>(a.x), static_cast<float>(a.y), static_cast<float>(b.x),
                  static_cast<float>(b.y), cardinal ? BLUE : SCALE_GREY);
    }

    surf.forecolour = SCALE_GREY;
    const double rt = r2 + NUMBER_HEIGHT * 16 + 0.01 * radius;
    for (float i = 0; i <= 359; i += 10) {
        const double t = i - 90 - static_cast<double>(angle);
        const double k = i < 10 ? 1.1 : i < 100 ? 2.4 : 3.0;  // the number of digits
        double g = numberangle(i, angle, flip, s);
        // Back along the baseline by half the estimated width, so the number centres on its tick.
        const double half = NUMBER_HEIGHT * 5 * k;
        const Point p = at(t, rt);
        const double x = p.x - half * std::cos(g * DEG), y = p.y + half * std::sin(g * DEG);
        if (i == 0 || i == 180) g += 1;
        if (g > 179 && g < 181) g += 1;
        surf.forecolour = SCALE_GREY;
        fontprint(surf, signedtext(i), static_cast<float>(x), static_cast<float>(y), "Arial",
                  NUMBER_HEIGHT, 400, static_cast<int32_t>(std::nearbyint(g * 10)));
    }
}

}  // namespace quorvel
