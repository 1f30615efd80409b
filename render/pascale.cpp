#include "graphicsview.h"

#include "numbertext.h"
#include "scaleframe.h"

namespace quorvel {

void pascale(Surface& surf, float radius, float angle, int16_t flip, int16_t invert, const PaScale& scale) {
    const ScaleFrame frame(angle, flip, invert);
    const double r1 = 1.14 * radius, r2 = 1.16 * radius;
    for (float i = 0; i <= 359; i += scale.mark) frame.tick(surf, i, r1, r2, scale.colour);  // all of one length
    const double h = scale.numbersize;
    const double rt = r2 + 16 * h + 0.01 * radius;
    for (float i = 0; i <= 359; i += scale.label) {
        const double k = i < 10 ? 1.4 : i < 100 ? 2.4 : 3.0;  // the number of digits
        const double g = frame.numberangle(i);
        // The top and bottom numbers sit a little closer to the disk.
        const double r = (i == 0 || i == 180) ? rt - 2.4 * h : rt;
        const double x = frame.at(i, rt).x - h * 5 * k * std::cos(g * DEG);
        const double y = frame.at(i, r).y + h * 5 * k * std::sin(g * DEG);
        fontprint(surf, signedtext(i), static_cast<float>(x), static_cast<float>(y), scale.colour, "Arial",
                  scale.numbersize, 400, static_cast<int32_t>(std::nearbyint(g * 10)));
    }
}

}  // namespace quorvel
