// The inverse H-transform of the HCOMPRESS_1 code: level by level, from
// the coarsest means to the pixels, smoothed where the image is lossy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "hbitstream.h"

namespace quorvel::hcompress {

/// The type sums of coefficients of type T are taken in: wide enough that
/// no sum of a damaged stream's values overflows.
__extension__ using Int128 = __int128;
template <class T>
using Sum = std::conditional_t<sizeof(T) == 8, Int128, int64_t>;

/// The size of the image's top-left part each level of the inverse
/// transform works on, from the coarsest (levels - 1) to the last (0).
class Levels {
public:
    Levels(int nx, int ny) : nxf_(nx), nyf_(ny) {
        while ((1 << log2n_) < std::max(nx, ny)) ++log2n_;
        c_ = 1 << log2n_;
    }
    int count() const { return log2n_; }
    /// Steps to the next level: nxtop x nytop its part.
    void next() {
        c_ >>= 1, nxtop <<= 1, nytop <<= 1;
        nxf_ <= c_ ? --nxtop : nxf_ -= c_;
        nyf_ <= c_ ? --nytop : nyf_ -= c_;
    }
    int nxtop = 1, nytop = 1;

private:
    int log2n_ = 0, c_ = 1, nxf_, nyf_;
};

/// unshuffle of the nxtop x nytop part of a (rows of stride ny): each row's halves, then each column's.
template <class T>
void unshuffleboth(T* a, int nxtop, int nytop, ptrdiff_t ny, std::vector<T>& tmp);

/// The inverse H-transform of the nx x ny coefficients at a (rows of stride
/// ny), in place, down to level stop (0: the whole transform).
template <class T>
void hinv(T* a, int nx, int ny, ptrdiff_t stride, bool smooth, int scale, int stop);

/// The last level of the inverse transform of an nx x ny image, its
/// coefficients split: the means h0 in coarse ((nx + 1) / 2 x (ny + 1) / 2,
/// the levels before inverted), the rest in d (rows of stride ny) where the
/// pixels are written, as 32-bit values, over the low bits.
void lastlevel(const int64_t* coarse, Split d, int nx, int ny, bool smooth, int scale);

}  // namespace quorvel::hcompress
