// The guide's figure of the counting rule, drawn by the counting code itself.
#pragma once

#include <QImage>

/// A patch of photosphere with a penumbra holding two umbrae, a spot with
/// one umbra, a pore and a faint patch, as Find Spots outlines, groups and
/// counts them, with the counts written below.
QImage countingfigure();
