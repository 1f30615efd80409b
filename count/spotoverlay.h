// The counted spots drawn over the image: each spot's outline and each
// group's number.
#pragma once

#include <QColor>
#include <QImage>

#include "spotsurvey.h"

namespace quorvel {

/// Draws on picture (the image's own pixels) the outline of every spot
/// region, the umbrae's outlines in umbra, a cross at each point without
/// area, and each group's number (as listed) beside its westernmost spot.
/// l0 is the disk centre's Carrington longitude, degrees.
void drawspots(QImage& picture, const SpotSurvey& survey, double l0, const QColor& penumbra, const QColor& umbra);

}  // namespace quorvel
