// A decoded tile's stored values turned into brightness where they lie:
// scaled, blank pixels NaN, quantized floats restored.
#pragma once

#include <cstddef>
#include <optional>

namespace quorvel {

/// How a floating-point image was quantized into integers, if it was.
enum class Quantize { none, nodither, subtractive1, subtractive2 };

/// How one tile's stored values become brightness.
struct TileValues {
    int bytepix = 4;         ///< bytes a stored value: 1, 2 or 4
    bool bigendian = false;  ///< else native byte order
    bool floating = false;   ///< 32-bit floats as they are
    double scale = 1, zero = 0;   ///< BSCALE and BZERO, or a quantized tile's ZSCALE and ZZERO
    std::optional<double> blank;  ///< the stored value of a pixel without data
    Quantize quantize = Quantize::none;
    long ditherrow = 1;  ///< a dithered tile: its tile number plus ZDITHER0, less 1
};

/// Turns the count stored values at out into count floats in the same memory
/// (out holds count * 4 bytes): value * scale + zero, NaN for blank.
///
/// Notes:
/// 1. Values narrower than a float are widened from the last backwards, so
///    that each is read before its bytes are written over.
/// 2. A dithered value is restored as (value - r + 0.5) * scale + zero, r the
///    next of the 10,000 uniform numbers of the compression convention, its
///    place in them set by ditherrow; under subtractive2 the reserved value
///    -2147483646 stands for an exact zero.
void tofloats(unsigned char* out, size_t count, const TileValues& v);

}  // namespace quorvel
