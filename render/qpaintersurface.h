// The surface drawn with QPainter: on a backing image for the windows, or on
// any paint device (an SVG generator) for export.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPaintDevice>
#include <QSize>
#include <functional>
#include <memory>
#include <vector>
#include <QFont>
#include <QLineF>

#include "surface.h"

namespace quorvel {

/// The background of the picture box, where nothing is drawn: white.
inline const QColor PICTURE_BACKGROUND(255, 255, 255);

QColor qcolour(Colour c);

class QPainterSurface : public Surface {
public:
    /// Draws on device, a box of sizetwips at twipsperpixel twips a device pixel.
    QPainterSurface(QPaintDevice& device, QSizeF sizetwips, double twipsperpixel,
                    QColor background = PICTURE_BACKGROUND);
    ~QPainterSurface() override;

    /// Draws on another device from now on (the drawing state stays).
    void retarget(QPaintDevice& device, QSizeF sizetwips);

    float width() const override { return static_cast<float>(twips_.width()); }
    float height() const override { return static_cast<float>(twips_.height()); }
    double twipsperpixel() const override { return tpp_; }
    void setscale(float left, float top) override;
    void cls() override;
    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void circle(float x, float y, float r, Colour colour) override;
    void print(const std::string& text, const FontSpec& font) override;
    void polygon(const std::vector<PixelPoint>& points) override;
    void doevents() override;

    /// Ends the painting so the device can be read; the next operation resumes it.
    void finish();
    /// Called by doevents once the painting is finished (the window lets its events run).
    std::function<void()> onevents;

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
    QPen pen(Colour colour) const;

    QPaintDevice* device_;
    QSizeF twips_;
    double tpp_;
    QColor background_;
    float scaleleft_ = 0, scaletop_ = 0;
    std::unique_ptr<QPainter> painter_;
    std::vector<CachedFont> fonts_;
    // Consecutive lines of one pen are drawn together.
    std::vector<QLineF> pendinglines_;
    Colour pendingcolour_ = 0;
    int pendingwidth_ = 1;
};

/// Device pixels that hold a box of sizetwips: whole pixels, rounded up.
QSize pixelsof(QSizeF sizetwips, double twipsperpixel);

/// The picture box's persistent backing image and its surface: the picture
/// survives covering and repaints; a paint handler only blits it.
class PictureImage {
public:
    PictureImage(QSizeF sizetwips, double twipsperpixel);
    /// A new size keeps the picture drawn so far at the top-left corner; the
    /// surface stays the same object, so a redraw in progress goes on.
    void resize(QSizeF sizetwips);
    QPainterSurface& surface() { return surface_; }
    /// The image, with all drawing so far applied.
    const QImage& image();

private:
    QImage image_;
    double tpp_;
    QPainterSurface surface_;
};

}  // namespace quorvel
