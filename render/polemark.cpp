#include <utility>

#include "overlays.h"

namespace quorvel {

void polemark(Surface& s, const ViewMap& v, double r, double u, double thetaa, double b0, Colour colour) {
    const Point axis = direction(thetaa);  // towards the south end; the north end is -axis
    const Point limb = b0 > 0 ? -r * axis : r * axis;
    const Point pole = (b0 > 0 ? -r : r) * std::cos(b0 * DEG) * axis;
    // North: from the limb in to the pole; south: from the pole out to the limb.
    const auto [from, to] = b0 > 0 ? std::pair{limb, pole} : std::pair{pole, limb};
    s.line(v.sx(from.x), v.sy(from.y), v.sx(to.x), v.sy(to.y), colour);
    s.fillcolour = colour;
    s.circle(v.sx(pole.x), v.sy(pole.y), static_cast<float>(0.013 * u), colour);
}

void solarequator(Surface& s, const ViewMap& v, double r, float rot, double b0, Colour colour) {
    const double cpsi = std::cos(rot * DEG), spsi = std::sin(rot * DEG);
    const double k = -r * std::sin(b0 * DEG);
    Point prev{r * cpsi, r * spsi};
    for (float i = 2; i <= 180; i += 2) {
        const double a = r * std::cos(i * DEG), b = k * std::sin(i * DEG);
        const Point next{a * cpsi + spsi * b, a * spsi - cpsi * b};
        s.line(v.sx(prev.x), v.sy(prev.y), v.sx(next.x), v.sy(next.y), colour);
        prev = next;
    }
}

}  // namespace quorvel
