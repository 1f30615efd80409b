// The projection of heliographic grid points and the joining of a grid
// line's points, shared by both grids.
#pragma once

#include "overlays.h"

namespace quorvel {


/// Rounds to binary32: the grid stores exactly its numbered results so.
inline float f32(double v) { return static_cast<float>(v); }

/// Orthographic projection of heliographic points. The numbered results are
/// held in binary32 on purpose (the drawn segment starts depend on them);
/// everything between them, the trigonometric functions included, runs in
/// binary64.
class GridProjection {
public:
    GridProjection(double b0, float rot, float radius) : r_(radius) {
        const double b = f32(f32(90 - static_cast<double>(f32(b0 + 90))) * DEG);  // -b0, through binary32 values
        cb_ = f32(std::cos(b));
        sb_ = f32(std::sin(b));
        cr_ = f32(std::cos(rot * DEG));
        sr_ = f32(std::sin(rot * DEG));
    }

    /// Projects latitude phi and longitude l from the central meridian (degrees);
    /// returns whether the point is on the visible hemisphere.
    bool project(float phi, float l, float& x, float& y) const {
        const double phir = f32(phi * DEG);
        const double tphi = f32(std::tan(phir)), sphi = f32(std::sin(phir)), cphi = f32(std::cos(phir));
        const double a = f32(cphi * cb_), b = f32(sb_ * sphi);
        const double lr = f32(l * DEG);
        const double sl = f32(std::sin(lr));
        const double den = f32(std::cos(lr) * sb_ - cb_ * tphi);
        double pa;
        if (den == 0) {
            pa = f32(std::atan2(sl, 0.0));  // +-pi/2, or 0 at the centre
        } else {
            pa = f32(std::atan(f32(sl / den)));
            if (den < 0) pa = f32(pa + HALFTURN);
        }
        const double e = f32(a * std::cos(lr) + b);  // sine of the elevation toward the observer
        double el;
        if (e >= 1) el = f32(HALFTURN * 0.5);  // rounding can reach beyond 1
        else if (e <= -1) el = f32(-HALFTURN * 0.5);
        else el = f32(std::atan(e / std::sqrt(1 - e * e)));
        const double x0 = f32(std::cos(el) * std::cos(pa) * r_);
        const double y0 = f32(std::cos(el) * std::sin(pa) * r_);
        x = f32(x0 * sr_ + y0 * cr_);
        y = f32(y0 * sr_ - x0 * cr_);
        return el >= 0;
    }

private:
    float r_, cb_, sb_, cr_, sr_;
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
                    colour_);
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
