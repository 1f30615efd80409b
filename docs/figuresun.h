// The figures' own photograph of the Sun: a limb-darkened disk with a few
// spots, drawn from a simple model, not by the programs.
#pragma once

#include <QImage>

/// 800 x 700 pixels, the disk's centre at (410, 340), its radius 300 pixels
/// (the guide's worked example), a sky of grey 12.
QImage figuresun();

/// The spots' centres on figuresun(), image pixels, as a measurer clicks them.
inline constexpr double FIGURE_SPOTS[][2] = {{500, 200}, {300, 420}, {560, 470}};
