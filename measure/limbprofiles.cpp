#include "limbprofiles.h"

#include <algorithm>
#include <cmath>

#include "angleconst.h"

namespace quorvel {
namespace {

constexpr double RING_ABOVE = 0.15;  // a ring's peak over the disk inside it, share of the band's whole range
constexpr double ACROSS = 0.05;      // of the radius at least, either side: the band the kind is read in
constexpr double INWARD = 0.15;      // of the radius at least, inside: the band a ring is looked for in
constexpr int DIRECTIONS = 256;      // profiles averaged

/// The mean of the non-empty profiles; empty when there are none.
std::vector<double> meanprofile(const Profiles& p) {
    std::vector<double> mean;
    size_t used = 0;
    for (const auto& v : p.values) {
        if (v.empty()) continue;
        if (mean.empty()) mean.assign(v.size(), 0);
        for (size_t k = 0; k < v.size(); ++k) mean[k] += v[k];
        ++used;
    }
    for (double& m : mean) m /= static_cast<double>(used);
    return mean;
}

/// Offset of the extreme of f near index k by a parabola through three values.
double vertex(const std::vector<double>& f, size_t k) {
    if (k == 0 || k + 1 >= f.size()) return static_cast<double>(k);
    const double den = f[k - 1] - 2 * f[k] + f[k + 1];
    return static_cast<double>(k) + (den != 0 ? std::clamp(0.5 * (f[k - 1] - f[k + 1]) / den, -0.5, 0.5) : 0);
}

/// Index of the first brightest point of v, three values smoothed, in [1, size - 2].
size_t firstbrightest(const std::vector<double>& v) {
    auto smooth = [&](size_t k) { return v[k - 1] + 2 * v[k] + v[k + 1]; };
    size_t top = 1;
    for (size_t k = 1; k + 1 < v.size(); ++k)
        if (smooth(k) > smooth(top)) top = k;
    return top;
}

}  // namespace

double sampleat(const GrayImage& img, double x, double y, float dark) {
    if (!(x >= 0 && y >= 0 && x <= img.width - 1 && y <= img.height - 1)) return NAN;
    const int32_t x0 = std::clamp(static_cast<int32_t>(x), 0, img.width - 2);  // the image holds a disk: 8 pixels a side
    const int32_t y0 = std::clamp(static_cast<int32_t>(y), 0, img.height - 2);
    const double fx = x - x0, fy = y - y0;
    auto v = [&](int32_t dx, int32_t dy) {
        const float p = img.at(x0 + dx, y0 + dy);
        return std::isnan(p) ? static_cast<double>(dark) : static_cast<double>(p);
    };
    return (v(0, 0) * (1 - fx) + v(1, 0) * fx) * (1 - fy) + (v(0, 1) * (1 - fx) + v(1, 1) * fx) * fy;
}

Profiles radialprofiles(const GrayImage& img, const Circle& c, double inner, double outer, float dark, int directions) {
    Profiles p;
    p.from = -std::ceil(inner);
    const auto len = static_cast<size_t>(std::ceil(inner) + std::ceil(outer) + 1);
    const int n = static_cast<int>(std::clamp(2 * HALFTURN_EXACT * c.r / 3, 64.0, std::max(64.0, 1.0 * directions)));
    for (int i = 0; i < n; ++i) {
        const double t = 2 * HALFTURN_EXACT * i / n, ux = std::cos(t), uy = std::sin(t);
        std::vector<double> v(len);
        bool inside = true;
        for (size_t k = 0; k < len && inside; ++k) {
            const double r = c.r + p.from + static_cast<double>(k);
            double s = 0;
            for (int side = -1; side <= 1; ++side) s += sampleat(img, c.cx + r * ux - side * uy, c.cy + r * uy + side * ux, dark);
            v[k] = s / 3;
            inside = !std::isnan(v[k]);
        }
        p.angles.push_back(t);
        p.values.push_back(inside ? v : std::vector<double>{});
    }
    return p;
}

EdgeLook edgelook(const GrayImage& img, const Circle& c, double halfwidth, float dark) {
    const double across = std::max(halfwidth, ACROSS * c.r);
    const std::vector<double> mean = meanprofile(radialprofiles(img, c, across, across, dark, DIRECTIONS));
    if (mean.size() < 7) return {};
    const size_t q = mean.size() / 4;
    const double inner = mean[0] + mean[1], outer = mean[mean.size() - 1] + mean[mean.size() - 2];
    const double low = 2 * *std::min_element(mean.begin() + static_cast<std::ptrdiff_t>(q), mean.end() - static_cast<std::ptrdiff_t>(q));
    const double range = std::max(inner, outer) - low;
    if (range > 0 && inner - low > 0.5 * range && outer - low > 0.5 * range) return {EdgeKind::line, 0};
    const Profiles wide = radialprofiles(img, c, std::max(halfwidth, INWARD * c.r), across, dark, DIRECTIONS);
    const std::vector<double> m = meanprofile(wide);
    if (m.size() < 7) return {};
    auto smooth = [&](size_t k) { return m[k - 1] + 2 * m[k] + m[k + 1]; };
    const size_t top = firstbrightest(m);
    double least = smooth(1);
    for (size_t k = 1; k + 1 < m.size(); ++k) least = std::min(least, smooth(k));
    if (top < 3 || !(smooth(top) - smooth(1) > RING_ABOVE * (smooth(top) - least))) return {};
    const auto rise = edgeof(m, EdgeKind::ring);
    return rise ? EdgeLook{EdgeKind::ring, wide.from + *rise} : EdgeLook{};
}

std::optional<double> edgeof(const std::vector<double>& v, EdgeKind kind) {
    if (v.size() < 7) return std::nullopt;
    std::vector<double> f(v.size(), 0);
    size_t end = f.size() - 2;  // the search runs over [2, end)
    for (size_t k = 2; k + 2 < v.size(); ++k) {
        const double rise = (v[k + 1] + v[k + 2]) - (v[k - 1] + v[k - 2]);  // a derivative over four pixels
        f[k] = kind == EdgeKind::line ? v[k - 1] + 2 * v[k] + v[k + 1] : kind == EdgeKind::ring ? -rise : rise;
    }
    if (kind == EdgeKind::ring) {  // the steepest rise inside the ring's first brightest point
        end = std::min(end, firstbrightest(v));
        if (end <= 2) return std::nullopt;
    }
    const auto best = std::min_element(f.begin() + 2, f.begin() + static_cast<std::ptrdiff_t>(end));
    if (kind != EdgeKind::line && !(*best < 0)) return std::nullopt;
    return vertex(f, static_cast<size_t>(best - f.begin()));
}

}  // namespace quorvel
