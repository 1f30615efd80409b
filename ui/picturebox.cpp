#include "picturebox.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

namespace quorvel {

PictureBox::PictureBox(QWidget* parent, double tpp)
    : QWidget(parent), tpp_(tpp), picture_(QSizeF(15 * tpp, 15 * tpp), tpp, parent->devicePixelRatioF()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    setMouseTracking(true);
    // A yield of a drawing shows the picture so far and lets the window's
    // events run, once a frame at most: a fine grid yields tens of thousands
    // of times, and the window stays as responsive.
    picture_.surface().onevents = [this] {
        constexpr qint64 FRAME_MS = 30;
        if (sinceyield_.isValid() && sinceyield_.elapsed() < FRAME_MS) return;
        picture_.surface().finish();
        update();
        QCoreApplication::processEvents();
        sinceyield_.restart();
    };
}

QPointF PictureBox::tosurface(QPointF pixel) const {
    // The centre of the pixel, in the scale the drawing set (origin at the centre).
    return {(pixel.x() + 0.5) * tpp_ - width() * tpp_ / 2, (pixel.y() + 0.5) * tpp_ - height() * tpp_ / 2};
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = tosurface(event->position());
    emit pointed(p.x(), p.y());
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPointF p = tosurface(event->position());
    if (event->button() == Qt::LeftButton) emit clicked(p.x(), p.y());
}

void PictureBox::leaveEvent(QEvent*) { emit left(); }

QSizeF PictureBox::sizetwips() const { return QSizeF(width() * tpp_, height() * tpp_); }

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QImage& image = picture_.image();
    const double ratio = image.devicePixelRatio();
    const QRect shown = picture_.shown();
    p.drawImage(QRectF(QPointF(0, 0), QSizeF(shown.size())), image,
                QRectF(shown.x() * ratio, shown.y() * ratio, shown.width() * ratio, shown.height() * ratio));
}

void PictureBox::resizeEvent(QResizeEvent*) { picture_.resize(sizetwips()); }

}  // namespace quorvel
