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
    /// Whether the image is large enough to hold a solar disk (SMALLEST_SIDE pixels a side).
    bool holdsdisk() const;
};

/// Pixels a side below which an image cannot hold a solar disk.
constexpr int32_t SMALLEST_SIDE = 8;

inline bool GrayImage::holdsdisk() const { return width >= SMALLEST_SIDE && height >= SMALLEST_SIDE; }

}  // namespace quorvel
