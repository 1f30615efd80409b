#include "limbfind.h"

#include <algorithm>
#include <cmath>

#include "coarseedges.h"
#include "limbprofiles.h"
#include "messagetext.h"

namespace quorvel {
namespace {

constexpr int32_t COARSE_SIDE = 512;    // pixels a side of the reduced copy
constexpr double FINE_HALFWIDTH = 5;    // pixels either side of the limb in the last passes
constexpr int FINE_ROUNDS = 4;          // last passes at most, until the circle stays put
constexpr double SETTLED = 0.01;        // pixels the circle may still move after a last pass
constexpr size_t LEAST_POINTS = 12;
constexpr double LEAST_EXPLAINED = 0.5; // share of the profiles within the frame whose edge the circle keeps
constexpr int GRID = 64;                // samples a side of the inside and outside check
constexpr double BRIGHTER = 0.05;       // the inside over the outside, share of the image's range
const char* const NO_DISK = MESSAGE_TEXT("Message", "no solar disk was found");

/// Edge points of the image around a circle, and how many profiles lay within the frame.
std::vector<PixelXY> edgepoints(const GrayImage& img, const Circle& c, double halfwidth, float dark, EdgeKind kind,
                                size_t& visible) {
    const Profiles p = radialprofiles(img, c, halfwidth, halfwidth, dark);
    std::vector<PixelXY> pts;
    visible = 0;
    for (size_t i = 0; i < p.values.size(); ++i) {
        visible += !p.values[i].empty();
        const auto k = edgeof(p.values[i], kind);
        if (!k) continue;
        const double r = c.r + p.from + *k;
        pts.push_back({c.cx + r * std::cos(p.angles[i]), c.cy + r * std::sin(p.angles[i])});
    }
    return pts;
}

/// The circle the edge points around c lie on; nullopt when too few of them
/// do, or most of the profiles within the frame show no edge on it.
std::optional<CircleFit> refine(const GrayImage& img, const Circle& c, double halfwidth, float dark, EdgeKind kind) {
    size_t visible = 0;
    const std::vector<PixelXY> pts = edgepoints(img, c, halfwidth, dark, kind, visible);
    if (pts.size() < LEAST_POINTS) return std::nullopt;
    auto fit = robustcirclefit(pts, c);
    if (!fit || fit->used < LEAST_POINTS || !fitsimage(fit->circle, img.width, img.height)) return std::nullopt;
    if (static_cast<double>(fit->used) < LEAST_EXPLAINED * static_cast<double>(visible)) return std::nullopt;
    return fit;
}

double median(std::vector<double> v) {
    if (v.empty()) return NAN;
    const auto mid = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
    std::nth_element(v.begin(), mid, v.end());
    return *mid;
}

/// Whether the circle holds a disk: its inside (within 0.9 of the radius)
/// brighter than the band beyond its edge (1.1 to 1.3 radii, else the dark
/// level where that lies beyond the frame), the medians of a grid of samples.
bool brighterinside(const GrayImage& img, const Circle& c, float dark) {
    std::vector<double> inside, outside;
    double lo = INFINITY, hi = -INFINITY;
    for (int j = 0; j < GRID; ++j) {
        for (int i = 0; i < GRID; ++i) {
            const double x = c.cx + c.r * 1.3 * (2.0 * i / (GRID - 1) - 1), y = c.cy + c.r * 1.3 * (2.0 * j / (GRID - 1) - 1);
            const double v = sampleat(img, x, y, dark), q = std::hypot(x - c.cx, y - c.cy) / c.r;
            if (std::isnan(v)) continue;
            lo = std::min(lo, v), hi = std::max(hi, v);
            if (q <= 0.9) inside.push_back(v);
            else if (q >= 1.1 && q <= 1.3) outside.push_back(v);
        }
    }
    const double in = median(inside), out = outside.empty() ? dark : median(outside);
    return in - out > BRIGHTER * (hi - lo);
}

}  // namespace

Outcome findlimb(const GrayImage& img, LimbFit& limb) {
    if (!img.holdsdisk()) return Outcome::input(NO_DISK);
    const CoarseImage coarse = reduceimage(img, COARSE_SIDE);
    const auto rough = coarselimb(coarse);
    if (!rough) return Outcome::input(NO_DISK);
    Circle c{coarse.tofull(rough->cx), coarse.tofull(rough->cy), rough->r * coarse.factor};
    const double halfwidth = 2.5 * coarse.factor + 3;
    const EdgeLook look = edgelook(img, c, halfwidth, coarse.dark);
    const EdgeKind kind = look.kind;
    c.r += look.shift;
    if (!(c.r > SMALLEST_SIDE / 2)) return Outcome::input(NO_DISK);
    auto fit = refine(img, c, halfwidth, coarse.dark, kind);
    for (int round = 0; fit && round < FINE_ROUNDS; ++round) {
        const Circle was = fit->circle;
        fit = refine(img, was, FINE_HALFWIDTH, coarse.dark, kind);
        if (fit && std::fabs(fit->circle.cx - was.cx) + std::fabs(fit->circle.cy - was.cy) +
                           std::fabs(fit->circle.r - was.r) < SETTLED)
            break;
    }
    if (!fit) return Outcome::input(NO_DISK);
    if (kind != EdgeKind::line && !brighterinside(img, fit->circle, coarse.dark))
        return Outcome::input(MESSAGE_TEXT("Message", "no solar disk was found: the circle found is no brighter inside "
                                                      "than outside (a bright ring, or a coronagraph's occulter)"));
    limb = LimbFit{fit->circle, fit->scatter, static_cast<int32_t>(fit->used), kind == EdgeKind::ring};
    return Outcome::ok();
}

double limbscatter(const GrayImage& img, const Circle& limb) {
    if (!img.holdsdisk() || !fitsimage(limb, img.width, img.height)) return NAN;
    const float dark = reduceimage(img, COARSE_SIDE).dark;
    size_t visible = 0;
    const EdgeKind kind = edgelook(img, limb, FINE_HALFWIDTH, dark).kind;
    const std::vector<PixelXY> pts = edgepoints(img, limb, FINE_HALFWIDTH, dark, kind, visible);
    double sum = 0;
    size_t n = 0;
    for (const PixelXY& q : pts) {
        const double res = std::hypot(q.x - limb.cx, q.y - limb.cy) - limb.r;
        if (std::fabs(res) >= FINE_HALFWIDTH) continue;
        sum += res * res;
        ++n;
    }
    return n < LEAST_POINTS ? NAN : std::sqrt(sum / static_cast<double>(n));
}

}  // namespace quorvel
