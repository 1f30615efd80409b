#include "overlays.h"

#include "numbertext.h"
#include "scaleframe.h"

namespace quorvel {
namespace {

constexpr int32_t NUMBER_HEIGHT = 12;  // pixels, also used as a size factor in picture units

}  // namespace

void posangscale(Surface& surf, float radius, float angle, int16_t flip, int16_t invert) {
    const ScaleFrame frame(angle, flip, invert);
    const double r1 = 1.03 * radius, r2 = 1.05 * radius;
    for (float i = 0; i <= 359; i += 10) {
        const bool cardinal = i == 0 || i == 90 || i == 180 || i == 270;
        frame.tick(surf, i, cardinal ? radius : r1, r2, cardinal ? BLUE : SCALE_GREY);
    }

    const double rt = r2 + NUMBER_HEIGHT * 16 + 0.01 * radius;
    for (float i = 0; i <= 359; i += 10) {
        const double k = i < 10 ? 1.1 : i < 100 ? 2.4 : 3.0;  // the number of digits
        double g = frame.numberangle(i);
        // Back along the baseline by half the estimated width, so the number centres on its tick.
        const double half = NUMBER_HEIGHT * 5 * k;
        const Point p = frame.at(i, rt);
        const double x = p.x - half * std::cos(g * DEG), y = p.y + half * std::sin(g * DEG);
        if (i == 0 || i == 180) g += 1;
        if (g > 179 && g < 181) g += 1;
        fontprint(surf, signedtext(i), static_cast<float>(x), static_cast<float>(y), SCALE_GREY, "Arial",
                  NUMBER_HEIGHT, 400, static_cast<int32_t>(std::nearbyint(g * 10)));
    }
}

}  // namespace quorvel
