#include "diskfigures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "diskpicture.h"
#include "figurelayout.h"

namespace {

constexpr double PANEL_W = 300, PANEL_H = 285;  // a panel of the figures side by side, logical pixels
constexpr double NAMED_W = 310, NAMED_H = 300, NAMED_COLUMN = 140;  // the named disk and its label columns
constexpr const char* TILT_HOUR = "9";          // UT: the morning, when the alt-azimuth picture turns well

/// The alt-azimuth panel's tilt: the vertical and the direction of N from the
/// centre, dashed, and the angle between them.
void drawtilt(DiskPicture& d) {
    QPainter p(&d.image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(FIGURE_SCALE, FIGURE_SCALE);
    QPen pen(QColor(0, 110, 0), 1.4, Qt::DashLine);
    p.setPen(pen);
    const double reach = d.radius * 1.12;
    const double a = d.tiltdeg * 3.141592653589793 / 180;  // N turns by the tilt, counter-clockwise for a negative one
    const QPointF north = d.centre + QPointF(std::sin(a), -std::cos(a)) * reach;
    p.drawLine(d.centre, d.centre - QPointF(0, reach));
    p.drawLine(d.centre, north);
    const double r = d.radius * 0.55;
    QPainterPath arc;
    arc.arcMoveTo(QRectF(d.centre - QPointF(r, r), QSizeF(2 * r, 2 * r)), 90);
    arc.arcTo(QRectF(d.centre - QPointF(r, r), QSizeF(2 * r, 2 * r)), 90, -d.tiltdeg);
    pen.setStyle(Qt::SolidLine);
    p.setPen(pen);
    p.drawPath(arc);
    p.resetTransform();
    p.setFont(figurefont(12, true));
    const QPointF at = (d.centre + QPointF(-r * 0.25, -r - 6)) * FIGURE_SCALE;
    p.drawText(at, QString::number(d.tiltdeg, 'f', 1) + "°");
}

DiskView panel(const char* hour) {
    DiskView v = exampleview(hour);
    v.widthpx = PANEL_W, v.heightpx = PANEL_H;
    return v;
}

}  // namespace

QImage nameddisk(const FigureLabels& l) {
    DiskView v = exampleview();
    v.widthpx = NAMED_W, v.heightpx = NAMED_H;
    const DiskPicture d = drawdisk(v);
    return calloutfigure(d.image,
                         {{d.axis, l.axis}, {d.pole, l.pole}, {d.equator, l.equator}, {d.grid, l.grid},
                          {d.scale, l.scale}, {d.drift, l.drift}, {d.rotation, l.rotation}, {d.north, l.directions}},
                         NAMED_COLUMN);
}

QImage mountsfigure(const FigureLabels& l) {
    const DiskPicture equatorial = drawdisk(panel(TILT_HOUR));
    DiskView v = panel(TILT_HOUR);
    v.altaz = true;
    DiskPicture altaz = drawdisk(v);
    drawtilt(altaz);
    const QString tilt = l.tilt + " " + QString::number(altaz.tiltdeg, 'f', 1) + "°";
    return sidebyside({{equatorial.image, l.equatorial}, {altaz.image, l.altaz + "\n(" + tilt + ")"}});
}

QImage viewsfigure(const FigureLabels& l) {
    DiskView flipped = panel("12"), inverted = panel("12");
    flipped.checked.insert(quorvel::CheckBox::chkflip);
    inverted.checked.insert(quorvel::CheckBox::chkinvert);
    return sidebyside({{drawdisk(flipped).image, l.flipped}, {drawdisk(inverted).image, l.inverted}});
}
