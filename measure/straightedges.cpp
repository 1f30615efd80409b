#include "straightedges.h"

#include <cmath>

#include "angleconst.h"

namespace quorvel {
namespace {

constexpr int32_t ANGLE_BINS = 720;  // half a degree each

}  // namespace

std::vector<bool> onstraightlines(const std::vector<Edgel>& edges, int32_t width, int32_t height) {
    const auto reach = static_cast<int32_t>(std::ceil(std::hypot(width, height))) + 2;  // distances in [-reach, reach]
    const int32_t rows = 2 * reach + 1;
    std::vector<int32_t> votes(static_cast<size_t>(ANGLE_BINS) * rows, 0);
    std::vector<size_t> cell(edges.size());
    for (size_t i = 0; i < edges.size(); ++i) {
        const Edgel& e = edges[i];
        const double turn = std::atan2(e.gy, e.gx) / (2 * HALFTURN_EXACT);  // [-0.5, 0.5]
        const auto a = static_cast<int32_t>(std::lround((turn + 1) * ANGLE_BINS)) % ANGLE_BINS;
        const double t = 2 * HALFTURN_EXACT * a / ANGLE_BINS;
        const auto d = static_cast<int32_t>(std::lround(e.x * std::cos(t) + e.y * std::sin(t))) + reach;
        cell[i] = static_cast<size_t>(a) * rows + static_cast<size_t>(d);
        ++votes[cell[i]];
    }
    std::vector<bool> online(edges.size(), false);
    for (size_t i = 0; i < edges.size(); ++i) {
        const auto a = static_cast<int32_t>(cell[i] / rows), d = static_cast<int32_t>(cell[i] % rows);
        int32_t sum = 0;
        for (int32_t da = -1; da <= 1; ++da)
            for (int32_t dd = std::max(0, d - 1); dd <= std::min(rows - 1, d + 1); ++dd)
                sum += votes[static_cast<size_t>((a + da + ANGLE_BINS) % ANGLE_BINS) * rows + dd];
        online[i] = sum >= LINE_EDGES;
    }
    return online;
}

}  // namespace quorvel
