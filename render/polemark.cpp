#include <utility>

#include "overlays.h"

namespace quorvel {

void polemark(Surface& s, const ViewMap& v, double r, double reach, double u, double thetaa, double b0,
              const PoleMarkColours& colours) {
    const Point axis = direction(thetaa);  // towards the south end; the north end is -axis
    const Point end = b0 > 0 ? -reach * axis : reach * axis;
    const Point pole = (b0 > 0 ? -r : r) * std::cos(b0 * DEG) * axis;
    const auto [from, to] = b0 > 0 ? std::pair{end, pole} : std::pair{pole, end};
    viewline(s, v, from, to, colours.line);
    s.circle(v.sx(pole.x), v.sy(pole.y), static_cast<float>(0.013 * u), Pen{colours.outline}, NOFILL);
}

void solarequator(Surface& s, const ViewMap& v, double r, float rot, double b0, Colour colour) {
    const double cpsi = std::cos(rot * DEG), spsi = std::sin(rot * DEG);
    const double k = -r * std::sin(b0 * DEG);
    Point prev{r * cpsi, r * spsi};
    for (float i = 2; i <= 180; i += 2) {
        const double a = r * std::cos(i * DEG), b = k * std::sin(i * DEG);
        const Point next{a * cpsi + spsi * b, a * spsi - cpsi * b};
        viewline(s, v, prev, next, colour);
        prev = next;
    }
}

}  // namespace quorvel
