// The picture of the measuring window: the image, zoomed and panned, with
// the overlay over it and its contrast stretched; clicks and drags reported
// in image pixels.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

#include "circlefit.h"
#include "levels.h"
#include "overlay.h"

namespace quorvel {

class ImageView : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);

    /// The image shown (not owned; nullptr for none); the view fits it.
    void setpicture(const QImage* picture);
    /// The limb whose centre and edge can be dragged while the limb is edited.
    void setlimb(const std::optional<Circle>& limb);
    /// While on, a left drag moves the limb (its edge: resizes it) and a
    /// click reports nothing; while off, every left click is reported.
    void setlimbediting(bool on);
    /// Draws the overlay on the view's backing image at a placement.
    std::function<void(QImage&, const Placement&)> drawover;
    /// Draws the picture and the overlay again.
    void refresh();

    /// Shows the whole image, and keeps showing it whole as the view is resized.
    void fit();
    /// One image pixel on one pixel of the screen, about the view's centre.
    void actualsize();
    /// Zooms by factor about a point of the view (logical pixels; the
    /// centre when not given): the image point under it stays put.
    void zoomby(double factor, std::optional<QPointF> about = std::nullopt);
    /// Moves the image's top-left corner to (ox, oy), logical pixels of the view.
    void setoffset(double ox, double oy);
    /// The contrast of the picture as shown (the image itself is unchanged).
    void setlevels(const Levels& levels);
    const Levels& levels() const { return levels_; }
    /// The levels that stretch the part of the image in view from its
    /// 0.5th to its 99.5th percentile.
    Levels autolevels() const;

    QPointF toimage(QPointF widget) const;  ///< image pixels, origin at the top-left pixel's centre
    QPointF towidget(QPointF image) const;
    const Placement& placement() const { return at_; }
    /// The whole image's rectangle in the view, logical pixels.
    QRectF content() const;

signals:
    void clicked(double x, double y);  ///< a left click that did not drag, image pixels
    void pointed(double x, double y);  ///< the mouse over the view, image pixels
    void limbdragged(double cx, double cy, double r);
    void limbdropped();  ///< the end of a drag that moved the limb
    void placed();       ///< the zoom or the pan changed

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    enum class Drag { none, click, centre, edge, pan };
    Drag limbgrip(QPointF at);
    void applylevels();
    void setcursorshape();
    double fitzoom() const;

    const QImage* picture_ = nullptr;
    std::optional<Circle> limb_;
    QImage backing_;
    Placement at_;
    bool fitted_ = true, limbediting_ = false, spaceheld_ = false, limbmoved_ = false;
    Levels levels_;
    Drag drag_ = Drag::none;
    QPointF pressed_, last_;
    QPointF grab_;       ///< the centre minus the point grabbed, image pixels
    double grabr_ = 0;   ///< the radius minus the distance of the point grabbed, image pixels
};

}  // namespace quorvel
