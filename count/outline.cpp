#include "outline.h"

#include <algorithm>
#include <map>

namespace quorvel {

std::vector<int64_t> outline(const std::vector<int64_t>& pixels, int32_t width) {
    if (pixels.empty() || width <= 0) return {};
    int64_t x0 = width, y0 = pixels.front() / width, x1 = -1, y1 = y0;
    for (int64_t i : pixels) {
        x0 = std::min(x0, i % width), x1 = std::max(x1, i % width);
        y0 = std::min(y0, i / width), y1 = std::max(y1, i / width);
    }
    const int64_t w = x1 - x0 + 3, h = y1 - y0 + 3;  // a frame of one pixel all round
    std::vector<uint8_t> in(static_cast<size_t>(w * h), 0);
    auto local = [&](int64_t i) { return (i / width - y0 + 1) * w + (i % width - x0 + 1); };
    for (int64_t i : pixels) in[static_cast<size_t>(local(i))] = 1;
    std::vector<int64_t> edge;
    for (int64_t i : pixels) {
        const int64_t k = local(i);
        if (!in[static_cast<size_t>(k - 1)] || !in[static_cast<size_t>(k + 1)] || !in[static_cast<size_t>(k - w)] ||
            !in[static_cast<size_t>(k + w)])
            edge.push_back(i);
    }
    return edge;
}

std::vector<SpotOutline> spotoutlines(const SpotSurvey& survey, int32_t width) {
    std::vector<SpotOutline> outlines;
    std::map<int32_t, std::vector<int64_t>> regions;  // a region's edge is that of all its spots together
    for (const Spot& s : survey.spots) {
        auto& region = regions[s.region != 0 ? s.region : -s.id];
        region.insert(region.end(), s.pixels.begin(), s.pixels.end());
        outlines.push_back({outline({s.pixels.begin(), s.pixels.begin() + s.umbrapx}, width), true});
    }
    for (const auto& [id, pixels] : regions) outlines.push_back({outline(pixels, width), false});
    return outlines;
}

}  // namespace quorvel
