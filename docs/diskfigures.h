// The guide's figures of the oriented disk, drawn by the viewer's own redraw
// and labelled in the guide's language.
#pragma once

#include <QImage>

#include "figurelabels.h"

/// The example's disk with each of its parts named.
QImage nameddisk(const FigureLabels& labels);

/// One moment on the two mounts side by side, the alt-azimuth one with its tilt drawn.
QImage mountsfigure(const FigureLabels& labels);

/// The example flipped, and the example inverted, side by side.
QImage viewsfigure(const FigureLabels& labels);
