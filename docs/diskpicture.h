// The oriented disk as the viewer draws it, for the guide's figures, with
// where each of its parts lies on the picture.
#pragma once

#include <QImage>
#include <QPointF>
#include <QString>
#include <set>

#include "formcontrols.h"
#include "obsinput.h"

/// Device pixels a logical pixel of the figures makes: sharp on paper.
inline constexpr double FIGURE_SCALE = 3;

/// One view of one moment.
struct DiskView {
    quorvel::FieldTexts fields;
    bool altaz = false;
    std::set<quorvel::CheckBox> checked;  ///< overlays, flip and invert that are on
    double widthpx = 360, heightpx = 340; ///< the picture box, logical pixels
};

/// The picture and its parts, in logical pixels of the picture.
struct DiskPicture {
    QImage image;  ///< FIGURE_SCALE device pixels a logical pixel
    QPointF centre;
    double radius = 0;
    QPointF axis, pole, equator, grid, scale, drift, rotation, north;
    double tiltdeg = 0;  ///< the parallactic angle, the N - S meridian tilt the window shows
};

/// The view drawn by the viewer's own redraw; a null image when the fields
/// fail their check, or when a part is not found on the drawing (its colour
/// or its text changed: the labels would point at nothing).
DiskPicture drawdisk(const DiskView& view);

/// The example of the guide: 2006 June 21 at 51.5 N, 0, equatorial mount,
/// every overlay on, at hour (UT) on the clock.
DiskView exampleview(const char* hour = "12");
