#include "levels.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace quorvel {

std::array<uint8_t, 256> levelmap(const Levels& l) {
    std::array<uint8_t, 256> map{};
    const double span = std::max(1, l.white - l.black);
    for (int32_t v = 0; v < 256; ++v) {
        const double shown = std::nearbyint((v - l.black) * 255.0 / span);
        map[static_cast<size_t>(v)] = static_cast<uint8_t>(std::clamp(shown, 0.0, 255.0));
    }
    return map;
}

namespace {

/// The lowest level at or below which more than fraction of the pixels lie.
int32_t levelat(const Histogram& h, uint64_t total, double fraction) {
    const auto wanted = static_cast<uint64_t>(fraction * static_cast<double>(total));
    uint64_t seen = 0;
    for (int32_t v = 0; v < 256; ++v) {
        seen += h[static_cast<size_t>(v)];
        if (seen > wanted) return v;
    }
    return 255;
}

}  // namespace

Levels autolevels(const Histogram& h, double low, double high) {
    const uint64_t total = std::accumulate(h.begin(), h.end(), uint64_t{0});
    if (total == 0) return {};
    Levels l{levelat(h, total, low), levelat(h, total, high)};
    return l.white > l.black ? l : Levels{};
}

}  // namespace quorvel
