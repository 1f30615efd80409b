// The frame of a position-angle scale, shared by both views' scales: where a
// position angle lies around the disk and how its number is turned.
#pragma once

#include <cmath>
#include <cstdint>

#include "angleconst.h"
#include "surface.h"
#include "viewmap.h"

namespace quorvel {

class ScaleFrame {
public:
    /// angle: the parallactic angle the scale turns by on an alt-azimuth
    /// mount (0 otherwise); flip and invert as the view sets them.
    ScaleFrame(float angle, int16_t flip, int16_t invert)
        : angle_(angle), flip_(flip), s_(invert == 0 ? 1 : -1) {}

    /// The point at distance r from the centre toward position angle pa.
    Point at(float pa, double r) const {
        const double t = direction(pa);
        return Point{flip_ * s_ * r * std::cos(t * DEG), s_ * r * std::sin(t * DEG)};
    }

    /// A tick along position angle pa from distance r1 to r2.
    void tick(Surface& surf, float pa, double r1, double r2, Colour colour) const {
        const Point a = at(pa, r1), b = at(pa, r2);
        surf.line(static_cast<float>(a.x), static_cast<float>(a.y), static_cast<float>(b.x),
                  static_cast<float>(b.y), Pen{colour});
    }

    /// The text angle of the number of position angle pa, degrees counter-clockwise.
    double numberangle(float pa) const {
        double g = pa - static_cast<double>(angle_);
        if (flip_ == 1) g = -g;
        if (s_ == -1) g += 180;
        return g;
    }

private:
    /// The drawing direction of position angle pa, degrees.
    double direction(float pa) const { return pa - 90 - static_cast<double>(angle_); }

    float angle_;
    int16_t flip_;
    int s_;
};

}  // namespace quorvel
