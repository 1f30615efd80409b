// How the guide's figures are laid out: labels joined to the parts they
// name by leader lines, and pictures side by side with their captions.
#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>
#include <utility>
#include <vector>

/// A label and the point of the picture it names, logical pixels.
struct Callout {
    QPointF anchor;
    QString text;
};

/// The figures' font (Liberation Sans, the metric Arial): pixels logical
/// pixels high, at FIGURE_SCALE.
QFont figurefont(double pixels, bool bold = false);

/// The picture (FIGURE_SCALE device pixels a logical pixel) between two
/// columns of column logical pixels, each callout in the column of its
/// anchor's side, in the anchors' order from top to bottom, joined to its
/// anchor by a leader line ending in a dot.
QImage calloutfigure(const QImage& picture, const std::vector<Callout>& callouts, double column);

/// Pictures side by side on white, each with its caption centred below.
QImage sidebyside(const std::vector<std::pair<QImage, QString>>& panels);

/// One picture above another, both centred, on white.
QImage abovebelow(const QImage& top, const QImage& bottom);
