// The picture box pic1: a persistent backing image that its paint event only blits.
#pragma once

#include <QWidget>

#include "qpaintersurface.h"

namespace quorvel {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    /// tpp: twips per pixel of the screen.
    PictureBox(QWidget* parent, double tpp);
    QPainterSurface& surface() { return picture_.surface(); }
    /// The picture as drawn so far.
    const QImage& image() { return picture_.image(); }
    /// Outer size in twips, as the drawing reads it.
    QSizeF sizetwips() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    double tpp_;
    PictureImage picture_;
};

}  // namespace quorvel
