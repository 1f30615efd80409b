#include "overlays.h"

#include <vector>

#include "sphereprojection.h"

namespace quorvel {
namespace {

/// The arrows' projection, in binary64. Its latitude and longitude run
/// opposite to the grid's (north and west positive).
class ArrowProjection {
public:
    explicit ArrowProjection(const SunState& sun) : sphere_(-sun.b0 * DEG, sun.rot, sun.radius) {}
    bool project(double phi, double l, Point& p) const { return sphere_.project(-phi, -l, p.x, p.y); }

private:
    SphereProjection<double> sphere_;
};

/// One pass over the outline: stores the points, and in the drawing pass
/// joins them with lines as the arrow's outline.
class OutlinePass {
public:
    OutlinePass(Surface& s, const ViewMap& v, const ArrowProjection& proj, bool drawing,
                Colour linecolour, ArrowPoints& pts)
        : s_(s), v_(v), proj_(proj), drawing_(drawing), colour_(linecolour), pts_(pts) {}

    /// A point of a run; joined to the previous point when join is true.
    void point(double phi, double l, bool store, bool join) {
        Point p;
        const bool visible = proj_.project(phi, l, p);
        const PixelPoint mapped{mul16(mul16(roundint16(p.x), v_.flip), v_.invsign),
                                mul16(roundint16(p.y), v_.invsign)};
        if (drawing_ && join && visible)
            s_.line(static_cast<float>(prev_.x), static_cast<float>(prev_.y), v_.sx(p.x), v_.sy(p.y), Pen{colour_});
        if (visible) s_.doevents();
        if (store) {
            // A shape of more than the array's points leaves the rest out.
            if (count_ < pts_.size()) pts_[count_] = mapped;
            ++count_;
        }
        prev_ = mapped;
    }
    /// A point joined to the previous one and otherwise forgotten: the
    /// previous point stays what it was.
    void spoke(double phi, double l) {
        Point p;
        const bool visible = proj_.project(phi, l, p);
        if (drawing_ && visible)
            s_.line(v_.sx(p.x), v_.sy(p.y), static_cast<float>(prev_.x), static_cast<float>(prev_.y), Pen{colour_});
        if (visible) s_.doevents();
    }
    size_t stored() const { return std::min(count_, pts_.size()); }

private:
    Surface& s_;
    const ViewMap& v_;
    const ArrowProjection& proj_;
    bool drawing_;
    Colour colour_;
    ArrowPoints& pts_;
    size_t count_ = 0;
    PixelPoint prev_{};
};

void outline(OutlinePass& pass, const ArrowShape& a) {
    const float base = a.centre + a.halflen - a.headlen, tip = a.centre + a.halflen;
    const float tail = a.centre - a.halflen;
    bool first = true;
    for (float l = tail; l <= base; l += 0.5f, first = false)  // A: lower edge of the shaft
        pass.point(a.lat - a.shaftw, l, true, !first);
    first = true;
    for (float phi = a.lat + a.shaftw; phi <= a.lat + a.headw; phi += 0.25f, first = false)  // B
        pass.point(phi, base, true, !first);
    pass.point(a.lat + a.headw, base, false, false);  // C: upper barb, then the tip
    pass.point(a.lat, tip, true, true);
    pass.spoke(a.lat - a.headw, base);  // D: lower barb to the tip
    for (float phi = a.lat - a.headw; phi <= a.lat - a.shaftw; phi += 0.25f)  // E, its first from the tip
        pass.point(phi, base, true, true);
    first = true;
    for (float l = base; l >= tail; l -= 0.5f, first = false)  // F: upper edge, back to the tail
        pass.point(a.lat + a.shaftw, l, true, !first);
    for (float phi = a.lat - a.shaftw; phi <= a.lat + a.shaftw; phi += 0.25f)  // G: the tail end
        pass.point(phi, tail, true, true);
}

}  // namespace

size_t rotarrow(Surface& s, const ViewMap& v, const SunState& sun, const ArrowShape& shape,
                ArrowPoints& arrowpts) {
    const ArrowProjection proj(sun);
    OutlinePass fill(s, v, proj, false, shape.linecolour, arrowpts);
    outline(fill, shape);

    const double t = s.twipsperpixel();
    const double cx = s.width() / 2 / t, cy = s.height() / 2 / t;
    std::vector<PixelPoint> pixels;
    for (size_t i = 0; i < fill.stored(); ++i)
        pixels.push_back({static_cast<int32_t>(std::nearbyint(arrowpts[i].x / t + cx)),
                          static_cast<int32_t>(std::nearbyint(arrowpts[i].y / t + cy))});
    s.polygon(pixels, Pen{shape.fillcolour, shape.penwidth}, solidfill(shape.fillcolour));

    OutlinePass draw(s, v, proj, true, shape.linecolour, arrowpts);
    outline(draw, shape);
    return draw.stored();
}

}  // namespace quorvel
