// Display options and the presentation style.
#pragma once

#include <cstdint>

namespace quorvel {

struct ViewOpts {
    int16_t flip = -1;    ///< +1 flipped horizontally, -1 not
    int16_t altaz = 0;    ///< 1 for an alt-azimuth mount
    int16_t grid = 0;     ///< 1: heliographic grid
    int16_t invert = 0;   ///< 1: picture turned by 180 degrees
    int16_t sunrot = 0;   ///< 1: rotation arrows
    int16_t posang = 0;   ///< 1: position-angle scale
    int16_t drift = 0;    ///< 1: east-west drift arrow
    int16_t invsign = 1;  ///< -1 inverted, +1 not (set by the draw routine)
};

/// Colours are red + 256 * green + 65536 * blue.
struct StyleOpts {
    int32_t backcolour = 0, gridcolour = 0, diskcolour = 0, limbcolour = 0, pacolour = 0;
    int32_t equatorcolour = 0, arrowcolour = 0, axiscolour = 0;
    int16_t showequator = 0;  ///< 1 when "Equator" is checked
};

}  // namespace quorvel
