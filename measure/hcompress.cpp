#include "hcompress.h"

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <utility>
#include <vector>

namespace quorvel {
namespace {

/// Bytes of the stream's header: a magic number, the two sizes, the scale,
/// the sum of all pixels and the bit planes of the three kinds of quadrant.
constexpr size_t HEADER_BYTES = 25;

/// The unsigned big-endian number of n bytes at bytes.
uint64_t bigendian(const unsigned char* bytes, int n) {
    uint64_t v = 0;
    for (int i = 0; i < n; ++i) v = v << 8 | bytes[i];
    return v;
}

/// Columns unshuffled together, so that each row is read in one run.
constexpr int STRIP = 64;

/// The type sums of coefficients of type T are taken in: wide enough that
/// no sum of a damaged stream's values overflows.
__extension__ using Int128 = __int128;
template <class T>
using Sum = std::conditional_t<sizeof(T) == 8, Int128, int64_t>;

/// The stream's bits, most significant first, read from its source a piece
/// at a time; zeros past its end, noted.
class BitStream {
public:
    explicit BitStream(ByteSource& source) : source_(source) {}
    /// The next whole byte, whatever bits are held.
    unsigned byte() {
        if (next_ == size_ && !refill()) {
            overrun_ = true;
            return 0;
        }
        return piece_[next_++];
    }
    /// The next n whole bytes into out; false when the stream ends before them.
    bool take(unsigned char* out, size_t n) {
        for (size_t i = 0; i < n; ++i) out[i] = static_cast<unsigned char>(byte());
        return !overrun_;
    }
    int bits(int n) {  // n <= 8
        if (held_ < n) buffer_ = (buffer_ << 8) | byte(), held_ += 8;
        held_ -= n;
        return static_cast<int>((buffer_ >> held_) & ((1u << n) - 1));
    }
    /// n 4-bit values in turn into out.
    void nybbles(int n, unsigned char* out) {
        int k = 0;
        if (held_ == 0 || held_ == 4) {  // on a byte or half a byte: the bytes as they come
            unsigned pending = buffer_ & 15;  // the half byte held, when there is one
            while (k + 1 < n && (next_ < size_ || refill())) {
                const size_t have = std::min(static_cast<size_t>((n - k) / 2), size_ - next_);
                unsigned char* to = out + k;
                for (size_t b = 0; b < have; ++b) {
                    const unsigned byte = piece_[next_ + b];
                    to[2 * b] = static_cast<unsigned char>(held_ ? pending : byte >> 4);
                    to[2 * b + 1] = static_cast<unsigned char>(held_ ? byte >> 4 : byte & 15);
                    pending = byte & 15;
                }
                next_ += have, k += static_cast<int>(2 * have);
            }
            buffer_ = (buffer_ & ~15u) | pending;
        }
        for (; k + 1 < n; k += 2) {
            const int pair = bits(8);
            out[k] = static_cast<unsigned char>(pair >> 4), out[k + 1] = static_cast<unsigned char>(pair & 15);
        }
        if (n % 2) out[n - 1] = static_cast<unsigned char>(bits(4));
    }
    /// The sign of each value of a[0, n) not zero, a bit each (1 negative);
    /// the first run from a byte boundary, each next one on from the last.
    template <class T>
    void signs(T* a, size_t n) {
        for (size_t i = 0; i < n; ++i) {
            if (a[i] == 0) continue;
            const T negative = static_cast<T>(signbit());
            a[i] = (a[i] ^ -negative) + negative;  // without a branch: the signs are as good as random
        }
    }
    /// The same for n coefficients split in two (Split).
    void signs(uint32_t* low, int8_t* high, size_t n);
    bool overrun() const { return overrun_; }
    /// A 4-bit quadtree code, by its fixed Huffman code of 3 to 6 bits.
    int huffman() {
        int c = bits(3);
        if (c < 4) return 1 << c;
        c = (c << 1) | bits(1);
        static const int FOUR[] = {3, 5, 10, 12, 15};  // codes 8 to 12
        if (c < 13) return FOUR[c - 8];
        c = (c << 1) | bits(1);
        static const int FIVE[] = {6, 7, 9, 11, 13};  // codes 26 to 30
        if (c < 31) return FIVE[c - 26];
        return ((c << 1) | bits(1)) == 62 ? 0 : 14;
    }

private:
    unsigned signbit() {
        if (signsleft_ == 0) signbyte_ = byte(), signsleft_ = 8;
        return (signbyte_ >> --signsleft_) & 1;
    }
    bool refill() {
        size_ = source_.next(piece_), next_ = 0;
        return size_ > 0;
    }

    ByteSource& source_;
    const unsigned char* piece_ = nullptr;
    size_t size_ = 0, next_ = 0;
    uint32_t buffer_ = 0;
    int held_ = 0;
    unsigned signbyte_ = 0;
    int signsleft_ = 0;
    bool overrun_ = false;
};

/// Coefficients of up to 40 bits in two arrays of the same layout: the low
/// 32 bits in one, the bits above them in the other (none where every value
/// fits in 32 bits).
struct Split {
    uint32_t* low;
    int8_t* high;  ///< null: the low bits alone, signed
    int64_t get(ptrdiff_t i) const {
        return high ? static_cast<int64_t>(uint64_t{low[i]} | static_cast<uint64_t>(int64_t{high[i]}) << 32)
                    : int64_t{static_cast<int32_t>(low[i])};
    }
    void set(ptrdiff_t i, int64_t v) const {
        low[i] = static_cast<uint32_t>(v);
        if (high) high[i] = static_cast<int8_t>(v >> 32);
    }
};

void BitStream::signs(uint32_t* low, int8_t* high, size_t n) {
    const Split a{low, high};
    for (size_t i = 0; i < n; ++i) {
        const auto k = static_cast<ptrdiff_t>(i);
        if (low[i] == 0 && (!high || high[i] == 0)) continue;
        if (signbit()) a.set(k, -a.get(k));
    }
}

/// Planes of bit planes of the nqx x nqy quadrant at a (rows of stride n)
/// set from the 4-bit codes of its 2 x 2 blocks, the codes of plane p at
/// codes + p * stride and its bit bits[p]: in each code the highest bit the
/// block's first pixel, then the one after it, the one below it, the one
/// below after. All the planes in one pass over the quadrant.
template <class T>
void setbits(const unsigned char* codes, size_t stride, int planes, const int* bits, int nqx, int nqy, T* a, int n) {
    for (int i = 0, k = 0; i < nqx; i += 2)
        for (int j = 0; j < nqy; j += 2, ++k) {
            T b[4] = {0, 0, 0, 0};
            for (int p = 0; p < planes; ++p) {
                const T c = codes[static_cast<size_t>(p) * stride + static_cast<size_t>(k)];
                const int bit = bits[p];
                b[0] |= ((c >> 3) & 1) << bit, b[1] |= ((c >> 2) & 1) << bit;
                b[2] |= ((c >> 1) & 1) << bit, b[3] |= (c & 1) << bit;
            }
            T* at = a + static_cast<ptrdiff_t>(n) * i + j;
            at[0] |= b[0];
            if (j + 1 < nqy) at[1] |= b[1];
            if (i + 1 < nqx) at[n] |= b[2];
            if (i + 1 < nqx && j + 1 < nqy) at[n + 1] |= b[3];
        }
}

/// The same for one plane of few codes set: only the blocks they code visited.
template <class T>
void setsparse(const unsigned char* codes, size_t stride, int bit, int nqx, int nqy, T* a, int n) {
    if (nqx < 1 || nqy < 1) return;
    const size_t across = static_cast<size_t>((nqy + 1) / 2);
    for (size_t k = 0; k < stride; ++k) {
        if (uint64_t eight; k % 8 == 0 && k + 8 <= stride && (std::memcpy(&eight, codes + k, 8), eight == 0)) {
            k += 7;  // eight blocks without a bit
            continue;
        }
        const unsigned c = codes[k];
        if (c == 0) continue;
        const int i = 2 * static_cast<int>(k / across), j = 2 * static_cast<int>(k % across);
        T* at = a + static_cast<ptrdiff_t>(n) * i + j;
        at[0] |= static_cast<T>(T((c >> 3) & 1) << bit);
        if (j + 1 < nqy) at[1] |= static_cast<T>(T((c >> 2) & 1) << bit);
        if (i + 1 < nqx) at[n] |= static_cast<T>(T((c >> 1) & 1) << bit);
        if (i + 1 < nqx && j + 1 < nqy) at[n + 1] |= static_cast<T>(T(c & 1) << bit);
    }
}

/// One quadtree step: the (nx+1)/2 x (ny+1)/2 codes at the start of s become
/// nx x ny bits (each code a 2 x 2 block), and each bit set is replaced by
/// the next code of the stream.
void expand(BitStream& in, unsigned char* s, int nx, int ny) {
    const int nx2 = (nx + 1) / 2, ny2 = (ny + 1) / 2;
    for (int i = nx2 - 1; i >= 0; --i)  // from the end: the codes are read before they are written over
        for (int j = ny2 - 1; j >= 0; --j) {
            const int c = s[static_cast<size_t>(i * ny2 + j)];
            const int at = 2 * i * ny + 2 * j;
            s[static_cast<size_t>(at)] = (c >> 3) & 1;
            if (j * 2 + 1 < ny) s[static_cast<size_t>(at + 1)] = (c >> 2) & 1;
            if (i * 2 + 1 < nx) s[static_cast<size_t>(at + ny)] = (c >> 1) & 1;
            if (i * 2 + 1 < nx && j * 2 + 1 < ny) s[static_cast<size_t>(at + ny + 1)] = c & 1;
        }
    for (int i = nx * ny - 1; i >= 0; --i)
        if (s[static_cast<size_t>(i)]) s[static_cast<size_t>(i)] = static_cast<unsigned char>(in.huffman());
}

/// Bit planes decoded before they are set together: fewer passes over the coefficients.
constexpr int PLANES_A_PASS = 4;
/// A plane with fewer than one code in SPARSE set is set on its own, its zeros skipped.
constexpr size_t SPARSE = 16;

/// The bit planes of one quadrant of nqx x nqy coefficients at a (rows of
/// stride n), the highest first; where high is given, the planes from 32 up
/// into high at the same places instead (Split).
template <class T>
bool decodequadrant(BitStream& in, T* a, int8_t* high, int n, int nqx, int nqy, int planes) {
    int log2n = 0;
    while ((1 << log2n) < std::max(nqx, nqy)) ++log2n;
    const int nqx2 = (nqx + 1) / 2, nqy2 = (nqy + 1) / 2;
    // the codes of each step: an empty quadrant (nqx or nqy 0) still steps through 1 x n of them
    const size_t stride = static_cast<size_t>(std::max(1, nqx2) * std::max(1, nqy2));
    std::vector<unsigned char> held(stride * static_cast<size_t>(std::min(planes, PLANES_A_PASS)));
    int bits[PLANES_A_PASS], count = 0;
    const auto place = [&](int bit, auto set) {  // a plane's bits where they belong: high from 32 up
        if (high && bit >= 32) set(high, bit - 32);
        else set(a, bit);
    };
    const auto flush = [&] {
        const int from = high && bits[0] >= 32 ? 32 : 0;
        for (int p = 0; p < count; ++p) bits[p] -= from;
        place(from, [&](auto* to, int) { setbits(held.data(), stride, count, bits, nqx, nqy, to, n); });
        count = 0;
    };
    for (int bit = planes - 1; bit >= 0 && !in.overrun(); --bit) {
        unsigned char* s = held.data() + stride * static_cast<size_t>(count);
        const int kind = in.bits(4);
        bool dense = true;
        if (kind == 0) {  // the plane's codes as they are
            in.nybbles(nqx2 * nqy2, s);
        } else if (kind == 0xf) {  // quadtree-coded
            if ((s[0] = static_cast<unsigned char>(in.huffman())) == 0) continue;  // a plane of zeros
            for (int k = 1, c = 1 << log2n, nx = 1, ny = 1, fx = nqx, fy = nqy; k < log2n; ++k) {
                c >>= 1, nx <<= 1, ny <<= 1;
                fx <= c ? --nx : fx -= c;
                fy <= c ? --ny : fy -= c;
                expand(in, s, nx, ny);
            }
            dense = static_cast<size_t>(std::count_if(s, s + stride, [](unsigned char c) { return c != 0; })) * SPARSE > stride;
        } else {
            return false;
        }
        if (high && count > 0 && bits[0] >= 32 && bit < 32) flush();  // a pass sets one array
        if (!dense) {
            place(bit, [&](auto* to, int b) { setsparse(s, stride, b, nqx, nqy, to, n); });
            continue;
        }
        if (s != held.data() + stride * static_cast<size_t>(count))  // the pass just flushed
            std::memmove(held.data() + stride * static_cast<size_t>(count), s, stride);
        bits[count++] = bit;
        if (count == PLANES_A_PASS) flush();
    }
    if (count > 0) flush();
    return !in.overrun();
}

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

/// The stream's header: a magic number, the sizes, the scale, the sum of all
/// pixels and the bit planes of the three kinds of quadrant.
struct Header {
    int nx = 0, ny = 0, scale = 0;
    int64_t sum = 0;
    int planes[3] = {};  ///< of the means' quadrant, of the slopes', of the cross differences'
    /// From the stream's first bytes; false where they are not a header.
    bool read(BitStream& in) {
        unsigned char b[HEADER_BYTES];
        if (!in.take(b, HEADER_BYTES) || b[0] != 0xDD || b[1] != 0x99) return false;
        nx = static_cast<int32_t>(bigendian(b + 2, 4)), ny = static_cast<int32_t>(bigendian(b + 6, 4));
        scale = static_cast<int32_t>(bigendian(b + 10, 4));
        sum = static_cast<int64_t>(bigendian(b + 14, 8));
        for (int q = 0; q < 3; ++q) planes[q] = b[22 + q];
        return true;
    }
    /// Whether it describes count pixels in at most most bit planes.
    bool holds(size_t count, int most) const {
        return nx >= 1 && ny >= 1 && static_cast<uint64_t>(nx) * static_cast<uint64_t>(ny) == count &&
               std::max({planes[0], planes[1], planes[2]}) <= most;
    }
};

/// The stream after its header h decoded in sums of T, every coefficient in out.
template <class T>
bool decodeall(BitStream& in, const Header& h, size_t count, bool smooth, T* out) {
    if (!h.holds(count, static_cast<int>(sizeof(T)) * 8 - 1)) return false;
    std::fill_n(out, count, T{0});
    const int nx = h.nx, ny = h.ny, nx2 = (nx + 1) / 2, ny2 = (ny + 1) / 2;
    const ptrdiff_t down = static_cast<ptrdiff_t>(ny) * nx2;
    if (!decodequadrant(in, out, nullptr, ny, nx2, ny2, h.planes[0]) ||
        !decodequadrant(in, out + ny2, nullptr, ny, nx2, ny / 2, h.planes[1]) ||
        !decodequadrant(in, out + down, nullptr, ny, nx / 2, ny2, h.planes[1]) ||
        !decodequadrant(in, out + down + ny2, nullptr, ny, nx / 2, ny / 2, h.planes[2]) || in.bits(4) != 0)
        return false;
    in.signs(out, count);
    if (in.overrun()) return false;
    out[0] = static_cast<T>(h.sum);
    for (size_t i = 0; i < count && h.scale > 1; ++i) out[i] = static_cast<T>(Sum<T>{out[i]} * h.scale);
    hinv(out, nx, ny, ny, smooth, h.scale, 0);
    return true;
}

/// Bits a coefficient other than a mean may take in the split decoding, its
/// sign included: 32-bit pixels give at most 35 (a cross difference of four
/// of them, its rounding, a scale's error).
constexpr int SPLIT_BITS = 40;

/// The stream of 32-bit pixels after its header h decoded with the means in
/// 64 bits (a quarter of the pixels), the other coefficients split (Split)
/// over out and a byte each more, only where they need it.
bool decodesplit(BitStream& in, const Header& h, size_t count, bool smooth, int32_t* out) {
    if (!h.holds(count, 63)) return false;
    const int nx = h.nx, ny = h.ny, nx2 = (nx + 1) / 2, ny2 = (ny + 1) / 2;
    const int64_t scale = std::max(1, h.scale), detail = std::max(h.planes[1], h.planes[2]);
    if (detail >= SPLIT_BITS - 1 || (int64_t{1} << detail) > (int64_t{1} << (SPLIT_BITS - 1)) / scale) return false;
    const bool narrow = (int64_t{1} << detail) <= (int64_t{1} << 31) / scale;
    std::vector<int64_t> coarse(static_cast<size_t>(nx2) * static_cast<size_t>(ny2), 0);
    std::vector<int8_t> high(narrow ? 0 : count, 0);
    auto* low = reinterpret_cast<uint32_t*>(out);
    std::fill_n(low, count, 0u);
    const Split d{low, narrow ? nullptr : high.data()};
    int8_t* const up = d.high;
    const ptrdiff_t down = static_cast<ptrdiff_t>(ny) * nx2;
    if (!decodequadrant(in, coarse.data(), nullptr, ny2, nx2, ny2, h.planes[0]) ||
        !decodequadrant(in, low + ny2, up ? up + ny2 : nullptr, ny, nx2, ny / 2, h.planes[1]) ||
        !decodequadrant(in, low + down, up ? up + down : nullptr, ny, nx / 2, ny2, h.planes[1]) ||
        !decodequadrant(in, low + down + ny2, up ? up + down + ny2 : nullptr, ny, nx / 2, ny / 2, h.planes[2]) ||
        in.bits(4) != 0)
        return false;
    for (int i = 0; i < nx; ++i) {  // the signs in the order of the whole image
        const ptrdiff_t row = static_cast<ptrdiff_t>(ny) * i, from = i < nx2 ? ny2 : 0;
        if (i < nx2) in.signs(&coarse[static_cast<size_t>(ny2) * static_cast<size_t>(i)], static_cast<size_t>(ny2));
        in.signs(low + row + from, up ? up + row + from : nullptr, static_cast<size_t>(ny - from));
    }
    if (in.overrun()) return false;
    coarse[0] = h.sum;
    for (int64_t& c : coarse) c = static_cast<int64_t>(Int128{c} * scale);
    for (size_t i = 0; i < count && scale > 1; ++i) d.set(static_cast<ptrdiff_t>(i), d.get(static_cast<ptrdiff_t>(i)) * scale);
    hinv(coarse.data(), nx, ny, ny2, smooth, h.scale, 1);
    std::vector<uint32_t> tmp;
    unshuffleboth(low, nx, ny, ny, tmp);
    if (up) {
        std::vector<int8_t> tmp8;
        unshuffleboth(up, nx, ny, ny, tmp8);
    }
    if (Levels(nx, ny).count() == 0) out[0] = static_cast<int32_t>(coarse[0]);
    else lastlevel(coarse.data(), d, nx, ny, smooth, h.scale);
    return true;
}

/// Whether every value of a stream with header h, and every value its
/// inverse transform passes through, fits in 32 bits with room to spare, so
/// that decodeall<int32_t> decodes it exactly: from the sum of all pixels,
/// the scale and the bit planes (a 32-bit image of 16-bit values, as cameras
/// write them, but not one that uses its whole range).
bool narrowsums(const Header& h) {
    const int64_t nx = h.nx, ny = h.ny, scale = std::max(1, h.scale);  // 0 or 1: lossless
    const int planes = std::max({h.planes[0], h.planes[1], h.planes[2]});
    constexpr int64_t ROOM = int64_t{1} << 30;  // half the 32-bit range
    if (nx < 1 || ny < 1 || nx > ROOM || ny > ROOM || scale > ROOM || planes > 28) return false;
    if (h.sum <= -ROOM || h.sum >= ROOM || (int64_t{1} << planes) > ROOM / scale) return false;
    // A coefficient with its scale, smoothing and rounding; each level halves at
    // least what it adds to the three coefficients of a block, so no value
    // passes the top's sum or three coefficients by more than the rounding.
    const int64_t rounding = 8 * std::max(nx, ny);
    const int64_t coefficient = (int64_t{1} << planes) * scale + scale + rounding;
    return std::abs(h.sum) * scale + rounding < ROOM && 3 * coefficient < ROOM;
}

/// A stream held in memory, as one piece.
class MemorySource : public ByteSource {
public:
    MemorySource(const unsigned char* bytes, size_t size) : bytes_(bytes), size_(size) {}
    size_t next(const unsigned char*& piece) override {
        piece = bytes_;
        return std::exchange(size_, 0);
    }

private:
    const unsigned char* bytes_;
    size_t size_;
};

}  // namespace

bool hdecompress(ByteSource& stream, size_t count, bool smooth, bool pixels32, int32_t* out) {
    BitStream in(stream);
    Header h;
    if (!h.read(in)) return false;
    if (!pixels32 || narrowsums(h)) return decodeall(in, h, count, smooth, out);
    return decodesplit(in, h, count, smooth, out);
}

bool hdecompress(const unsigned char* bytes, size_t size, size_t count, bool smooth, bool pixels32, int32_t* out) {
    MemorySource stream(bytes, size);
    return hdecompress(stream, count, smooth, pixels32, out);
}

}  // namespace quorvel
