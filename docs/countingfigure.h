// The guide's figure of the counting rule, drawn by the counting code itself.
#pragma once

#include <QImage>

#include "figurelabels.h"

/// A patch of photosphere with a penumbra holding two umbrae, a spot with
/// one umbra, a pore and a faint patch, as Find Spots outlines, groups and
/// counts them, with the counts written below, in the labels' language.
QImage countingfigure(const FigureLabels& labels);
