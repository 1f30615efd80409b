// The contrast of the shown picture: black and white points over its grey
// levels, set by hand or from the histogram of what is shown.
#pragma once

#include <array>
#include <cstdint>

namespace quorvel {

/// Grey levels [0, 255] shown as black and as white; black < white.
struct Levels {
    int32_t black = 0, white = 255;
    bool operator==(const Levels&) const = default;
};

/// How many pixels have each grey level.
using Histogram = std::array<uint64_t, 256>;

/// The level each grey level is shown at: 0 at or below black, 255 at or
/// above white, in a straight line between (rounded to the nearest).
std::array<uint8_t, 256> levelmap(const Levels& levels);

/// The levels that show the darkest low fraction of the counted pixels as
/// black and the brightest (1 - high) as white.
///
/// Notes:
/// 1. An empty histogram, or one whose pixels nearly all have one level,
///    gives the full range (0, 255): there is nothing to stretch.
Levels autolevels(const Histogram& histogram, double low = 0.005, double high = 0.995);

}  // namespace quorvel
