#include "circlefit.h"

#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

constexpr int ROUNDS = 4;            // rounds of leaving out and fitting again
constexpr int STEPS = 20;            // Gauss-Newton steps a round at most
constexpr double KEEP_SIGMAS = 2.5;  // robust standard deviations a kept point may lie off
constexpr double KEEP_LEAST = 0.5;   // pixels: the band always kept
constexpr double START_SIGMAS = 3;   // robust standard deviations about the start's median distance, first round

/// Solves the 3 x 3 system m v = b by Cramer's rule; false when singular.
bool solve3(const double m[3][3], const double b[3], double v[3]) {
    auto det = [](const double a[3][3]) {
        return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
               a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    };
    const double d = det(m);
    if (!(std::fabs(d) > 1e-300)) return false;
    for (int k = 0; k < 3; ++k) {
        double t[3][3];
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) t[i][j] = j == k ? b[i] : m[i][j];
        v[k] = det(t) / d;
    }
    return true;
}

/// Least-squares circle of the kept points by Gauss-Newton steps from c.
bool geometricfit(const std::vector<PixelXY>& pts, const std::vector<bool>& keep, Circle& c) {
    for (int step = 0; step < STEPS; ++step) {
        double m[3][3] = {}, b[3] = {};
        for (size_t i = 0; i < pts.size(); ++i) {
            if (!keep[i]) continue;
            const double dx = pts[i].x - c.cx, dy = pts[i].y - c.cy, d = std::hypot(dx, dy);
            if (d == 0) continue;
            const double j[3] = {-dx / d, -dy / d, -1};
            const double res = d - c.r;
            for (int a = 0; a < 3; ++a) {
                b[a] -= j[a] * res;
                for (int k = 0; k < 3; ++k) m[a][k] += j[a] * j[k];
            }
        }
        double v[3];
        if (!solve3(m, b, v)) return false;
        c.cx += v[0];
        c.cy += v[1];
        c.r += v[2];
        if (!(c.r > 0)) return false;
        if (std::fabs(v[0]) + std::fabs(v[1]) + std::fabs(v[2]) < 1e-9 * (1 + c.r)) break;
    }
    return std::isfinite(c.cx) && std::isfinite(c.cy) && std::isfinite(c.r);
}

double median(std::vector<double> v) {
    const auto mid = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
    std::nth_element(v.begin(), mid, v.end());
    return *mid;
}

}  // namespace

bool fitsimage(const Circle& c, double width, double height) {
    const double diagonal = std::hypot(width, height);
    return c.r > 0 && c.r < diagonal && c.cx > -diagonal && c.cx < width + diagonal && c.cy > -diagonal &&
           c.cy < height + diagonal;
}

std::optional<Circle> circlethrough(PixelXY a, PixelXY b, PixelXY c) {
    const double bx = b.x - a.x, by = b.y - a.y, cx = c.x - a.x, cy = c.y - a.y;
    const double d = 2 * (bx * cy - by * cx);
    const double scale = (bx * bx + by * by) + (cx * cx + cy * cy);
    if (!(std::fabs(d) > 1e-9 * scale)) return std::nullopt;
    const double b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
    const double ux = (cy * b2 - by * c2) / d, uy = (bx * c2 - cx * b2) / d;
    return Circle{a.x + ux, a.y + uy, std::hypot(ux, uy)};
}

std::optional<CircleFit> robustcirclefit(const std::vector<PixelXY>& pts, Circle start) {
    if (pts.size() < 3) return std::nullopt;
    Circle c = start;
    std::vector<double> res(pts.size()), off(pts.size());
    for (size_t i = 0; i < pts.size(); ++i) res[i] = std::hypot(pts[i].x - c.cx, pts[i].y - c.cy) - c.r;
    const double mid = median(res);  // the first round keeps the points near the start's typical distance
    for (size_t i = 0; i < pts.size(); ++i) off[i] = std::fabs(res[i] - mid);
    const double first = std::max(2 * KEEP_LEAST, START_SIGMAS * 1.4826 * median(off));
    std::vector<bool> keep(pts.size());
    for (size_t i = 0; i < pts.size(); ++i) keep[i] = off[i] <= first;
    for (int round = 0; round < ROUNDS; ++round) {
        if (std::count(keep.begin(), keep.end(), true) < 3 || !geometricfit(pts, keep, c)) return std::nullopt;
        for (size_t i = 0; i < pts.size(); ++i) res[i] = std::hypot(pts[i].x - c.cx, pts[i].y - c.cy) - c.r;
        std::vector<double> kept;
        for (size_t i = 0; i < pts.size(); ++i)
            if (keep[i]) kept.push_back(std::fabs(res[i]));
        const double band = std::max(KEEP_LEAST, KEEP_SIGMAS * 1.4826 * median(kept));
        for (size_t i = 0; i < pts.size(); ++i) keep[i] = std::fabs(res[i]) <= band;
    }
    CircleFit fit{c, 0, 0};
    double sum = 0;
    for (size_t i = 0; i < pts.size(); ++i) {
        if (!keep[i]) continue;
        sum += res[i] * res[i];
        ++fit.used;
    }
    if (fit.used < 3) return std::nullopt;
    fit.scatter = std::sqrt(sum / static_cast<double>(fit.used));
    return fit;
}

}  // namespace quorvel
