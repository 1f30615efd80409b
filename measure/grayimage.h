// A single-channel image as the limb finder reads it.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

namespace quorvel {

/// Pixel values in rows from the top, x right, y down; NaN where there is no data.
struct GrayImage {
    int32_t width = 0, height = 0;
    std::vector<float> pixels;  ///< width * height values, any unit (brighter is larger)

    float at(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool empty() const { return width <= 0 || height <= 0; }
};

}  // namespace quorvel
