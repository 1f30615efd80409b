// The picture of the measuring window: the image, zoomed and panned, with
// the overlay over it; clicks and drags reported in image pixels.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

#include "circlefit.h"
#include "overlay.h"

namespace quorvel {

class ImageView : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);

    /// The image shown (not owned; nullptr for none); the view fits it.
    void setpicture(const QImage* picture);
    /// The limb whose centre and edge can be dragged.
    void setlimb(const std::optional<Circle>& limb);
    /// Draws the overlay on the view's backing image at a placement.
    std::function<void(QImage&, const Placement&)> drawover;
    /// Draws the picture and the overlay again.
    void refresh();
    /// Shows the whole image.
    void fit();

    QPointF toimage(QPointF widget) const;  ///< image pixels, origin at the top-left pixel's centre
    QPointF towidget(QPointF image) const;
    const Placement& placement() const { return at_; }

signals:
    void clicked(double x, double y);  ///< a left click that did not drag, image pixels
    void pointed(double x, double y);  ///< the mouse over the view, image pixels
    void limbdragged(double cx, double cy, double r);
    void limbdropped();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    enum class Drag { none, click, centre, edge, pan };
    const QImage* picture_ = nullptr;
    std::optional<Circle> limb_;
    QImage backing_;
    Placement at_;
    Drag drag_ = Drag::none;
    QPointF pressed_, last_;
    QPointF grab_;  ///< the centre minus the point grabbed, image pixels
};

}  // namespace quorvel
