// The picture box pic1: a persistent backing image that its paint event only blits.
#pragma once

#include <QElapsedTimer>
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

signals:
    /// The mouse over the box, at a point of the surface (picture units, origin at the centre).
    void pointed(double x, double y);
    void clicked(double x, double y);
    void left();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent*) override;

private:
    QPointF tosurface(QPointF pixel) const;
    double tpp_;
    PictureImage picture_;
    QElapsedTimer sinceyield_;  ///< the window's events run at most this often while drawing
};

}  // namespace quorvel
