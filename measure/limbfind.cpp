#include "limbfind.h"

#include <algorithm>
#include <cmath>

#include "angleconst.h"
#include "coarseedges.h"

namespace quorvel {
namespace {

constexpr int32_t COARSE_SIDE = 512;  // pixels a side of the reduced copy
constexpr double FINE_HALFWIDTH = 5;  // pixels either side of the limb in the last pass
constexpr size_t LEAST_POINTS = 12;

/// Bilinear value at (x, y); NaN counts as dark, beyond the frame as unknown (NaN).
double sample(const GrayImage& img, double x, double y, float dark) {
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

/// Radial profiles across a circle, one a direction, each averaged over three
/// samples a pixel apart along the limb. A profile reaching beyond the frame is empty.
struct Profiles {
    double from = 0;  ///< offset of the first sample from the radius, pixels (step 1)
    std::vector<double> angles;
    std::vector<std::vector<double>> values;
};

Profiles radialprofiles(const GrayImage& img, const Circle& c, double halfwidth, float dark) {
    Profiles p;
    p.from = -std::ceil(halfwidth);
    const auto len = static_cast<size_t>(2 * -p.from + 1);
    const int n = static_cast<int>(std::clamp(2 * HALFTURN_EXACT * c.r / 3, 64.0, 2048.0));  // clamped before converting
    for (int i = 0; i < n; ++i) {
        const double t = 2 * HALFTURN_EXACT * i / n, ux = std::cos(t), uy = std::sin(t);
        std::vector<double> v(len);
        bool inside = true;
        for (size_t k = 0; k < len && inside; ++k) {
            const double r = c.r + p.from + static_cast<double>(k);
            double s = 0;
            for (int side = -1; side <= 1; ++side) s += sample(img, c.cx + r * ux - side * uy, c.cy + r * uy + side * ux, dark);
            v[k] = s / 3;
            inside = !std::isnan(v[k]);
        }
        p.angles.push_back(t);
        p.values.push_back(inside ? v : std::vector<double>{});
    }
    return p;
}

/// Whether the profiles show a dark line (a drawn circle) rather than a step.
bool drawnline(const Profiles& p) {
    std::vector<double> mean;
    size_t used = 0;
    for (const auto& v : p.values) {
        if (v.empty()) continue;
        if (mean.empty()) mean.assign(v.size(), 0);
        for (size_t k = 0; k < v.size(); ++k) mean[k] += v[k];
        ++used;
    }
    if (used == 0) return false;
    const size_t q = mean.size() / 4;
    const double inner = mean[0] + mean[1], outer = mean[mean.size() - 1] + mean[mean.size() - 2];
    const double low = 2 * *std::min_element(mean.begin() + static_cast<std::ptrdiff_t>(q), mean.end() - static_cast<std::ptrdiff_t>(q));
    const double range = std::max(inner, outer) - low;
    return range > 0 && inner - low > 0.5 * range && outer - low > 0.5 * range;
}

/// Offset of the extreme of f near index k by a parabola through three values.
double vertex(const std::vector<double>& f, size_t k) {
    if (k == 0 || k + 1 >= f.size()) return static_cast<double>(k);
    const double den = f[k - 1] - 2 * f[k] + f[k + 1];
    return static_cast<double>(k) + (den != 0 ? std::clamp(0.5 * (f[k - 1] - f[k + 1]) / den, -0.5, 0.5) : 0);
}

/// The edge in one profile, as an offset from its first sample: the steepest
/// fall outward (a derivative over four pixels), or the darkest point of a line.
std::optional<double> edgeof(const std::vector<double>& v, bool line) {
    if (v.size() < 7) return std::nullopt;
    std::vector<double> f(v.size(), 0);
    for (size_t k = 2; k + 2 < v.size(); ++k)
        f[k] = line ? v[k - 1] + 2 * v[k] + v[k + 1] : (v[k + 1] + v[k + 2]) - (v[k - 1] + v[k - 2]);
    const auto best = std::min_element(f.begin() + 2, f.end() - 2);
    if (!line && !(*best < 0)) return std::nullopt;
    return vertex(f, static_cast<size_t>(best - f.begin()));
}

/// Edge points of the image around a circle.
std::vector<PixelXY> edgepoints(const GrayImage& img, const Circle& c, double halfwidth, float dark) {
    const Profiles p = radialprofiles(img, c, halfwidth, dark);
    const bool line = drawnline(p);
    std::vector<PixelXY> pts;
    for (size_t i = 0; i < p.values.size(); ++i) {
        const auto k = edgeof(p.values[i], line);
        if (!k) continue;
        const double r = c.r + p.from + *k;
        pts.push_back({c.cx + r * std::cos(p.angles[i]), c.cy + r * std::sin(p.angles[i])});
    }
    return pts;
}

std::optional<CircleFit> refine(const GrayImage& img, const Circle& c, double halfwidth, float dark) {
    const std::vector<PixelXY> pts = edgepoints(img, c, halfwidth, dark);
    if (pts.size() < LEAST_POINTS) return std::nullopt;
    auto fit = robustcirclefit(pts, c);
    if (!fit || fit->used < LEAST_POINTS || !fitsimage(fit->circle, img.width, img.height)) return std::nullopt;
    return fit;
}

}  // namespace

std::optional<LimbFit> findlimb(const GrayImage& img) {
    if (!img.holdsdisk()) return std::nullopt;
    const CoarseImage coarse = reduceimage(img, COARSE_SIDE);
    const auto rough = coarselimb(coarse);
    if (!rough) return std::nullopt;
    Circle c{coarse.tofull(rough->cx), coarse.tofull(rough->cy), rough->r * coarse.factor};
    auto fit = refine(img, c, 2.5 * coarse.factor + 3, coarse.dark);
    if (fit) fit = refine(img, fit->circle, FINE_HALFWIDTH, coarse.dark);
    if (!fit) return std::nullopt;
    return LimbFit{fit->circle, fit->scatter, static_cast<int32_t>(fit->used)};
}

double limbscatter(const GrayImage& img, const Circle& limb) {
    if (!img.holdsdisk() || !fitsimage(limb, img.width, img.height)) return NAN;
    const float dark = reduceimage(img, COARSE_SIDE).dark;
    const std::vector<PixelXY> pts = edgepoints(img, limb, FINE_HALFWIDTH, dark);
    double sum = 0;
    size_t n = 0;
    for (const PixelXY& p : pts) {
        const double res = std::hypot(p.x - limb.cx, p.y - limb.cy) - limb.r;
        if (std::fabs(res) >= FINE_HALFWIDTH) continue;
        sum += res * res;
        ++n;
    }
    return n < LEAST_POINTS ? NAN : std::sqrt(sum / static_cast<double>(n));
}

}  // namespace quorvel
