#include "imageview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

constexpr double GRAB = 8;          // pixels of the screen within which the limb's edge is taken
constexpr double CLICK_SLACK = 4;   // pixels a click may move and stay a click
constexpr double WHEEL_STEP = 1.25; // zoom of one notch of the wheel
constexpr double MOST_ZOOM = 32;    // screen pixels an image pixel, at most
constexpr double KEY_PAN = 0.125;   // of the view's width or height, a press of an arrow key
const QColor BACKDROP(64, 64, 64);

}  // namespace

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 240);
    setcursorshape();
}

void ImageView::setpicture(const QImage* picture) {
    picture_ = picture;
    fit();
}

void ImageView::setlimb(const std::optional<Circle>& limb) {
    limb_ = limb;
    refresh();
}

void ImageView::setlimbediting(bool on) {
    limbediting_ = on;
    setcursorshape();
}

void ImageView::setcursorshape() {
    setCursor(spaceheld_ ? Qt::OpenHandCursor : limbediting_ ? Qt::SizeAllCursor : Qt::CrossCursor);
}

double ImageView::fitzoom() const {
    if (!picture_ || picture_->isNull()) return 1;
    return std::min(width() / static_cast<double>(picture_->width()), height() / static_cast<double>(picture_->height()));
}

void ImageView::fit() {
    fitted_ = true;
    if (picture_ && !picture_->isNull()) {
        at_.zoom = fitzoom();
        at_.ox = (width() - picture_->width() * at_.zoom) / 2;
        at_.oy = (height() - picture_->height() * at_.zoom) / 2;
    }
    refresh();
    emit placed();
}

void ImageView::actualsize() { zoomby(1 / devicePixelRatioF() / at_.zoom); }

void ImageView::zoomby(double factor, std::optional<QPointF> about) {
    const double least = std::min(1.0, fitzoom()) / 2, most = std::max(MOST_ZOOM, fitzoom());
    const double zoom = std::clamp(at_.zoom * factor, least, most), k = zoom / at_.zoom;
    const QPointF c = about.value_or(QPointF(width() / 2.0, height() / 2.0));
    at_.ox = c.x() - (c.x() - at_.ox) * k;  // the image point under c stays put
    at_.oy = c.y() - (c.y() - at_.oy) * k;
    at_.zoom = zoom;
    fitted_ = false;
    refresh();
    emit placed();
}

void ImageView::setoffset(double ox, double oy) {
    if (ox == at_.ox && oy == at_.oy) return;
    at_.ox = ox, at_.oy = oy;
    fitted_ = false;
    refresh();
    emit placed();
}

QRectF ImageView::content() const {
    if (!picture_) return {};
    return {at_.ox, at_.oy, picture_->width() * at_.zoom, picture_->height() * at_.zoom};
}

QPointF ImageView::toimage(QPointF w) const {
    return {(w.x() - at_.ox) / at_.zoom - 0.5, (w.y() - at_.oy) / at_.zoom - 0.5};
}

QPointF ImageView::towidget(QPointF i) const {
    return {(i.x() + 0.5) * at_.zoom + at_.ox, (i.y() + 0.5) * at_.zoom + at_.oy};
}

void ImageView::setlevels(const Levels& levels) {
    levels_ = levels;
    refresh();
}

Levels ImageView::autolevels() const {
    if (!picture_ || picture_->isNull()) return {};
    const QRect seen = QRectF(toimage({0, 0}), toimage({static_cast<double>(width()), static_cast<double>(height())}))
                           .toAlignedRect() & picture_->rect();
    const int step = std::max(1, static_cast<int>(std::sqrt(seen.width() * double(seen.height()) / 1e6)));
    Histogram h{};
    for (int y = seen.top(); y <= seen.bottom(); y += step)
        for (int x = seen.left(); x <= seen.right(); x += step) ++h[static_cast<size_t>(qGray(picture_->pixel(x, y)))];
    return quorvel::autolevels(h);
}

/// The levels on the picture's part of the backing image, before the overlay.
void ImageView::applylevels() {
    if (levels_ == Levels{}) return;
    const auto map = levelmap(levels_);
    const qreal dpr = backing_.devicePixelRatio();
    const QRectF c = content();
    const QRect area = QRectF(c.topLeft() * dpr, c.size() * dpr).toAlignedRect() & backing_.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(backing_.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            row[x] = qRgb(map[qRed(row[x])], map[qGreen(row[x])], map[qBlue(row[x])]);
    }
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
        applylevels();
        if (drawover) drawover(backing_, at_);
        if (limb_) {  // the centre's mark
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

void ImageView::resizeEvent(QResizeEvent* e) {
    if (fitted_) return fit();
    const QSize grown = e->size() - e->oldSize();  // the centre stays on the same image point
    if (e->oldSize().isValid()) at_.ox += grown.width() / 2.0, at_.oy += grown.height() / 2.0;
    refresh();
    emit placed();
}

ImageView::Drag ImageView::limbgrip(QPointF at) {
    const QPointF c = towidget({limb_->cx, limb_->cy});
    const double d = std::hypot(at.x() - c.x(), at.y() - c.y());
    grabr_ = limb_->r - d / at_.zoom;
    grab_ = QPointF(limb_->cx, limb_->cy) - toimage(at);
    return std::fabs(d - limb_->r * at_.zoom) < GRAB ? Drag::edge : Drag::centre;
}

void ImageView::mousePressEvent(QMouseEvent* e) {
    pressed_ = last_ = e->position();
    limbmoved_ = false;
    if (e->button() != Qt::LeftButton || spaceheld_) drag_ = Drag::pan;
    else if (limbediting_) drag_ = limb_ ? limbgrip(pressed_) : Drag::none;
    else drag_ = Drag::click;
    if (drag_ == Drag::pan) setCursor(Qt::ClosedHandCursor);
}

void ImageView::mouseMoveEvent(QMouseEvent* e) {
    const QPointF pos = e->position();
    const QPointF at = toimage(pos);
    emit pointed(at.x(), at.y());
    switch (drag_) {
        case Drag::pan: setoffset(at_.ox + pos.x() - last_.x(), at_.oy + pos.y() - last_.y()); break;
        case Drag::centre:
            limb_->cx = at.x() + grab_.x();
            limb_->cy = at.y() + grab_.y();
            limbmoved_ = true;
            emit limbdragged(limb_->cx, limb_->cy, limb_->r);
            break;
        case Drag::edge:
            limb_->r = std::max(1.0, std::hypot(at.x() - limb_->cx, at.y() - limb_->cy) + grabr_);
            limbmoved_ = true;
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
    if (limbmoved_) emit limbdropped();
    limbmoved_ = false;
    drag_ = Drag::none;
    setcursorshape();
}

void ImageView::wheelEvent(QWheelEvent* e) {
    if (e->angleDelta().y() == 0) return;
    zoomby(e->angleDelta().y() > 0 ? WHEEL_STEP : 1 / WHEEL_STEP, e->position());
}

void ImageView::keyPressEvent(QKeyEvent* e) {
    const double dx = width() * KEY_PAN, dy = height() * KEY_PAN;
    switch (e->key()) {
        case Qt::Key_Space:
            if (!e->isAutoRepeat()) spaceheld_ = true, setcursorshape();
            break;
        case Qt::Key_Left: setoffset(at_.ox + dx, at_.oy); break;
        case Qt::Key_Right: setoffset(at_.ox - dx, at_.oy); break;
        case Qt::Key_Up: setoffset(at_.ox, at_.oy + dy); break;
        case Qt::Key_Down: setoffset(at_.ox, at_.oy - dy); break;
        default: QWidget::keyPressEvent(e);
    }
}

void ImageView::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() != Qt::Key_Space || e->isAutoRepeat()) return QWidget::keyReleaseEvent(e);
    spaceheld_ = false;
    setcursorshape();
}

}  // namespace quorvel
