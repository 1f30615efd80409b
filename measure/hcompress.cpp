#include "hcompress.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "hbitplanes.h"
#include "htransform.h"

namespace quorvel {
namespace {

using namespace hcompress;

/// Bytes of the stream's header: a magic number, the two sizes, the scale,
/// the sum of all pixels and the bit planes of the three kinds of quadrant.
constexpr size_t HEADER_BYTES = 25;

/// The unsigned big-endian number of n bytes at bytes.
uint64_t bigendian(const unsigned char* bytes, int n) {
    uint64_t v = 0;
    for (int i = 0; i < n; ++i) v = v << 8 | bytes[i];
    return v;
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
