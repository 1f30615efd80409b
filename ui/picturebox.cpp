#include "picturebox.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

namespace quorvel {

PictureBox::PictureBox(QWidget* parent, double tpp)
    : QWidget(parent), tpp_(tpp), picture_(QSizeF(15 * tpp, 15 * tpp), tpp) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    setMouseTracking(true);
    // Each yield of a drawing shows the picture so far and lets the window's events run.
    picture_.surface().onevents = [this] {
        update();
        QCoreApplication::processEvents();
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
    p.drawImage(0, 0, picture_.image());
}

void PictureBox::resizeEvent(QResizeEvent*) { picture_.resize(sizetwips()); }

}  // namespace quorvel
