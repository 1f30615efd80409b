// The edge of a set of pixels: for measuring a spot's extent and drawing it.
#pragma once

#include <cstdint>
#include <vector>

namespace quorvel {

/// The pixels of the set (indices y * width + x) that have one of their four
/// neighbours outside it, in the order of the set.
std::vector<int64_t> outline(const std::vector<int64_t>& pixels, int32_t width);

}  // namespace quorvel
