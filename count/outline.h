// The edge of a set of pixels: for measuring a spot's extent and drawing it.
#pragma once

#include <cstdint>
#include <vector>

#include "spotsurvey.h"

namespace quorvel {

/// The pixels of the set (indices y * width + x) that have one of their four
/// neighbours outside it, in the order of the set.
std::vector<int64_t> outline(const std::vector<int64_t>& pixels, int32_t width);

/// The edge of one spot region (its spots together) or of one umbra.
struct SpotOutline {
    std::vector<int64_t> edge;  ///< image pixels y * width + x
    bool umbra = false;         ///< an umbra's edge; else a region's
};

/// The edges of every umbra and every region of the survey, umbrae first.
std::vector<SpotOutline> spotoutlines(const SpotSurvey& survey, int32_t width);

}  // namespace quorvel
