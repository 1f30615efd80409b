#include "overlays.h"

namespace quorvel {

void driftarrow(Surface& s, const ViewMap& v, double u, double angle) {
    const double theta = 180 - angle;
    const double c = 0.26 * u;  // barb length
    const Point plus = c * direction(theta + 45), minus = c * direction(theta - 45);
    const Point head = 2.275 * u * direction(theta);
    const Point tail = -2.065 * u * direction(theta);
    auto line = [&](Point a, Point b) { viewline(s, v, a, b, GREY); };
    line(head - plus, head);
    line(head - minus, head);
    // The tail's barbs point the same way as the head's: a notch.
    line(tail - plus, tail);
    line(tail - minus, tail);
    line(head - minus, tail - minus);
    line(head - plus, tail - plus);
}

}  // namespace quorvel
