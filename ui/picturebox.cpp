#include "picturebox.h"

#include <QCoreApplication>
#include <QPainter>

namespace quorvel {

PictureBox::PictureBox(QWidget* parent, double tpp)
    : QWidget(parent), tpp_(tpp), picture_(QSizeF(15 * tpp, 15 * tpp), tpp) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    // Each yield of a drawing shows the picture so far and lets the window's events run.
    picture_.surface().onevents = [this] {
        update();
        QCoreApplication::processEvents();
    };
}

QSizeF PictureBox::sizetwips() const { return QSizeF(width() * tpp_, height() * tpp_); }

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture_.image());
}

void PictureBox::resizeEvent(QResizeEvent*) { picture_.resize(sizetwips()); }

}  // namespace quorvel
