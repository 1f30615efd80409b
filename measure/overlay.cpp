#include "overlay.h"

#include <QBuffer>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>

#include "graphicsview.h"
#include "messagetext.h"
#include "qpaintersurface.h"

namespace quorvel {
namespace {

/// Bytes kept free for Qt's own small allocations while it draws: it does not
/// survive one that fails, so the drawing is not begun without them.
constexpr size_t DRAWING_HEADROOM = size_t{32} << 20;


constexpr double TPP = 15;                // picture units (twips) a logical pixel
constexpr double LARGEST_DRAWN_RADIUS = 400;  // logical pixels of a saved image's disk
constexpr int32_t TEXT_HEIGHT = 12;       // pixels: scale numbers and spot numbers
constexpr double SPOT_MARK = 6;           // pixels: radius of a spot's ring
constexpr double LETTERS_BEYOND = 37;     // pixels from 1.17 R, where the scale's numbers end, to a letter's centre
constexpr double CHARACTER_WIDTH = 0.7;   // of a text's cell height, a character at most (a bold capital)
constexpr double TEXT_MARGIN = 0.25;      // of a text's cell height, kept free around it
constexpr double NEAREST_TEXT = 0.6;      // of the disk's radius: a text moved in stays at least this far out
constexpr double RADIANS = 3.141592653589793 / 180;

/// A surface that hands every call on to another; those below change some.
class Forwarding : public Surface {
public:
    explicit Forwarding(Surface& s) : s_(s) {}
    float width() const override { return s_.width(); }
    float height() const override { return s_.height(); }
    double twipsperpixel() const override { return s_.twipsperpixel(); }
    void setscale(float left, float top) override { s_.setscale(left, top); }
    void cls(Colour background) override { s_.cls(background); }
    void line(float x1, float y1, float x2, float y2, Pen pen) override { s_.line(x1, y1, x2, y2, pen); }
    void circle(float x, float y, float r, Pen pen, Fill fill) override { s_.circle(x, y, r, pen, fill); }
    void print(const std::string& text, float x, float y, Colour colour, const FontSpec& font) override {
        s_.print(text, x, y, colour, font);
    }
    void polygon(const std::vector<PixelPoint>& points, Pen pen, Fill fill) override { s_.polygon(points, pen, fill); }
    void doevents() override { s_.doevents(); }

protected:
    Surface& s_;
};

/// A surface seen through the true projection: each point of the disk drawn
/// at its orthographic distance sin(theta) from the centre is moved to where
/// an observer at the frame's distance sees it.
class TrueDistance : public Forwarding {
public:
    TrueDistance(Surface& s, double radius, double sunradiusdeg)
        : Forwarding(s), r_(radius), srad_(sunradiusdeg * RADIANS) {}
    void line(float x1, float y1, float x2, float y2, Pen pen) override {
        moved(x1, y1), moved(x2, y2);
        s_.line(x1, y1, x2, y2, pen);
    }
    void circle(float x, float y, float r, Pen pen, Fill fill) override {
        moved(x, y);
        s_.circle(x, y, r, pen, fill);
    }

private:
    void moved(float& x, float& y) const {
        const double rho = std::hypot(x, y) / r_;
        if (!(rho > 0 && rho <= 1)) return;
        const double k = projectedrho(std::asin(rho), srad_) / rho;
        x = static_cast<float>(x * k), y = static_cast<float>(y * k);
    }
    double r_, srad_;
};

/// A surface that moves each text towards the disk's centre, the origin,
/// until the whole text lies inside the frame (picture units), so that the
/// scale's numbers and the letters of a disk that fills the image stay in
/// sight. A text is left where it is when that would bring it within
/// NEAREST_TEXT of the disk's radius from the centre (a view zoomed onto part of the disk).
class InsideFrame : public Forwarding {
public:
    InsideFrame(Surface& s, const QRectF& frame, double radius) : Forwarding(s), frame_(frame), r_(radius) {}
    void print(const std::string& text, float x, float y, Colour colour, const FontSpec& font) override {
        const double h = font.height * TPP, w = CHARACTER_WIDTH * h * static_cast<double>(text.size()),
                     margin = TEXT_MARGIN * h;
        const double a = font.escapement / 10.0 * RADIANS, c = std::cos(a), s = std::sin(a);
        // The text's centre, the text turned counterclockwise about its top-left corner (y down).
        const double mx = x + w / 2 * c + h / 2 * s, my = y - w / 2 * s + h / 2 * c;
        const double k = inward(mx, my, (std::fabs(w * c) + std::fabs(h * s)) / 2 + margin,
                                (std::fabs(w * s) + std::fabs(h * c)) / 2 + margin);
        s_.print(text, static_cast<float>(x + mx * (k - 1)), static_cast<float>(y + my * (k - 1)), colour, font);
    }

private:
    /// The largest k in (0, 1] that brings a box of half sides hx, hy about
    /// (k mx, k my) inside the frame; 1 when none does, or only nearer the centre than NEAREST_TEXT.
    double inward(double mx, double my, double hx, double hy) const {
        double k = 1;
        const auto limit = [&k](double m, double half, double low, double high) {
            if (m + half > high && m > 0) k = std::min(k, (high - half) / m);
            if (m - half < low && m < 0) k = std::min(k, (low + half) / m);
        };
        limit(mx, hx, frame_.left(), frame_.right());
        limit(my, hy, frame_.top(), frame_.bottom());
        return k > 0 && k * std::hypot(mx, my) >= NEAREST_TEXT * r_ ? k : 1;
    }
    QRectF frame_;
    double r_;
};

/// The elements of the disk, in picture units around its centre; those on
/// the sphere seen from where the Sun's angular radius is sunradiusdeg; the
/// texts within frame.
void diskelements(Surface& s, const SunState& sun, const ViewOpts& view, double sunradiusdeg, const OverlayOpts& o,
                  const QRectF& frame) {
    const ViewMap v{view.flip, view.invsign};
    const StyleOpts& c = o.colours;
    const float r = sun.radius, angle = sun.gamma;  // view.altaz is 1
    TrueDistance sphere(s, r, sunradiusdeg);
    if (o.grid) gridgraphic(sphere, v, sun, o.gridinterval, false, c.equatorcolour, c.gridcolour);
    if (o.equator) solarequator(sphere, v, r, sun.rot, sun.b0, c.equatorcolour);
    if (o.axis) {
        const double thetaa = 90 - static_cast<double>(angle) + sun.p;
        polemark(sphere, v, r, r, r / 1.5, thetaa, sun.b0, {c.axiscolour, c.axiscolour});  // u = r / 1.5
        for (double end : {-1.0, 1.0}) {  // the axis beyond both poles
            const Point a = end * r * direction(thetaa), b = 1.1 * a;
            viewline(s, v, a, b, c.axiscolour);
        }
    }
    if (o.limb) s.circle(0, 0, r, Pen{c.limbcolour}, NOFILL);
    InsideFrame inside(s, frame, r);
    if (o.scale) pascale(inside, r, angle, view.flip, view.invert, PaScale{10.0f, 30.0f, TEXT_HEIGHT, c.pacolour});
    if (o.letters) {  // compass puts them at 1.28 of its radius: here just beyond the scale's numbers
        const double centre = 1.17 * r + LETTERS_BEYOND * TPP;
        compass(inside, static_cast<float>(centre / 1.28), angle, view.flip, view.invert, c.pacolour, "NE", o.lettertexts);
    }
}

/// A ring and the number of each spot; rel maps an image point to picture units.
void spotmarks(Surface& s, const std::vector<SpotRow>& spots, const ImageFrame& f, double zoom, Colour colour) {
    for (const SpotRow& row : spots) {
        const auto x = static_cast<float>((row.x - f.cx) * zoom * TPP), y = static_cast<float>((row.y - f.cy) * zoom * TPP);
        s.circle(x, y, static_cast<float>(SPOT_MARK * TPP), Pen{colour}, NOFILL);
        fontprint(s, std::to_string(row.number), x + static_cast<float>(SPOT_MARK * TPP),
                  y - static_cast<float>(2 * SPOT_MARK * TPP), colour, "Arial", TEXT_HEIGHT, 700, 0);
    }
}

}  // namespace

StyleOpts overlaycolours() {
    StyleOpts c;
    c.gridcolour = rgb(0, 190, 255);
    c.equatorcolour = rgb(255, 60, 60);
    c.axiscolour = rgb(255, 60, 60);
    c.limbcolour = rgb(255, 220, 0);
    c.pacolour = rgb(255, 220, 0);
    c.arrowcolour = rgb(0, 255, 0);
    return c;
}

bool drawoverlay(QImage& target, const ImageFrame& f, const Placement& at, const OverlayOpts& o,
                 const std::vector<SpotRow>& spots) {
    const double dpr = target.devicePixelRatio();
    QImage layer(target.size(), QImage::Format_ARGB32_Premultiplied);
    if (layer.isNull() || !std::unique_ptr<char[]>(new (std::nothrow) char[DRAWING_HEADROOM])) return false;
    layer.setDevicePixelRatio(dpr);
    layer.fill(Qt::transparent);
    {
        QPainterSurface s(layer, QSizeF(target.width() / dpr * TPP, target.height() / dpr * TPP), TPP);
        const auto left = static_cast<float>(-((f.cx + 0.5) * at.zoom + at.ox) * TPP),
                   top = static_cast<float>(-((f.cy + 0.5) * at.zoom + at.oy) * TPP);
        s.setscale(left, top);
        SunState sun = f.sun;
        sun.radius = static_cast<float>(f.sun.radius * at.zoom * TPP);
        if (sun.radius > 0) diskelements(s, sun, f.view, f.sunradiusdeg, o, QRectF(left, top, s.width(), s.height()));
        if (o.spots) spotmarks(s, spots, f, at.zoom, o.colours.arrowcolour);
        s.finish();
    }
    QPainter p(&target);
    p.setOpacity(std::clamp(o.opacity, 0.0, 1.0));
    p.drawImage(QPointF(0, 0), layer);
    return true;
}

namespace {

/// The picture in 32-bit colour, converted a row at a time: Qt converts a
/// large image in threads of its pool, and waits for ever where there is no
/// memory left to start one. A null image where there is no memory for it.
QImage colour32(const QImage& picture) {
    QImage out(picture.size(), QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        const QImage row = picture.copy(0, y, picture.width(), 1).convertToFormat(QImage::Format_RGB32);
        if (row.isNull()) return {};
        std::memcpy(out.scanLine(y), row.constScanLine(0), static_cast<size_t>(out.width()) * 4);
    }
    return out;
}

}  // namespace

QImage annotatedimage(const QImage& picture, const ImageFrame& f, const OverlayOpts& o,
                      const std::vector<SpotRow>& spots) {
    QImage out = colour32(picture);
    if (out.isNull()) return out;
    const double k = std::max(1.0, f.sun.radius / LARGEST_DRAWN_RADIUS);  // image pixels a logical pixel
    out.setDevicePixelRatio(k);
    if (!drawoverlay(out, f, Placement{1 / k, 0, 0}, o, spots)) return {};
    out.setDevicePixelRatio(1);
    return out;
}

Outcome pngbytes(const QImage& annotated, QByteArray& data) {
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (annotated.isNull() || !annotated.save(&buffer, "PNG"))
        return Outcome::input(MESSAGE_TEXT("Message", "The annotated image could not be made: not enough memory for this image."));
    return Outcome::ok();
}

}  // namespace quorvel
