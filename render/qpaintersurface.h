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

    /// Draws on another device from now on (the drawing state stays); the box
    /// lies at offset device pixels in it.
    void retarget(QPaintDevice& device, QSizeF sizetwips, QPoint offset = {});

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
    /// Called by doevents: the window lets its events run (it calls finish first).
    std::function<void()> onevents;
    /// Called by cls before it clears, so that the device can fit the box again.
    std::function<void()> beforeclear;

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
    QPoint offset_;  ///< where the box lies on the device, pixels
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
/// survives covering, repaints and resizes; a paint handler only blits it.
class PictureImage {
public:
    PictureImage(QSizeF sizetwips, double twipsperpixel);
    /// A new size of the box keeps the whole drawing, centred in the box: a
    /// larger box widens the image with the background last cleared to, a
    /// smaller one shows its middle. The surface stays the same object, so a
    /// redraw in progress goes on. The next clearing fits the image to the box.
    void resize(QSizeF sizetwips);
    QPainterSurface& surface() { return surface_; }
    /// The whole drawing, with all drawing so far applied.
    const QImage& image();
    /// The part of the image the box shows, image pixels.
    QRect shown() const;

private:
    void fit(QSize pixels, bool keep);
    QImage image_;
    double tpp_;
    QSize box_;  ///< the box, pixels
    QPainterSurface surface_;
};

}  // namespace quorvel
