#include "tilevalues.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace quorvel {
namespace {

constexpr int RANDOM_COUNT = 10000;
/// The stored value of an exact zero under Quantize::subtractive2.
constexpr double QUANTIZED_ZERO = -2147483646;

/// The convention's uniform numbers in [0, 1): a multiplicative congruential
/// sequence (16807, modulus 2^31 - 1) from the seed 1, kept as floats.
const std::array<float, RANDOM_COUNT>& randoms() {
    static const std::array<float, RANDOM_COUNT> table = [] {
        std::array<float, RANDOM_COUNT> t{};
        const double a = 16807, m = 2147483647;
        double seed = 1;
        for (float& r : t) {
            const double next = a * seed;
            seed = next - m * static_cast<double>(static_cast<int64_t>(next / m));
            r = static_cast<float>(seed / m);
        }
        return t;
    }();
    return table;
}

/// The n-th stored value at bytes.
double storedvalue(const unsigned char* bytes, size_t n, const TileValues& v) {
    const unsigned char* at = bytes + n * static_cast<size_t>(v.bytepix);
    if (v.bytepix == 1) return at[0];
    uint32_t u = 0;
    if (v.bigendian) {
        for (int i = 0; i < v.bytepix; ++i) u = (u << 8) | at[i];
    } else if (v.bytepix == 2) {
        uint16_t s;
        std::memcpy(&s, at, 2);
        u = s;
    } else {
        std::memcpy(&u, at, 4);
    }
    if (v.bytepix == 2) return static_cast<int16_t>(u);
    if (!v.floating) return static_cast<int32_t>(u);
    float f;
    std::memcpy(&f, &u, 4);
    return f;
}

void put(unsigned char* out, size_t n, float value) { std::memcpy(out + 4 * n, &value, 4); }

/// Quantized values (4 bytes each, read before their place is written) restored in order.
void unquantize(unsigned char* out, size_t count, const TileValues& v) {
    const std::array<float, RANDOM_COUNT>& r = randoms();
    int seed = static_cast<int>((v.ditherrow - 1) % RANDOM_COUNT);
    int next = static_cast<int>(r[static_cast<size_t>(seed)] * 500);
    for (size_t i = 0; i < count; ++i) {
        const double stored = storedvalue(out, i, v);
        const double restored = v.quantize == Quantize::nodither ? stored : stored - r[static_cast<size_t>(next)] + 0.5;
        if (v.blank && stored == *v.blank) put(out, i, NAN);
        else if (v.quantize == Quantize::subtractive2 && stored == QUANTIZED_ZERO) put(out, i, 0.0f);
        else put(out, i, static_cast<float>(restored * v.scale + v.zero));
        if (++next == RANDOM_COUNT) {
            seed = (seed + 1) % RANDOM_COUNT;
            next = static_cast<int>(r[static_cast<size_t>(seed)] * 500);
        }
    }
}

}  // namespace

void tofloats(unsigned char* out, size_t count, const TileValues& v) {
    if (v.quantize != Quantize::none) return unquantize(out, count, v);
    for (size_t i = count; i-- > 0;) {
        const double stored = storedvalue(out, i, v);
        const bool blank = !v.floating && v.blank && stored == *v.blank;
        put(out, i, blank ? NAN : static_cast<float>(stored * v.scale + v.zero));
    }
}

}  // namespace quorvel
