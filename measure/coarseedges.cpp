#include "coarseedges.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "angleconst.h"
#include "straightedges.h"

namespace quorvel {
namespace {

constexpr size_t MOST_EDGES = 12000;    // strongest edges kept for the search
constexpr int TRIALS = 1500;            // random triples tried
constexpr double ON_CIRCLE = 1.5;       // coarse pixels an edge may lie off a candidate
constexpr double ALONG_RADIUS = 0.9;    // cosine between gradient and radius, at least
constexpr double SMALLEST_RADIUS = 8;   // coarse pixels
constexpr double LEAST_EDGED = 0.5;     // share of the visible circle with an edge on it
constexpr double LEAST_VISIBLE = 0.25;  // share of the circle inside the frame

float percentile(std::vector<float> v, double q) {
    if (v.empty()) return 0;
    const auto k = v.begin() + static_cast<std::ptrdiff_t>(q * static_cast<double>(v.size() - 1));
    std::nth_element(v.begin(), k, v.end());
    return *k;
}

/// Whether an edge at (x, y) may be a limb's: off the frame's border and
/// away from blocks beyond the data.
bool besidedata(const CoarseImage& c, int32_t x, int32_t y) {
    if (x < 2 || y < 2 || x + 2 >= c.width || y + 2 >= c.height) return false;
    for (int32_t dy = -1; dy <= 1; ++dy)
        for (int32_t dx = -1; dx <= 1; ++dx)
            if (c.blank[static_cast<size_t>(y + dy) * c.width + (x + dx)]) return false;
    return true;
}

/// Sobel gradients stronger than the noise and than a fifth of the strongest
/// that may be a limb's.
std::vector<Edgel> strongedges(const CoarseImage& c) {
    std::vector<Edgel> candidates;
    std::vector<float> mags;
    for (int32_t y = 1; y + 1 < c.height; ++y) {
        for (int32_t x = 1; x + 1 < c.width; ++x) {
            auto p = [&](int dx, int dy) { return c.at(x + dx, y + dy); };
            const float gx = (p(1, -1) + 2 * p(1, 0) + p(1, 1)) - (p(-1, -1) + 2 * p(-1, 0) + p(-1, 1));
            const float gy = (p(-1, 1) + 2 * p(0, 1) + p(1, 1)) - (p(-1, -1) + 2 * p(0, -1) + p(1, -1));
            mags.push_back(std::hypot(gx, gy));
            if (besidedata(c, x, y)) candidates.push_back({static_cast<float>(x), static_cast<float>(y), gx, gy, gx * gx + gy * gy});
        }
    }
    const float noise = percentile(mags, 0.5);
    std::erase_if(candidates, [&](const Edgel& e) { return !(std::sqrt(e.g2) > 4 * noise); });
    const std::vector<bool> online = onstraightlines(candidates, c.width, c.height);
    std::vector<Edgel> kept;
    for (size_t i = 0; i < candidates.size(); ++i)
        if (!online[i]) kept.push_back(candidates[i]);
    const size_t others = mags.size() - (candidates.size() - kept.size());  // the strongest ranked without the lines
    std::vector<float> limbish;
    for (const Edgel& e : kept) limbish.push_back(std::sqrt(e.g2));
    const size_t top = std::max<size_t>(1, static_cast<size_t>(0.001 * static_cast<double>(others)));
    const float strong = limbish.size() < top ? 0.0f : percentile(limbish, 1 - static_cast<double>(top) / limbish.size());
    std::erase_if(kept, [&](const Edgel& e) { return std::sqrt(e.g2) <= 0.2f * strong; });
    if (kept.size() > MOST_EDGES) {
        auto mag = [](const Edgel& e) { return e.g2; };
        std::nth_element(kept.begin(), kept.begin() + MOST_EDGES, kept.end(),
                         [&](const Edgel& a, const Edgel& b) { return mag(a) > mag(b); });
        kept.resize(MOST_EDGES);
    }
    return kept;
}

/// Whether an edge lies on a circle with its gradient along the radius
/// (squares compared: this runs some ten million times a search).
bool onradius(const Edgel& e, const Circle& c) {
    const double dx = e.x - c.cx, dy = e.y - c.cy, d2 = dx * dx + dy * dy;
    const double inner = std::max(0.0, c.r - ON_CIRCLE), outer = c.r + ON_CIRCLE;
    if (d2 < inner * inner || d2 > outer * outer || d2 == 0) return false;
    const double dot = e.gx * dx + e.gy * dy;
    return dot * dot >= ALONG_RADIUS * ALONG_RADIUS * e.g2 * d2;
}

/// The share of the circle's visible length with an edge within a pixel,
/// or 0 when too little of it is visible.
double edgedshare(const std::vector<Edgel>& edges, const CoarseImage& c, const Circle& circle) {
    std::vector<char> map(static_cast<size_t>(c.width) * c.height, 0);
    for (const Edgel& e : edges) map[static_cast<size_t>(e.y) * c.width + static_cast<size_t>(e.x)] = 1;
    const int n = std::max(16, static_cast<int>(2 * HALFTURN_EXACT * circle.r));
    int visible = 0, edged = 0;
    for (int i = 0; i < n; ++i) {
        const double t = 2 * HALFTURN_EXACT * i / n;
        const auto x = static_cast<int32_t>(std::lround(circle.cx + circle.r * std::cos(t)));
        const auto y = static_cast<int32_t>(std::lround(circle.cy + circle.r * std::sin(t)));
        if (x < 2 || y < 2 || x + 2 >= c.width || y + 2 >= c.height) continue;
        ++visible;
        bool hit = false;
        for (int dy = -1; dy <= 1 && !hit; ++dy)
            for (int dx = -1; dx <= 1 && !hit; ++dx) hit = map[static_cast<size_t>(y + dy) * c.width + (x + dx)];
        edged += hit;
    }
    if (visible < LEAST_VISIBLE * n) return 0;
    return static_cast<double>(edged) / visible;
}

}  // namespace

CoarseImage reduceimage(const GrayImage& img, int32_t maxside) {
    CoarseImage c;
    c.factor = std::max<int32_t>(1, (std::max(img.width, img.height) + maxside - 1) / maxside);
    c.width = (img.width + c.factor - 1) / c.factor;
    c.height = (img.height + c.factor - 1) / c.factor;
    std::vector<double> sum(static_cast<size_t>(c.width) * c.height, 0);
    std::vector<int32_t> count(sum.size(), 0);
    for (int32_t y = 0; y < img.height; ++y) {
        const size_t row = static_cast<size_t>(y / c.factor) * c.width;
        const float* p = &img.pixels[static_cast<size_t>(y) * img.width];
        for (int32_t bx = 0, x0 = 0; x0 < img.width; ++bx, x0 += c.factor) {
            const int32_t x1 = std::min(img.width, x0 + c.factor);
            float s = 0;  // a block row: NaN ignored
            int32_t n = 0;
            for (int32_t x = x0; x < x1; ++x) {
                const bool known = p[x] == p[x];
                s += known ? p[x] : 0.0f;
                n += known;
            }
            sum[row + bx] += s;
            count[row + bx] += n;
        }
    }
    c.v.resize(sum.size());
    c.blank.assign(sum.size(), 0);
    std::vector<float> known;
    for (size_t i = 0; i < sum.size(); ++i) {
        const int32_t bw = std::min(c.factor, img.width - static_cast<int32_t>(i % c.width) * c.factor);
        const int32_t bh = std::min(c.factor, img.height - static_cast<int32_t>(i / c.width) * c.factor);
        c.blank[i] = count[i] < bw * bh;
        c.v[i] = count[i] ? static_cast<float>(sum[i] / count[i]) : NAN;
        if (count[i]) known.push_back(c.v[i]);
    }
    c.dark = percentile(known, 0.005);
    for (float& v : c.v)
        if (std::isnan(v)) v = c.dark;
    return c;
}

std::optional<Circle> coarselimb(const CoarseImage& c) {
    const std::vector<Edgel> edges = strongedges(c);
    if (edges.size() < 3) return std::nullopt;
    std::mt19937 rng(20240611);  // fixed: the same image always gives the same limb
    std::uniform_int_distribution<size_t> pick(0, edges.size() - 1);
    std::optional<Circle> best;
    size_t bestcount = 0;
    for (int trial = 0; trial < TRIALS; ++trial) {
        const Edgel &a = edges[pick(rng)], &b = edges[pick(rng)], &d = edges[pick(rng)];
        const auto circle = circlethrough({a.x, a.y}, {b.x, b.y}, {d.x, d.y});
        if (!circle || circle->r < SMALLEST_RADIUS || !fitsimage(*circle, c.width, c.height)) continue;
        if (!onradius(a, *circle) || !onradius(b, *circle) || !onradius(d, *circle)) continue;
        const auto count = static_cast<size_t>(
            std::count_if(edges.begin(), edges.end(), [&](const Edgel& e) { return onradius(e, *circle); }));
        if (count > bestcount) bestcount = count, best = circle;
    }
    if (!best) return std::nullopt;
    std::vector<PixelXY> on;
    for (const Edgel& e : edges)
        if (onradius(e, *best)) on.push_back({e.x, e.y});
    const auto fit = robustcirclefit(on, *best);
    if (!fit || !fitsimage(fit->circle, c.width, c.height) || edgedshare(edges, c, fit->circle) < LEAST_EDGED)
        return std::nullopt;
    return fit->circle;
}

}  // namespace quorvel
