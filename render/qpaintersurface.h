// The surface drawn with QPainter, on any paint device: the backing image of
// a window's picture box, a PNG image, an SVG drawing, a PDF page, a printer.
//
// Every output draws in logical pixels (the box's twips over its twips per
// pixel) and differs only in its device transform: an image at a device
// pixel ratio gets it from Qt, a page gets devicescale device units per
// logical pixel (its dots per inch over 96).
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPaintDevice>
#include <QSize>
#include <functional>
#include <memory>
#include <vector>

#include "surface.h"

namespace quorvel {

/// The background of the picture box, where nothing is drawn: white.
inline const QColor PICTURE_BACKGROUND(255, 255, 255);

QColor qcolour(Colour c);

class QPainterSurface : public Surface {
public:
    /// Draws on device a box of sizetwips at twipsperpixel twips a logical
    /// pixel; devicescale device units make a logical pixel (beyond the
    /// device's own pixel ratio).
    ///
    /// Notes:
    /// 1. On a raster device (an image) lines and circle outlines are drawn
    ///    without smoothing, horizontal and vertical ones centred on device
    ///    pixels, so that each drawn pixel has the line's exact colour; text
    ///    and filled areas are smoothed. Vector devices get smooth shapes.
    /// 2. A "1 pixel" line is one logical pixel wide: two device pixels at a
    ///    ratio of 2, 0.26 mm on a page.
    QPainterSurface(QPaintDevice& device, QSizeF sizetwips, double twipsperpixel, double devicescale = 1);
    ~QPainterSurface() override;

    /// Draws on another device from now on (the drawing state stays); the box
    /// lies at offset logical pixels in it.
    void retarget(QPaintDevice& device, QSizeF sizetwips, QPointF offset = {});
    /// What cls clears besides the box, logical pixels (a picture's margins).
    void setclearrect(QRectF logical) { clearrect_ = logical; }

    float width() const override { return static_cast<float>(twips_.width()); }
    float height() const override { return static_cast<float>(twips_.height()); }
    double twipsperpixel() const override { return tpp_; }
    void setscale(float left, float top) override;
    void cls(Colour background) override;
    void line(float x1, float y1, float x2, float y2, Pen pen) override;
    void circle(float x, float y, float r, Pen pen, Fill fill) override;
    void print(const std::string& text, float x, float y, Colour colour, const FontSpec& font) override;
    void polygon(const std::vector<PixelPoint>& points, Pen pen, Fill fill) override;
    void doevents() override;

    /// Ends the painting so the device can be read; the next operation resumes it.
    void finish();
    /// Called by doevents: the window lets its events run (it calls finish first).
    std::function<void()> onevents;
    /// Called by cls before it clears, so that the device can fit the box again.
    std::function<void()> beforeclear;
    /// The colour the last cls cleared to (the background before any).
    QColor cleared() const { return cleared_; }

private:
    struct CachedFont {
        FontSpec wanted;
        QFont font;
        double ascent = 0;
    };
    QPainter& painter();
    const CachedFont& cachedfont(const FontSpec& wanted);
    void flushlines();
    QPointF topixels(float x, float y) const;
    QLineF crisp(QLineF l) const;
    QPen qpen(Pen pen) const;
    bool raster() const;

    QPaintDevice* device_;
    QSizeF twips_;
    double tpp_;
    double devicescale_;
    QColor cleared_ = PICTURE_BACKGROUND;
    QPointF offset_;    ///< where the box lies on the device, logical pixels
    QRectF clearrect_;  ///< cleared with the box
    float scaleleft_ = 0, scaletop_ = 0;
    std::unique_ptr<QPainter> painter_;
    std::vector<CachedFont> fonts_;
    // Consecutive lines of one pen are drawn together.
    std::vector<QLineF> pendinglines_;
    Pen pendingpen_;
};

/// The font that fills a character cell height pixels high (ascent and
/// descent together), as the text procedures ask for it.
QFont cellfont(const FontSpec& wanted);

/// Logical pixels that hold a box of sizetwips: whole pixels, rounded up.
QSize pixelsof(QSizeF sizetwips, double twipsperpixel);

/// An image of logical pixels at a device pixel ratio, its resolution
/// saying so (96 dots per inch times the ratio); null when it cannot be made.
QImage ratioimage(QSize logical, double ratio, QColor fill = PICTURE_BACKGROUND);

/// The picture box's persistent backing image and its surface: the picture
/// survives covering, repaints and resizes; a paint handler only blits it.
class PictureImage {
public:
    /// ratio: the screen's device pixel ratio.
    PictureImage(QSizeF sizetwips, double twipsperpixel, double ratio = 1);
    /// A new size of the box keeps the whole drawing, centred in the box: a
    /// larger box widens the image with the background last cleared to, a
    /// smaller one shows its middle. The surface stays the same object, so a
    /// redraw in progress goes on. The next clearing fits the image to the box.
    void resize(QSizeF sizetwips);
    QPainterSurface& surface() { return surface_; }
    /// The whole drawing, with all drawing so far applied, at the screen's ratio.
    const QImage& image();
    /// The part of the image the box shows, logical pixels of the image.
    QRect shown() const;

private:
    void fit(QSize logical, bool keep);
    QImage image_;
    double tpp_;
    double ratio_;
    QSize box_;  ///< the box, logical pixels
    QPainterSurface surface_;
};

}  // namespace quorvel
