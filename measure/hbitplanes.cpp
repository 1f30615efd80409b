#include "hbitplanes.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace quorvel::hcompress {

void BitStream::signs(uint32_t* low, int8_t* high, size_t n) {
    const Split a{low, high};
    for (size_t i = 0; i < n; ++i) {
        const auto k = static_cast<ptrdiff_t>(i);
        if (low[i] == 0 && (!high || high[i] == 0)) continue;
        if (signbit()) a.set(k, -a.get(k));
    }
}

namespace {

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

}  // namespace

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

template bool decodequadrant<int32_t>(BitStream&, int32_t*, int8_t*, int, int, int, int);
template bool decodequadrant<int64_t>(BitStream&, int64_t*, int8_t*, int, int, int, int);
template bool decodequadrant<uint32_t>(BitStream&, uint32_t*, int8_t*, int, int, int, int);

}  // namespace quorvel::hcompress
