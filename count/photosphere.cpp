#include "photosphere.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quorvel {
namespace {

constexpr size_t kTerms = 10;
constexpr double kDarkest = 0.96;   // of the model: darker samples are left out of the next round
constexpr double kBrightest = 1.1;  // of the model: brighter samples are left out too
constexpr int kRounds = 4;

struct Sample {
    double x, y, mu, v;  // disk radii, mu, brightness
};

std::array<double, kTerms> terms(const Sample& s) {
    return {1, s.mu, s.mu * s.mu, s.mu * s.mu * s.mu, s.x, s.y, s.x * s.mu, s.y * s.mu, s.x * s.x - s.y * s.y, s.x * s.y};
}

/// Solves m v = b by Gaussian elimination with partial pivoting; false when singular.
bool solve(std::array<std::array<double, kTerms + 1>, kTerms>& m, std::array<double, kTerms>& v) {
    for (size_t col = 0; col < kTerms; ++col) {
        size_t pivot = col;
        for (size_t r = col + 1; r < kTerms; ++r)
            if (std::fabs(m[r][col]) > std::fabs(m[pivot][col])) pivot = r;
        if (!(std::fabs(m[pivot][col]) > 1e-300)) return false;
        std::swap(m[col], m[pivot]);
        for (size_t r = col + 1; r < kTerms; ++r) {
            const double f = m[r][col] / m[col][col];
            for (size_t k = col; k <= kTerms; ++k) m[r][k] -= f * m[col][k];
        }
    }
    for (size_t i = kTerms; i-- > 0;) {
        double s = m[i][kTerms];
        for (size_t k = i + 1; k < kTerms; ++k) s -= m[i][k] * v[k];
        v[i] = s / m[i][i];
    }
    return true;
}

/// One least-squares round over the samples the previous model accepts (all at first).
bool fitround(const std::vector<Sample>& samples, PhotosphereFit& fit, bool first) {
    std::array<std::array<double, kTerms + 1>, kTerms> m{};
    int32_t used = 0;
    for (const Sample& s : samples) {
        if (!first) {
            const double ratio = s.v / fit.at(s.x, s.y, s.mu);
            if (!(ratio >= kDarkest && ratio <= kBrightest)) continue;
        }
        const auto t = terms(s);
        for (size_t i = 0; i < kTerms; ++i) {
            for (size_t k = 0; k < kTerms; ++k) m[i][k] += t[i] * t[k];
            m[i][kTerms] += t[i] * s.v;
        }
        ++used;
    }
    std::array<double, kTerms> v{};
    if (used < 100 || !solve(m, v)) return false;
    fit.c = v;
    fit.samples = used;
    return true;
}

}  // namespace

PhotosphereFit fitphotosphere(const GrayImage& image, const Circle& limb, double minmu) {
    PhotosphereFit fit;
    fit.limb = limb;
    if (image.empty() || !(limb.r > 0)) return fit;
    const double step = std::max(1.0, std::sqrt(std::numbers::pi * limb.r * limb.r / 200000.0));
    std::vector<Sample> samples;
    for (double py = std::max(0.0, std::ceil(limb.cy - limb.r)); py < std::min<double>(image.height, limb.cy + limb.r); py += step) {
        for (double px = std::max(0.0, std::ceil(limb.cx - limb.r)); px < std::min<double>(image.width, limb.cx + limb.r); px += step) {
            const double x = (px - limb.cx) / limb.r, y = (py - limb.cy) / limb.r, mu = muat(x, y);
            const float v = image.at(static_cast<int32_t>(px), static_cast<int32_t>(py));
            if (mu >= minmu && mu > 0 && std::isfinite(v)) samples.push_back({x, y, mu, v});
        }
    }
    PhotosphereFit trial = fit;
    for (int round = 0; round < kRounds; ++round) {
        if (!fitround(samples, trial, round == 0)) break;
        fit = trial;
    }
    return fit;
}

}  // namespace quorvel
