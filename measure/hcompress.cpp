#include "hcompress.h"

#include <algorithm>
#include <type_traits>
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

/// The stream's bits, most significant first; zeros past its end, noted.
class BitStream {
public:
    BitStream(const unsigned char* bytes, size_t size) : bytes_(bytes), size_(size) {}
    int bits(int n) {  // n <= 8
        if (held_ < n) {
            buffer_ = (buffer_ << 8) | (next_ < size_ ? bytes_[next_] : 0u);
            overrun_ = overrun_ || next_ >= size_;
            ++next_, held_ += 8;
        }
        held_ -= n;
        return static_cast<int>((buffer_ >> held_) & ((1u << n) - 1));
    }
    /// n 4-bit values in turn into out.
    void nybbles(int n, unsigned char* out) {
        int k = 0;
        if (held_ == 0 || held_ == 4) {  // on a byte or half a byte: the bytes as they come
            const size_t whole = static_cast<size_t>(n / 2), have = next_ < size_ ? std::min(whole, size_ - next_) : 0;
            unsigned pending = buffer_ & 15;  // the half byte held, when there is one
            for (size_t b = 0; b < have; ++b) {
                const unsigned byte = bytes_[next_ + b];
                out[2 * b] = static_cast<unsigned char>(held_ ? pending : byte >> 4);
                out[2 * b + 1] = static_cast<unsigned char>(held_ ? byte >> 4 : byte & 15);
                pending = byte & 15;
            }
            next_ += have, buffer_ = (buffer_ & ~15u) | pending, k = static_cast<int>(2 * have);
        }
        for (; k + 1 < n; k += 2) {
            const int pair = bits(8);
            out[k] = static_cast<unsigned char>(pair >> 4), out[k + 1] = static_cast<unsigned char>(pair & 15);
        }
        if (n % 2) out[n - 1] = static_cast<unsigned char>(bits(4));
    }
    /// The sign of each value of a[0, n) not zero, a bit each (1 negative), from a byte boundary.
    template <class T>
    void signs(T* a, size_t n) {
        unsigned byte = 0;
        int left = 0;
        for (size_t i = 0; i < n; ++i) {
            if (a[i] == 0) continue;
            if (left == 0) {
                overrun_ = overrun_ || next_ >= size_;
                byte = next_ < size_ ? bytes_[next_] : 0u, ++next_, left = 8;
            }
            const T negative = static_cast<T>((byte >> --left) & 1);
            a[i] = (a[i] ^ -negative) + negative;  // without a branch: the signs are as good as random
        }
    }
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
    const unsigned char* bytes_;
    size_t size_, next_ = HEADER_BYTES;
    uint32_t buffer_ = 0;
    int held_ = 0;
    bool overrun_ = false;
};

/// Planes of bit planes, from top down, of the nqx x nqy quadrant at a
/// (rows of stride n) set from the 4-bit codes of its 2 x 2 blocks, the
/// codes of plane p at codes + p * stride: in each code the highest bit the
/// block's first pixel, then the one after it, the one below it, the one
/// below after. All the planes in one pass over the quadrant.
template <class T>
void setbits(const unsigned char* codes, size_t stride, int planes, int top, int nqx, int nqy, T* a, int n) {
    for (int i = 0, k = 0; i < nqx; i += 2)
        for (int j = 0; j < nqy; j += 2, ++k) {
            T b[4] = {0, 0, 0, 0};
            for (int p = 0; p < planes; ++p) {
                const T c = codes[static_cast<size_t>(p) * stride + static_cast<size_t>(k)];
                const int bit = top - p;
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

/// The bit planes of one quadrant of nqx x nqy coefficients at a (rows of stride n), the highest first.
template <class T>
bool decodequadrant(BitStream& in, T* a, int n, int nqx, int nqy, int planes) {
    int log2n = 0;
    while ((1 << log2n) < std::max(nqx, nqy)) ++log2n;
    const int nqx2 = (nqx + 1) / 2, nqy2 = (nqy + 1) / 2;
    // the codes of each step: an empty quadrant (nqx or nqy 0) still steps through 1 x n of them
    const size_t stride = static_cast<size_t>(std::max(1, nqx2) * std::max(1, nqy2));
    std::vector<unsigned char> held(stride * static_cast<size_t>(std::min(planes, PLANES_A_PASS)));
    int count = 0;
    for (int bit = planes - 1; bit >= 0 && !in.overrun(); --bit) {
        unsigned char* s = held.data() + stride * static_cast<size_t>(count);
        const int kind = in.bits(4);
        if (kind == 0) {  // the plane's codes as they are
            in.nybbles(nqx2 * nqy2, s);
        } else if (kind == 0xf) {  // quadtree-coded
            if ((s[0] = static_cast<unsigned char>(in.huffman())) == 0) {  // a plane of zeros
                std::fill_n(s, stride, 0);
            } else {
                for (int k = 1, c = 1 << log2n, nx = 1, ny = 1, fx = nqx, fy = nqy; k < log2n; ++k) {
                    c >>= 1, nx <<= 1, ny <<= 1;
                    fx <= c ? --nx : fx -= c;
                    fy <= c ? --ny : fy -= c;
                    expand(in, s, nx, ny);
                }
            }
        } else {
            return false;
        }
        if (++count == PLANES_A_PASS || bit == 0) {
            setbits(held.data(), stride, count, bit + count - 1, nqx, nqy, a, n);
            count = 0;
        }
    }
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

/// One 2 x 2 block of coefficients (h0, hx below, hy after, hc below after) back into pixels.
template <class T>
void invertblock(T* a00, T* a10, bool after, bool below, const Level& v, bool last) {
    using W = Sum<T>;
    const int64_t bit1 = v.bit0 << 1;
    W h0 = *a00, hx = below ? v.round(W{*a10}, bit1, last) : 0, hy = after ? v.round(W{a00[1]}, bit1, last) : 0;
    const W hc = below && after ? v.round(W{a10[1]}, v.bit0, last) : 0;
    const W low0 = hc & v.bit0;
    hx = hx >= 0 ? hx - low0 : hx + low0;
    hy = hy >= 0 ? hy - low0 : hy + low0;
    const W low1 = (hc ^ hx ^ hy) & bit1;
    h0 = h0 >= 0 ? h0 + low0 - low1 : h0 + (low0 == 0 ? low1 : low0 - low1);
    *a00 = static_cast<T>((h0 - hx - hy + hc) >> v.shift);
    if (after) a00[1] = static_cast<T>((h0 - hx + hy - hc) >> v.shift);
    if (below) *a10 = static_cast<T>((h0 + hx - hy - hc) >> v.shift);
    if (below && after) a10[1] = static_cast<T>((h0 + hx + hy + hc) >> v.shift);
}

/// A slope change toward diff (in units of 1 / unit of the coefficient at c),
/// within the monotone range [low, high) and smax either way.
template <class T, class W = Sum<T>>
void nudge(T& c, W diff, W low, W high, int unit, int smax) {
    if (low >= high) return;
    const W s = (std::clamp(diff, low, high) - W{c} * unit) / unit;  // toward zero
    c = static_cast<T>(c + std::clamp(s, W{-smax}, W{smax}));
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
    const W zero = 0;
    for (int i = 2; i < nxtop - 2; i += 2)  // x slopes, from the means before and after in x
        for (int j = 0; j < nytop; j += 2) {
            T* p = a + ny * i + j;
            const W hm = p[-ny2], h0 = p[0], hp = p[ny2];
            nudge(p[ny], hp - hm, std::min(std::max(hp - h0, h0 - hm), zero) * 4, std::max(std::min(hp - h0, h0 - hm), zero) * 4,
                  8, smax);
        }
    for (int i = 0; i < nxtop; i += 2)  // y slopes
        for (int j = 2; j < nytop - 2; j += 2) {
            T* p = a + ny * i + j;
            const W hm = p[-2], h0 = p[0], hp = p[2];
            nudge(p[1], hp - hm, std::min(std::max(hp - h0, h0 - hm), zero) * 4, std::max(std::min(hp - h0, h0 - hm), zero) * 4,
                  8, smax);
        }
    for (int i = 2; i < nxtop - 2; i += 2)  // cross differences, from the four diagonal means
        for (int j = 2; j < nytop - 2; j += 2) {
            T* p = a + ny * i + j;
            const W mm = p[-ny2 - 2], pm = p[ny2 - 2], mp = p[-ny2 + 2], pp = p[ny2 + 2], h0 = p[0];
            const W hx2 = W{p[ny]} * 2, hy2 = W{p[1]} * 2;
            const W high = std::min(std::min(std::max(pp - h0, zero) - hx2 - hy2, std::max(h0 - pm, zero) + hx2 - hy2),
                                          std::min(std::max(h0 - mp, zero) - hx2 + hy2, std::max(mm - h0, zero) + hx2 + hy2));
            const W low = std::max(std::max(std::min(pp - h0, zero) - hx2 - hy2, std::min(h0 - pm, zero) + hx2 - hy2),
                                         std::max(std::min(h0 - mp, zero) - hx2 + hy2, std::min(mm - h0, zero) + hx2 + hy2));
            nudge(p[ny + 1], pp + mm - mp - pm, low * 16, high * 16, 64, smax);
        }
}

/// The inverse H-transform of the nx x ny coefficients at a, in place.
template <class T>
void hinv(T* a, int nx, int ny, bool smooth, int scale) {
    int log2n = 0;
    while ((1 << log2n) < std::max(nx, ny)) ++log2n;
    if (log2n == 0) return;
    Level v{int64_t{1} << (log2n - 1), 1};
    a[0] = static_cast<T>(v.round(Sum<T>{a[0]}, v.bit0 << 2, false));
    std::vector<T> tmp;
    for (int k = log2n - 1, c = 1 << log2n, nxtop = 1, nytop = 1, nxf = nx, nyf = ny; k >= 0; --k, v.bit0 >>= 1) {
        c >>= 1, nxtop <<= 1, nytop <<= 1;
        nxf <= c ? --nxtop : nxf -= c;
        nyf <= c ? --nytop : nyf -= c;
        const bool last = k == 0;
        v.shift = last ? 2 : 1;
        for (int i = 0; i < nxtop; ++i) unshuffle(a + static_cast<ptrdiff_t>(ny) * i, nytop, 1, tmp);
        unshufflecolumns(a, nxtop, nytop, ny, tmp);
        if (smooth) hsmooth(a, nxtop, nytop, ny, scale);
        for (int i = 0; i < nxtop; i += 2)
            for (int j = 0; j < nytop; j += 2) {
                T* a00 = a + static_cast<ptrdiff_t>(ny) * i + j;
                invertblock(a00, a00 + ny, j + 1 < nytop, i + 1 < nxtop, v, last);
            }
    }
}

}  // namespace

template <class T>
bool hdecompress(const unsigned char* bytes, size_t size, size_t count, bool smooth, T* out) {
    if (size < HEADER_BYTES || bytes[0] != 0xDD || bytes[1] != 0x99) return false;
    const auto big = [bytes](size_t at, int n) { return bigendian(bytes + at, n); };
    const int nx = static_cast<int32_t>(big(2, 4)), ny = static_cast<int32_t>(big(6, 4));
    const int scale = static_cast<int32_t>(big(10, 4));
    const int most = static_cast<int>(sizeof(T)) * 8 - 1;
    if (nx < 1 || ny < 1 || static_cast<uint64_t>(nx) * static_cast<uint64_t>(ny) != count || bytes[22] > most ||
        bytes[23] > most || bytes[24] > most)
        return false;
    std::fill_n(out, count, T{0});
    BitStream in(bytes, size);
    const int nx2 = (nx + 1) / 2, ny2 = (ny + 1) / 2;
    const ptrdiff_t down = static_cast<ptrdiff_t>(ny) * nx2;
    if (!decodequadrant(in, out, ny, nx2, ny2, bytes[22]) || !decodequadrant(in, out + ny2, ny, nx2, ny / 2, bytes[23]) ||
        !decodequadrant(in, out + down, ny, nx / 2, ny2, bytes[23]) ||
        !decodequadrant(in, out + down + ny2, ny, nx / 2, ny / 2, bytes[24]) || in.bits(4) != 0)
        return false;
    in.signs(out, count);
    if (in.overrun()) return false;
    out[0] = static_cast<T>(static_cast<int64_t>(big(14, 8)));  // the sum of all pixels
    for (size_t i = 0; i < count && scale > 1; ++i) out[i] = static_cast<T>(Sum<T>{out[i]} * scale);
    hinv(out, nx, ny, smooth, scale);
    return true;
}

bool hcompressnarrow(const unsigned char* bytes, size_t size) {
    if (size < HEADER_BYTES || bytes[0] != 0xDD || bytes[1] != 0x99) return false;
    const auto big = [bytes](size_t at, int n) { return bigendian(bytes + at, n); };
    const int64_t nx = static_cast<int32_t>(big(2, 4)), ny = static_cast<int32_t>(big(6, 4));
    const int64_t scale = std::max(1, static_cast<int32_t>(big(10, 4)));  // 0 or 1: lossless
    const int64_t sumall = static_cast<int64_t>(big(14, 8));
    const int planes = std::max({bytes[22], bytes[23], bytes[24]});
    constexpr int64_t ROOM = int64_t{1} << 30;  // half the 32-bit range
    if (nx < 1 || ny < 1 || nx > ROOM || ny > ROOM || scale > ROOM || planes > 28) return false;
    if (sumall <= -ROOM || sumall >= ROOM || (int64_t{1} << planes) > ROOM / scale) return false;
    // A coefficient with its scale, smoothing and rounding; each level halves at
    // least what it adds to the three coefficients of a block, so no value
    // passes the top's sum or three coefficients by more than the rounding.
    const int64_t rounding = 8 * std::max(nx, ny);
    const int64_t coefficient = (int64_t{1} << planes) * scale + scale + rounding;
    return std::abs(sumall) * scale + rounding < ROOM && 3 * coefficient < ROOM;
}

template bool hdecompress<int32_t>(const unsigned char*, size_t, size_t, bool, int32_t*);
template bool hdecompress<int64_t>(const unsigned char*, size_t, size_t, bool, int64_t*);

}  // namespace quorvel
