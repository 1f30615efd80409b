// A surface that records every operation, for tests that check geometry
// without a display.
#pragma once

#include <string>
#include <vector>

#include "surface.h"

namespace quorvel {

struct RecordedOp {
    enum Kind { setscale, cls, line, circle, print, polygon, doevents } kind;
    explicit RecordedOp(Kind k) : kind(k) {}
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  ///< line ends; circle centre in x1, y1 and radius in x2; scale left, top
    Colour colour = 0;  ///< pen colour, text colour, or the colour cls clears to
    int width = 1;      ///< pen width, pixels
    Fill fill;
    std::string text;
    FontSpec font;
    std::vector<PixelPoint> points;
};

class RecordingSurface : public Surface {
public:
    RecordingSurface(float widthtwips, float heighttwips, double twipsperpixel = 15)
        : width_(widthtwips), height_(heighttwips), tpp_(twipsperpixel) {}

    float width() const override { return width_; }
    float height() const override { return height_; }
    double twipsperpixel() const override { return tpp_; }
    void setscale(float left, float top) override;
    void cls(Colour background) override { ops.emplace_back(RecordedOp::cls).colour = background; }
    void line(float x1, float y1, float x2, float y2, Pen pen) override;
    void circle(float x, float y, float r, Pen pen, Fill fill) override;
    void print(const std::string& text, float x, float y, Colour colour, const FontSpec& font) override;
    void polygon(const std::vector<PixelPoint>& points, Pen pen, Fill fill) override;
    void doevents() override { ops.emplace_back(RecordedOp::doevents); }

    /// The operations of one kind, in order.
    std::vector<RecordedOp> ofkind(RecordedOp::Kind kind) const;
    /// The whole redraw as text: one line per operation with all its
    /// arguments ("line 0 -3750 0 -3937.5 #0000ff"), coordinates to 9
    /// significant digits, colours as #rrggbb, polygons with every point, and
    /// a "state" line before an operation whenever the fill, the pen width or
    /// the background its call carries differs from the last ones given.
    std::string log() const;

    std::vector<RecordedOp> ops;
    float scaleleft = 0, scaletop = 0;

private:
    float width_, height_;
    double tpp_;
};

}  // namespace quorvel
