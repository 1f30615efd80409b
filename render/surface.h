// The drawing surface of the picture box: the operations the drawing
// procedures use, in the box's scale units (twips, origin set by setscale,
// x to the right, y downward). Each call carries what it draws with: its pen,
// its fill, its colour; the surface keeps no drawing state between calls.
// No toolkit types here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "colour.h"

namespace quorvel {

/// The outline of a shape: its colour and its width.
struct Pen {
    Colour colour = 0;
    int width = 1;  ///< pixels
};

/// The inside of a closed shape: left alone, or painted in one colour.
struct Fill {
    bool solid = false;
    Colour colour = 0;
};
inline constexpr Fill NOFILL{};
constexpr Fill solidfill(Colour colour) { return Fill{true, colour}; }

/// A logical font as the text procedures ask for it.
struct FontSpec {
    std::string face = "Arial";
    int32_t height = 12;      ///< cell height, pixels
    int32_t weight = 400;     ///< 400 normal, 700 bold, up to 1000
    int32_t escapement = 0;   ///< text angle, tenths of a degree, counter-clockwise
    bool italic = false, underline = false, strikeout = false;
};

/// A point in device pixels, origin at the top-left of the box.
struct PixelPoint {
    int32_t x = 0, y = 0;
};

class Surface {
public:
    virtual ~Surface() = default;

    /// Outer size of the box, twips.
    virtual float width() const = 0;
    virtual float height() const = 0;
    /// Twips per device pixel (15 at 96 dpi).
    virtual double twipsperpixel() const = 0;

    /// Sets ScaleLeft and ScaleTop: the scale coordinate of the box's top-left corner.
    virtual void setscale(float left, float top) = 0;
    /// Clears the whole box to background.
    virtual void cls(Colour background) = 0;
    /// A straight line.
    virtual void line(float x1, float y1, float x2, float y2, Pen pen) = 0;
    /// A full circle: its inside filled, then its outline.
    virtual void circle(float x, float y, float r, Pen pen, Fill fill) = 0;
    /// Text in colour with the top-left corner of its first character cell
    /// at (x, y), turned about that corner.
    virtual void print(const std::string& text, float x, float y, Colour colour, const FontSpec& font) = 0;
    /// A polygon through device pixels, filled by the even-odd rule, then edged.
    virtual void polygon(const std::vector<PixelPoint>& points, Pen pen, Fill fill) = 0;
    /// Lets the window process its pending events.
    virtual void doevents() = 0;
};

}  // namespace quorvel
