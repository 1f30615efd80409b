#include "graphicsview.h"

#include "numbertext.h"

namespace quorvel {

void pascale(Surface& surf, float radius, float angle, int16_t flip, int16_t invert, const PaScale& scale) {
    const int s = invert == 0 ? 1 : -1;
    const double r1 = 1.14 * radius, r2 = 1.16 * radius;
    auto at = [&](double t, double r) {
        return Point{flip * s * r * std::cos(t * DEG), s * r * std::sin(t * DEG)};
    };
    for (float i = 0; i <= 359; i += scale.mark) {  // ticks, all of one length
        const double t = i - 90 - static_cast<double>(angle);
        const Point a = at(t, r1), b = at(t, r2);
        surf.line(static_cast<float>(a.x), static_cast<float>(a.y), static_cast<float>(b.x),
                  static_cast<float>(b.y), scale.colour);
    }
    surf.forecolour = scale.colour;
    const double h = scale.numbersize;
    const double rt = r2 + 16 * h + 0.01 * radius;
    for (float i = 0; i <= 359; i += scale.label) {
        const double t = i - 90 - static_cast<double>(angle);
        const double k = i < 10 ? 1.4 : i < 100 ? 2.4 : 3.0;  // the number of digits
        double g = i - static_cast<double>(angle);
        if (flip == 1) g = -g;
        if (s == -1) g += 180;
        // The top and bottom numbers sit a little closer to the disk.
        const double r = (i == 0 || i == 180) ? rt - 2.4 * h : rt;
        const double x = flip * s * rt * std::cos(t * DEG) - h * 5 * k * std::cos(g * DEG);
        const double y = s * r * std::sin(t * DEG) + h * 5 * k * std::sin(g * DEG);
        fontprint(surf, signedtext(i), static_cast<float>(x), static_cast<float>(y), "Arial",
                  scale.numbersize, 400, static_cast<int32_t>(std::nearbyint(g * 10)));
    }
}

}  // namespace quorvel
