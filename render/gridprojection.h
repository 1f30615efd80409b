// The projection of heliographic grid points and the joining of a grid
// line's points, shared by both grids.
#pragma once

#include "overlays.h"

namespace quorvel {


inline float f32(double v) { return static_cast<float>(v); }

/// Orthographic projection of heliographic points; every intermediate is binary32.
class GridProjection {
public:
    GridProjection(double b0, float rot, float radius) : r_(radius) {
        float b = f32(90 - static_cast<double>(f32(b0 + 90)));  // -b0, through binary32 values
        b = f32(b * DEG);
        cb_ = f32(std::cos(b));
        sb_ = f32(std::sin(b));
        cr_ = f32(std::cos(rot * DEG));
        sr_ = f32(std::sin(rot * DEG));
    }

    /// Projects latitude phi and longitude l from the central meridian (degrees);
    /// returns whether the point is on the visible hemisphere.
    bool project(float phi, float l, float& x, float& y) const {
        const float phir = f32(phi * DEG);
        const float tphi = f32(std::tan(phir)), sphi = f32(std::sin(phir)), cphi = f32(std::cos(phir));
        const float a = f32(static_cast<double>(cphi) * cb_), b = f32(static_cast<double>(sb_) * sphi);
        const float lr = f32(l * DEG);
        const float sl = f32(std::sin(lr));
        const float den = f32(std::cos(lr) * sb_ - static_cast<double>(cb_) * tphi);
        float pa;
        if (den == 0) {
            pa = f32(std::atan2(static_cast<double>(sl), 0.0));  // +-pi/2, or 0 at the centre
        } else {
            pa = f32(std::atan(static_cast<double>(f32(static_cast<double>(sl) / den))));
            if (den < 0) pa = f32(pa + HALFTURN);
        }
        const float e = f32(a * std::cos(lr) + b);  // sine of the elevation toward the observer
        float el;
        if (e >= 1) el = f32(HALFTURN * 0.5);  // rounding can reach beyond 1
        else if (e <= -1) el = f32(-HALFTURN * 0.5);
        else el = f32(std::atan(e / std::sqrt(1 - static_cast<double>(e) * e)));
        const float x0 = f32(std::cos(el) * std::cos(pa) * r_);
        const float y0 = f32(std::cos(el) * std::sin(pa) * r_);
        x = f32(static_cast<double>(x0) * sr_ + static_cast<double>(y0) * cr_);
        y = f32(static_cast<double>(y0) * sr_ - static_cast<double>(x0) * cr_);
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
