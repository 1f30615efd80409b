// The first, rough look for the limb: strong edges of a reduced copy of the
// image and the circle most of them lie on.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "circlefit.h"
#include "grayimage.h"

namespace quorvel {

/// A reduced copy: block means, NaN filled with the dark level.
struct CoarseImage {
    int32_t width = 0, height = 0;
    int32_t factor = 1;  ///< full pixels a block side
    std::vector<float> v;
    float dark = 0;  ///< the level NaN pixels are given (a low percentile of the data)
    std::vector<uint8_t> blank;  ///< 1 for a block with a NaN pixel: beyond the data

    float at(int32_t x, int32_t y) const { return v[static_cast<size_t>(y) * width + x]; }
    /// Full-image coordinate of a coarse coordinate.
    double tofull(double c) const { return c * factor + (factor - 1) * 0.5; }
};

/// Block means of at most maxside blocks a side, NaN ignored.
CoarseImage reduceimage(const GrayImage& image, int32_t maxside);

/// The circle (coarse pixels) that most strong edges lie on with their
/// gradient along its radius; nullopt when none is edged along at least
/// half of its visible length.
///
/// Notes:
/// 1. Edges on the frame's border, next to blank blocks and on straight
///    lines are no limb's: they are left out before the strong ones are
///    chosen, so that a turned copy's black corners neither draw the
///    circle nor hide a soft limb.
std::optional<Circle> coarselimb(const CoarseImage& coarse);

}  // namespace quorvel
