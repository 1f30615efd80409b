#include "htransform.h"

#include <algorithm>

namespace quorvel::hcompress {
namespace {

/// Columns unshuffled together, so that each row is read in one run.
constexpr int STRIP = 64;

/// The coefficients at a (n of them, every stride-th) put back in their
/// order: the first half to the even places, the second half to the odd.
template <class T>
void unshuffle(T* a, int n, ptrdiff_t stride, std::vector<T>& tmp) {
    const int half = (n + 1) / 2;
    tmp.resize(static_cast<size_t>(n - half));
    for (int i = half; i < n; ++i) tmp[static_cast<size_t>(i - half)] = a[i * stride];
    for (int i = half - 1; i >= 0; --i) a[2 * i * stride] = a[i * stride];
    for (int i = 1; i < n; i += 2) a[i * stride] = tmp[static_cast<size_t>(i / 2)];
}

/// unshuffle down the first columns columns of rows rows (of stride ny) at
/// once, a strip of STRIP columns at a time, so that rows are read in runs.
template <class T>
void unshufflecolumns(T* a, int rows, int columns, int ny, std::vector<T>& tmp) {
    const int half = (rows + 1) / 2;
    for (int j0 = 0; j0 < columns; j0 += STRIP) {
        const int w = std::min(STRIP, columns - j0);
        const auto row = [&](int i) { return a + static_cast<ptrdiff_t>(i) * ny + j0; };
        tmp.resize(static_cast<size_t>((rows - half) * w));
        for (int i = half; i < rows; ++i) std::copy_n(row(i), w, &tmp[static_cast<size_t>((i - half) * w)]);
        for (int i = half - 1; i > 0; --i) std::copy_n(row(i), w, row(2 * i));
        for (int i = 1; i < rows; i += 2) std::copy_n(&tmp[static_cast<size_t>(i / 2 * w)], w, row(i));
    }
}

/// The rounding of one level of the inverse transform: bit0 the lowest bit
/// kept of the cross difference, twice it of the slopes.
struct Level {
    int64_t bit0, shift;
    template <class W>
    W round(W h, int64_t bit, bool last) const {  // h to a multiple of bit, halves away from zero
        const W half = bit >> 1, below = last && bit == bit0 ? 0 : half - 1;
        return (h + (h >= 0 ? half : below)) & -W{bit};
    }
};

/// One 2 x 2 block of coefficients (h0, hx below, hy after, hc below after,
/// each 0 where the block has no such place) back into its pixels p: first,
/// after, below, below after.
template <class W>
void invertvalues(W h0, W hx, W hy, W hc, const Level& v, bool last, W p[4]) {
    const int64_t bit1 = v.bit0 << 1;
    hx = v.round(hx, bit1, last), hy = v.round(hy, bit1, last), hc = v.round(hc, v.bit0, last);
    const W low0 = hc & v.bit0;
    hx = hx >= 0 ? hx - low0 : hx + low0;
    hy = hy >= 0 ? hy - low0 : hy + low0;
    const W low1 = (hc ^ hx ^ hy) & bit1;
    h0 = h0 >= 0 ? h0 + low0 - low1 : h0 + (low0 == 0 ? low1 : low0 - low1);
    p[0] = (h0 - hx - hy + hc) >> v.shift, p[1] = (h0 - hx + hy - hc) >> v.shift;
    p[2] = (h0 + hx - hy - hc) >> v.shift, p[3] = (h0 + hx + hy + hc) >> v.shift;
}

/// The block whose coefficients start at a00 (a10 the row below) back into pixels, in place.
template <class T>
void invertblock(T* a00, T* a10, bool after, bool below, const Level& v, bool last) {
    using W = Sum<T>;
    W p[4];
    invertvalues<W>(*a00, below ? W{*a10} : 0, after ? W{a00[1]} : 0, below && after ? W{a10[1]} : 0, v, last, p);
    *a00 = static_cast<T>(p[0]);
    if (after) a00[1] = static_cast<T>(p[1]);
    if (below) *a10 = static_cast<T>(p[2]);
    if (below && after) a10[1] = static_cast<T>(p[3]);
}

/// A slope change toward diff (in units of 1 / unit of the coefficient c),
/// within the monotone range [low, high) and smax either way.
template <class W>
W nudged(W c, W diff, W low, W high, int unit, int smax) {
    if (low >= high) return c;
    const W s = (std::clamp(diff, low, high) - c * unit) / unit;  // toward zero
    return c + std::clamp(s, W{-smax}, W{smax});
}

/// A slope (hx or hy) of a lossy image moved toward what the means before
/// (hm), at (h0) and after (hp) it suggest.
template <class W>
W smoothslope(W slope, W hm, W h0, W hp, int smax) {
    const W zero = 0;
    return nudged(slope, hp - hm, std::min(std::max(hp - h0, h0 - hm), zero) * 4,
                  std::max(std::min(hp - h0, h0 - hm), zero) * 4, 8, smax);
}

/// A cross difference moved toward what the four diagonal means (m minus,
/// p plus, x first) and the block's slopes suggest.
template <class W>
W smoothcross(W hc, W h0, W mm, W pm, W mp, W pp, W hx, W hy, int smax) {
    const W zero = 0, hx2 = hx * 2, hy2 = hy * 2;
    const W high = std::min(std::min(std::max(pp - h0, zero) - hx2 - hy2, std::max(h0 - pm, zero) + hx2 - hy2),
                            std::min(std::max(h0 - mp, zero) - hx2 + hy2, std::max(mm - h0, zero) + hx2 + hy2));
    const W low = std::max(std::max(std::min(pp - h0, zero) - hx2 - hy2, std::min(h0 - pm, zero) + hx2 - hy2),
                           std::max(std::min(h0 - mp, zero) - hx2 + hy2, std::min(mm - h0, zero) + hx2 + hy2));
    return nudged(hc, pp + mm - mp - pm, low * 16, high * 16, 64, smax);
}

/// Smoothing of a lossy image: the slopes and cross differences of the
/// nxtop x nytop block of a (rows of stride ny) moved toward what the
/// neighbouring means suggest, by at most half the scale.
template <class T>
void hsmooth(T* a, int nxtop, int nytop, ptrdiff_t ny, int scale) {
    const int smax = scale >> 1;
    if (smax <= 0) return;
    using W = Sum<T>;
    const ptrdiff_t ny2 = 2 * ny;
    for (int i = 2; i < nxtop - 2; i += 2)  // x slopes, from the means before and after in x
        for (int j = 0; j < nytop; j += 2) {
            T* p = a + ny * i + j;
            p[ny] = static_cast<T>(smoothslope<W>(p[ny], p[-ny2], p[0], p[ny2], smax));
        }
    for (int i = 0; i < nxtop; i += 2)  // y slopes
        for (int j = 2; j < nytop - 2; j += 2) {
            T* p = a + ny * i + j;
            p[1] = static_cast<T>(smoothslope<W>(p[1], p[-2], p[0], p[2], smax));
        }
    for (int i = 2; i < nxtop - 2; i += 2)  // cross differences, from the four diagonal means
        for (int j = 2; j < nytop - 2; j += 2) {
            T* p = a + ny * i + j;
            p[ny + 1] = static_cast<T>(smoothcross<W>(p[ny + 1], p[0], p[-ny2 - 2], p[ny2 - 2], p[-ny2 + 2], p[ny2 + 2],
                                                      p[ny], p[1], smax));
        }
}

}  // namespace

/// unshuffle of the nxtop x nytop part of a (rows of stride ny): each row's halves, then each column's.
template <class T>
void unshuffleboth(T* a, int nxtop, int nytop, ptrdiff_t ny, std::vector<T>& tmp) {
    for (int i = 0; i < nxtop; ++i) unshuffle(a + ny * i, nytop, 1, tmp);
    unshufflecolumns(a, nxtop, nytop, static_cast<int>(ny), tmp);
}

/// The inverse H-transform of the nx x ny coefficients at a (rows of stride
/// ny), in place, down to level stop (0: the whole transform).
template <class T>
void hinv(T* a, int nx, int ny, ptrdiff_t stride, bool smooth, int scale, int stop) {
    Levels at(nx, ny);
    if (at.count() == 0) return;
    Level v{int64_t{1} << (at.count() - 1), 1};
    a[0] = static_cast<T>(v.round(Sum<T>{a[0]}, v.bit0 << 2, false));
    std::vector<T> tmp;
    for (int k = at.count() - 1; k >= stop; --k, v.bit0 >>= 1) {
        at.next();
        const int nxtop = at.nxtop, nytop = at.nytop;
        const bool last = k == 0;
        v.shift = last ? 2 : 1;
        unshuffleboth(a, nxtop, nytop, stride, tmp);
        if (smooth) hsmooth(a, nxtop, nytop, stride, scale);
        for (int i = 0; i < nxtop; i += 2)
            for (int j = 0; j < nytop; j += 2) {
                T* a00 = a + stride * i + j;
                invertblock(a00, a00 + stride, j + 1 < nytop, i + 1 < nxtop, v, last);
            }
    }
}

/// The last level of the inverse transform of an nx x ny image, its
/// coefficients split: the means h0 in coarse ((nx + 1) / 2 x (ny + 1) / 2,
/// the levels before inverted), the rest in d (rows of stride ny) where the
/// pixels are written, as 32-bit values, over the low bits.
void lastlevel(const int64_t* coarse, Split d, int nx, int ny, bool smooth, int scale) {
    using W = Int128;
    const ptrdiff_t nyc = (ny + 1) / 2;
    const int smax = smooth ? scale >> 1 : 0;
    const auto mean = [&](int i, int j) { return W{coarse[nyc * (i / 2) + j / 2]}; };
    const Level v{1, 2};
    for (int i = 0; i < nx; i += 2)
        for (int j = 0; j < ny; j += 2) {
            const bool below = i + 1 < nx, after = j + 1 < ny;
            const ptrdiff_t at = static_cast<ptrdiff_t>(ny) * i + j;
            const W h0 = mean(i, j);
            W hx = below ? W{d.get(at + ny)} : 0, hy = after ? W{d.get(at + 1)} : 0;
            W hc = below && after ? W{d.get(at + ny + 1)} : 0;
            if (smax > 0) {  // as hsmooth, a block at a time
                if (i >= 2 && i < nx - 2) hx = smoothslope(hx, mean(i - 2, j), h0, mean(i + 2, j), smax);
                if (j >= 2 && j < ny - 2) hy = smoothslope(hy, mean(i, j - 2), h0, mean(i, j + 2), smax);
                if (i >= 2 && i < nx - 2 && j >= 2 && j < ny - 2)
                    hc = smoothcross(hc, h0, mean(i - 2, j - 2), mean(i + 2, j - 2), mean(i - 2, j + 2),
                                     mean(i + 2, j + 2), hx, hy, smax);
            }
            W p[4];
            invertvalues(h0, hx, hy, hc, v, true, p);
            d.low[at] = static_cast<uint32_t>(p[0]);
            if (after) d.low[at + 1] = static_cast<uint32_t>(p[1]);
            if (below) d.low[at + ny] = static_cast<uint32_t>(p[2]);
            if (below && after) d.low[at + ny + 1] = static_cast<uint32_t>(p[3]);
        }
}

template void unshuffleboth<uint32_t>(uint32_t*, int, int, ptrdiff_t, std::vector<uint32_t>&);
template void unshuffleboth<int8_t>(int8_t*, int, int, ptrdiff_t, std::vector<int8_t>&);
template void hinv<int32_t>(int32_t*, int, int, ptrdiff_t, bool, int, int);
template void hinv<int64_t>(int64_t*, int, int, ptrdiff_t, bool, int, int);

}  // namespace quorvel::hcompress
