#include "spotfind.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "pixelset.h"

namespace quorvel {
namespace {

/// A region's pixels on a grid of its own: 0 outside, -1 unassigned, k > 0 the k-th core,
/// -1 - k a pixel given to the k-th core.
struct LocalGrid {
    int64_t x0 = 0, y0 = 0, w = 0, h = 0, width = 0;
    std::vector<int32_t> label;

    explicit LocalGrid(const std::vector<int64_t>& pixels, int32_t imagewidth) : width(imagewidth) {
        int64_t x1 = 0, y1 = 0;
        x0 = width, y0 = pixels.front() / width;
        for (int64_t i : pixels) {
            x0 = std::min(x0, i % width), x1 = std::max(x1, i % width);
            y0 = std::min(y0, i / width), y1 = std::max(y1, i / width);
        }
        w = x1 - x0 + 3, h = y1 - y0 + 3;  // a frame of one pixel all round
        label.assign(static_cast<size_t>(w * h), 0);
        for (int64_t i : pixels) at(i) = -1;
    }
    int32_t& at(int64_t i) { return label[static_cast<size_t>(local(i))]; }
    int64_t local(int64_t i) const { return (i / width - y0 + 1) * w + (i % width - x0 + 1); }
    int64_t image(int64_t k) const { return (k / w - 1 + y0) * width + (k % w - 1 + x0); }
};

constexpr int64_t kNeighbours = 8;

/// The pixels darker than the penumbra threshold, 1 in a mask of the image's size.
std::vector<uint8_t> darkmask(const SpotField& f) {
    const GrayImage& img = *f.image;
    std::vector<uint8_t> mask(static_cast<size_t>(img.width) * img.height, 0);
    const double r = f.frame.sun.radius, minmu2 = f.minmu * f.minmu, p = f.settings.penumbra;
    if (!(r > 0) || f.fit.samples == 0) return mask;
    const int64_t ylo = std::max<int64_t>(1, static_cast<int64_t>(std::ceil(f.frame.cy - r)));
    const int64_t yhi = std::min<int64_t>(img.height - 2, static_cast<int64_t>(std::floor(f.frame.cy + r)));
    const int64_t xlo = std::max<int64_t>(1, static_cast<int64_t>(std::ceil(f.frame.cx - r)));
    const int64_t xhi = std::min<int64_t>(img.width - 2, static_cast<int64_t>(std::floor(f.frame.cx + r)));
    const auto c = f.fit.c;  // a copy: the stores into the mask cannot alias it
    const double cx = f.frame.cx, perpixel = 1 / r;
    for (int64_t py = ylo; py <= yhi; ++py) {  // the frame's outermost pixels stay clear: no flood leaves the image
        const double y = (static_cast<double>(py) - f.frame.cy) / r, half = std::sqrt(std::max(0.0, 1 - y * y)) * r;
        const double rowterm = c[0] + c[5] * y - c[8] * y * y;  // the model's terms of y alone
        const float* row = img.pixels.data() + py * img.width;
        uint8_t* out = mask.data() + py * img.width;
        const int64_t from = std::max<int64_t>(xlo, static_cast<int64_t>(std::floor(f.frame.cx - half)));
        const int64_t to = std::min<int64_t>(xhi, static_cast<int64_t>(std::ceil(f.frame.cx + half)));
        for (int64_t px = from; px <= to; ++px) {  // no branch: the compiler may take several pixels at once
            const double x = (static_cast<double>(px) - cx) * perpixel, s = 1 - x * x - y * y;
            const double mu = std::sqrt(std::max(s, 0.0));
            const double model = rowterm + mu * (c[1] + mu * (c[2] + mu * c[3])) + x * (c[4] + c[6] * mu) +
                                 y * c[7] * mu + c[8] * x * x + c[9] * x * y;
            out[px] = (s >= minmu2) & (s > 0) & (model > 0) & (row[px] < p * model);
        }
    }
    return mask;
}

/// The cores of a region darker than the umbra threshold, at least minpx each, labelled 1, 2, ... in grid.
std::vector<std::vector<int64_t>> findcores(const SpotField& f, LocalGrid& grid, const std::vector<int64_t>& pixels,
                                            int32_t minpx) {
    std::vector<uint8_t> dark(grid.label.size(), 0);
    for (int64_t i : pixels) dark[static_cast<size_t>(grid.local(i))] = f.ratio(i) < f.settings.umbra;
    std::vector<std::vector<int64_t>> cores;
    for (int64_t i : pixels) {
        const int64_t k = grid.local(i);
        if (!dark[static_cast<size_t>(k)]) continue;
        dark[static_cast<size_t>(k)] = 0;
        std::vector<int64_t> core = floodfrom(k, grid.w, [&](int64_t n) {
            const bool take = dark[static_cast<size_t>(n)] != 0;
            dark[static_cast<size_t>(n)] = 0;
            return take;
        });
        if (static_cast<int32_t>(core.size()) < minpx) continue;
        cores.push_back(core);
        for (int64_t c : core) grid.label[static_cast<size_t>(c)] = static_cast<int32_t>(cores.size());
    }
    return cores;
}

/// Gives each unassigned pixel of the grid to its nearest core, growing all cores at once.
void sharepenumbra(LocalGrid& grid, const std::vector<std::vector<int64_t>>& cores) {
    std::vector<int64_t> front;
    for (const auto& core : cores) front.insert(front.end(), core.begin(), core.end());
    const int64_t w = grid.w;
    const int64_t steps[kNeighbours] = {-1, 1, -w - 1, -w, -w + 1, w - 1, w, w + 1};
    for (size_t head = 0; head < front.size(); ++head) {
        const int32_t l0 = grid.label[static_cast<size_t>(front[head])], owner = l0 > 0 ? l0 : -1 - l0;
        for (int64_t s : steps) {
            int32_t& l = grid.label[static_cast<size_t>(front[head] + s)];
            if (l == -1) l = -1 - owner, front.push_back(front[head] + s);
        }
    }
}

/// The spots of one region that passed the size and margin checks.
void addregion(const SpotField& f, const std::vector<int64_t>& pixels, int32_t minpx, SpotSurvey& out) {
    LocalGrid grid(pixels, f.image->width);
    const auto cores = findcores(f, grid, pixels, minpx);
    sharepenumbra(grid, cores);
    std::vector<Spot> spots(std::max<size_t>(1, cores.size()));
    size_t umbral = 0;
    for (size_t c = 0; c < cores.size(); ++c) {
        for (int64_t k : cores[c]) spots[c].pixels.push_back(grid.image(k));
        spots[c].umbrapx = static_cast<int32_t>(cores[c].size());
        umbral += cores[c].size();
    }
    for (int64_t i : pixels) {
        const int32_t l = grid.at(i);
        if (l == -1) spots[0].pixels.push_back(i);  // a pore: no core
        else if (l < -1) spots[static_cast<size_t>(-2 - l)].pixels.push_back(i);
    }
    const int32_t region = out.nextregion++;
    const bool penumbra = !cores.empty() && pixels.size() - umbral >= umbral;
    for (Spot& s : spots) {
        s.id = out.nextspot++;
        s.region = region;
        s.penumbra = penumbra;
        const PixelXY at = centroid(s.pixels, s.umbrapx > 0 ? static_cast<size_t>(s.umbrapx) : s.pixels.size(), f.image->width);
        measurepixels(f, at.x, at.y, s);
    }
    double regionmsh = 0;
    for (const Spot& s : spots) regionmsh += s.areamsh;
    for (Spot& s : spots) s.regionmsh = regionmsh;
    out.spots.insert(out.spots.end(), spots.begin(), spots.end());
}

}  // namespace

int32_t minimumpixels(double diameterpx) {
    return std::max(1, static_cast<int32_t>(std::ceil(std::numbers::pi / 4 * diameterpx * diameterpx - 1e-9)));
}

SpotSurvey findspots(const SpotField& f) {
    SpotSurvey out;
    std::vector<uint8_t> mask = darkmask(f);
    const int32_t minpx = minimumpixels(f.settings.minsizepx);
    const int32_t w = f.image->width;
    for (size_t i = 0; i < mask.size(); ++i) {
        if (!mask[i]) continue;
        mask[i] = 0;
        const std::vector<int64_t> pixels = floodfrom(static_cast<int64_t>(i), w, [&](int64_t n) {
            const bool take = mask[static_cast<size_t>(n)] != 0;
            mask[static_cast<size_t>(n)] = 0;
            return take;
        });
        const PixelXY c = centroid(pixels, pixels.size(), w);
        if (static_cast<int32_t>(pixels.size()) < minpx) ++out.ignoredsmall;
        else if (f.muatpoint(c.x, c.y) < f.settings.limbmargin) ++out.ignoredlimb;
        else addregion(f, pixels, minpx, out);
    }
    return out;
}

}  // namespace quorvel
