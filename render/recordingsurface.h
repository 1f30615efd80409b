// A surface that records every operation, for tests that check geometry
// without a display.
#pragma once

#include <string>
#include <vector>

#include "surface.h"

namespace quorvel {

struct RecordedOp {
    enum Kind { cls, line, circle, print, polygon, doevents } kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  ///< line ends; circle centre in x1, y1 and radius in x2
    Colour colour = 0;
    Colour fillcolour = 0;
    FillStyle fillstyle = FillStyle::transparent;
    int drawwidth = 1;
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
    void setscale(float left, float top) override { scaleleft = left, scaletop = top; }
    void cls() override;
    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void circle(float x, float y, float r, Colour colour) override;
    void print(const std::string& text, const FontSpec& font) override;
    void polygon(const std::vector<PixelPoint>& points) override;
    void doevents() override;

    /// The operations of one kind, in order.
    std::vector<RecordedOp> ofkind(RecordedOp::Kind kind) const;
    /// One line of text per operation ("line 0 -100 0 -105 #0000ff w1").
    std::string log() const;

    std::vector<RecordedOp> ops;
    float scaleleft = 0, scaletop = 0;

private:
    RecordedOp base(RecordedOp::Kind kind, Colour colour) const;
    float width_, height_;
    double tpp_;
};

}  // namespace quorvel
