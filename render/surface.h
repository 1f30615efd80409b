// The drawing surface of the picture box: the operations the drawing
// procedures use, in the box's scale units (twips, origin set by setscale,
// x to the right, y downward). No toolkit types here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "colour.h"

namespace quorvel {

enum class FillStyle { solid = 0, transparent = 1 };

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
    /// Clears the whole box to its background.
    virtual void cls() = 0;
    /// A straight line, drawwidth pixels wide.
    virtual void line(float x1, float y1, float x2, float y2, Colour colour) = 0;
    /// A full circle outlined in colour; filled with fillcolour when the fill style is solid.
    virtual void circle(float x, float y, float r, Colour colour) = 0;
    /// Text with the top-left corner of its first character cell at
    /// (currentx, currenty), in forecolour, turned about that corner.
    virtual void print(const std::string& text, const FontSpec& font) = 0;
    /// A polygon through device pixels, filled with fillcolour by the
    /// even-odd rule and edged with a drawwidth pen in forecolour.
    virtual void polygon(const std::vector<PixelPoint>& points) = 0;
    /// Lets the window process its pending events.
    virtual void doevents() = 0;

    // Drawing state, as the picture box keeps it.
    Colour backcolour = rgb(255, 255, 255);  ///< what cls clears to
    Colour forecolour = 0;
    Colour fillcolour = 0;
    FillStyle fillstyle = FillStyle::transparent;
    int drawwidth = 1;  ///< pixels
    float currentx = 0, currenty = 0;
    bool fontbold = false;
};

}  // namespace quorvel
