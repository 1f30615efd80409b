// The projection of heliographic grid points and the joining of a grid
// line's points, shared by both grids.
#pragma once

#include "overlays.h"
#include "sphereprojection.h"

namespace quorvel {

/// The grids' projection: binary32 results, set up from B0 through binary32 values.
class GridProjection : public SphereProjection<float> {
public:
    GridProjection(double b0, float rot, float radius) : SphereProjection(tilt(b0), rot, radius) {}

private:
    /// -b0 in radians, each step held in binary32.
    static float tilt(double b0) {
        const float b = static_cast<float>(90 - static_cast<double>(static_cast<float>(b0 + 90)));
        return static_cast<float>(b * DEG);
    }
};

/// Draws one grid line point by point: a segment from the previous point,
/// rounded to whole units, to every visible point but the first.
class GridLine {
public:
    GridLine(Surface& s, const ViewMap& v) : s_(s), v_(v) {}
    /// Starts a line: its first point starts no segment.
    void start(Colour colour) {
        colour_ = colour;
        hasprev_ = false;
    }
    void point(const GridProjection& proj, float phi, float l) {
        float x, y;
        if (proj.project(phi, l, x, y) && hasprev_) {
            s_.line(mul16(mul16(px_, v_.flip), v_.invsign), mul16(py_, v_.invsign), v_.sx(x), v_.sy(y),
                    Pen{colour_});
            s_.doevents();
        }
        px_ = roundint16(x);
        py_ = roundint16(y);
        hasprev_ = true;
    }

private:
    Surface& s_;
    const ViewMap& v_;
    Colour colour_ = 0;
    int16_t px_ = 0, py_ = 0;
    bool hasprev_ = false;
};

}  // namespace quorvel
