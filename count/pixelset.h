// Sets of pixels given by their indices y * width + x: flooding and centroids.
#pragma once

#include <cstdint>
#include <vector>

#include "circlefit.h"

namespace quorvel {

/// The 8-connected set reached from seed (taken already) through the
/// neighbours pick(n) accepts; pick marks what it accepts, so each pixel is
/// taken once. stride is the width of the grid the indices run on.
///
/// Notes:
/// 1. The caller keeps the flood inside its grid: pick refuses a frame of
///    one pixel all round.
template <typename Pick>
std::vector<int64_t> floodfrom(int64_t seed, int64_t stride, Pick&& pick) {
    const int64_t steps[] = {-1, 1, -stride - 1, -stride, -stride + 1, stride - 1, stride, stride + 1};
    std::vector<int64_t> set{seed}, stack{seed};
    while (!stack.empty()) {
        const int64_t k = stack.back();
        stack.pop_back();
        for (int64_t s : steps)
            if (pick(k + s)) set.push_back(k + s), stack.push_back(k + s);
    }
    return set;
}

/// The centroid of the first count pixels of the set, image pixels.
inline PixelXY centroid(const std::vector<int64_t>& pixels, size_t count, int32_t width) {
    double sx = 0, sy = 0;
    for (size_t k = 0; k < count; ++k) sx += static_cast<double>(pixels[k] % width), sy += static_cast<double>(pixels[k] / width);
    return {sx / static_cast<double>(count), sy / static_cast<double>(count)};
}

}  // namespace quorvel
