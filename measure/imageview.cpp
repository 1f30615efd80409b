#include "imageview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

constexpr double GRAB = 8;        // pixels of the screen within which a handle is taken
constexpr double CLICK_SLACK = 4; // pixels a click may move and stay a click
constexpr double ZOOM_STEP = 1.25;
const QColor BACKDROP(64, 64, 64);

}  // namespace

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(320, 240);
    setCursor(Qt::CrossCursor);
}

void ImageView::setpicture(const QImage* picture) {
    picture_ = picture;
    fit();
}

void ImageView::setlimb(const std::optional<Circle>& limb) {
    limb_ = limb;
    refresh();
}

void ImageView::fit() {
    if (picture_ && !picture_->isNull()) {
        at_.zoom = std::min(width() / static_cast<double>(picture_->width()),
                            height() / static_cast<double>(picture_->height()));
        at_.ox = (width() - picture_->width() * at_.zoom) / 2;
        at_.oy = (height() - picture_->height() * at_.zoom) / 2;
    }
    refresh();
}

QPointF ImageView::toimage(QPointF w) const {
    return {(w.x() - at_.ox) / at_.zoom - 0.5, (w.y() - at_.oy) / at_.zoom - 0.5};
}

QPointF ImageView::towidget(QPointF i) const {
    return {(i.x() + 0.5) * at_.zoom + at_.ox, (i.y() + 0.5) * at_.zoom + at_.oy};
}

void ImageView::refresh() {
    const qreal dpr = devicePixelRatioF();
    backing_ = QImage((QSizeF(size()) * dpr).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    backing_.setDevicePixelRatio(dpr);
    backing_.fill(BACKDROP);
    if (picture_ && !picture_->isNull()) {
        {
            QPainter p(&backing_);
            p.setRenderHint(QPainter::SmoothPixmapTransform, at_.zoom < 4);
            p.translate(at_.ox, at_.oy);
            p.scale(at_.zoom, at_.zoom);
            p.drawImage(0, 0, *picture_);
        }
        if (drawover) drawover(backing_, at_);
        if (limb_) {  // the centre's handle
            QPainter p(&backing_);
            p.setPen(QPen(Qt::yellow, 1));
            const QPointF c = towidget({limb_->cx, limb_->cy});
            p.drawLine(c - QPointF(GRAB, 0), c + QPointF(GRAB, 0));
            p.drawLine(c - QPointF(0, GRAB), c + QPointF(0, GRAB));
        }
    }
    update();
}

void ImageView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, backing_);
}

void ImageView::resizeEvent(QResizeEvent*) { fit(); }

void ImageView::mousePressEvent(QMouseEvent* e) {
    pressed_ = last_ = e->position();
    if (e->button() != Qt::LeftButton) {
        drag_ = Drag::pan;
        return;
    }
    drag_ = Drag::click;
    if (!limb_) return;
    const QPointF c = towidget({limb_->cx, limb_->cy});
    const double d = std::hypot(pressed_.x() - c.x(), pressed_.y() - c.y());
    if (d < GRAB) {
        drag_ = Drag::centre;
        const QPointF at = toimage(pressed_);
        grab_ = QPointF(limb_->cx, limb_->cy) - at;
    } else if (std::fabs(d - limb_->r * at_.zoom) < GRAB) {
        drag_ = Drag::edge;
    }
}

void ImageView::mouseMoveEvent(QMouseEvent* e) {
    const QPointF pos = e->position();
    const QPointF at = toimage(pos);
    emit pointed(at.x(), at.y());
    switch (drag_) {
        case Drag::pan:
            at_.ox += pos.x() - last_.x();
            at_.oy += pos.y() - last_.y();
            refresh();
            break;
        case Drag::centre:
            limb_->cx = at.x() + grab_.x();
            limb_->cy = at.y() + grab_.y();
            emit limbdragged(limb_->cx, limb_->cy, limb_->r);
            break;
        case Drag::edge:
            limb_->r = std::max(1.0, std::hypot(at.x() - limb_->cx, at.y() - limb_->cy));
            emit limbdragged(limb_->cx, limb_->cy, limb_->r);
            break;
        case Drag::click:
        case Drag::none: break;
    }
    last_ = pos;
}

void ImageView::mouseReleaseEvent(QMouseEvent* e) {
    const QPointF moved = e->position() - pressed_;
    if (drag_ == Drag::click && std::hypot(moved.x(), moved.y()) <= CLICK_SLACK) {
        const QPointF at = toimage(pressed_);
        emit clicked(at.x(), at.y());
    }
    if (drag_ == Drag::centre || drag_ == Drag::edge) emit limbdropped();
    drag_ = Drag::none;
}

void ImageView::wheelEvent(QWheelEvent* e) {
    const double k = e->angleDelta().y() > 0 ? ZOOM_STEP : 1 / ZOOM_STEP;
    const QPointF pos = e->position();
    at_.ox = pos.x() - (pos.x() - at_.ox) * k;  // the point under the mouse stays put
    at_.oy = pos.y() - (pos.y() - at_.oy) * k;
    at_.zoom *= k;
    refresh();
}

}  // namespace quorvel
