// The day's numbers: groups, spots and the relative number, by hemisphere.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "spotgroup.h"

namespace quorvel {

struct SpotCounts {
    int32_t g = 0, f = 0;    ///< groups and spots on the whole disk
    int32_t r = 0;           ///< the relative number, 10 g + f
    int32_t gn = 0, fn = 0;  ///< groups and spots of the northern hemisphere
    int32_t gs = 0, fs = 0;  ///< groups and spots of the southern hemisphere
    double areamsh = 0;      ///< total corrected area, millionths of the hemisphere
};

/// The counts of the groups, each in the hemisphere of its area-weighted latitude.
SpotCounts countspots(const std::vector<SpotGroup>& groups);

/// One line for the window: "g 3  f 12  R 42  north 2 groups 8 spots  south 1 group 4 spots  area 345 MSH".
std::string countstext(const SpotCounts& c);

}  // namespace quorvel
