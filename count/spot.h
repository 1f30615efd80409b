// One counted spot: an umbra with its share of a common penumbra, a pore,
// or a point the observer added by hand.
#pragma once

#include <cstdint>
#include <vector>

#include "spotrow.h"

namespace quorvel {

struct Spot {
    int32_t id = 0;       ///< stable within a survey, from 1; never reused after a deletion
    int32_t group = 0;    ///< the id of its group (SpotGroup::id), from 1
    int32_t region = 0;   ///< the id of its spot region: the spots of one common penumbra share it; 0 for a point
    SpotRow row;          ///< where it lies: the umbra's centroid (the region's for a pore), number as listed
    int32_t umbrapx = 0;  ///< pixels of its umbra; 0 for a pore or a point
    int32_t spotpx = 0;   ///< pixels of the umbra and of its share of the penumbra (the pixels nearest to it)
    double areadisk = 0;  ///< projected area of spotpx, millionths of the disk: spotpx / (pi R^2) x 10^6
    double areamsh = 0;   ///< corrected area of spotpx, millionths of the hemisphere: sum of 10^6 / (2 pi R^2 mu)
    double umbramsh = 0;  ///< corrected area of the umbra alone, millionths of the hemisphere
    double regionmsh = 0; ///< corrected area of its whole region, millionths of the hemisphere
    bool penumbra = false;        ///< its region has a penumbra (at least as many pixels as its umbrae)
    double cmdmin = 0, cmdmax = 0;  ///< the easternmost and westernmost central-meridian distance of its pixels, degrees west
    std::vector<int64_t> pixels;  ///< image pixels y * width + x: the umbra's umbrapx first, then the penumbra's share
};

}  // namespace quorvel
