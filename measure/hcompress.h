// The HCOMPRESS_1 code of a FITS tile decoded here, every read of the stream
// bounded by its length: the quadtree-coded bit planes of the H-transform's
// coefficients, their signs, then the inverse transform.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quorvel {

/// Decodes the HCOMPRESS_1 stream of size bytes at bytes into count values
/// of T (int32_t for 8- and 16-bit images, int64_t for 32-bit ones, whose
/// sums need 64 bits) at out, the first axis of the stream varying fastest;
/// a lossy one (its scale above 1) smoothed where smooth is set.
///
/// Returns false, out partly written, when the stream is damaged or cut
/// short, does not hold count values, or has more bit planes than T holds.
///
/// Notes:
/// 1. cfitsio's own decoder reports a damaged stream while holding its lock,
///    and so waits for ever, and reads past the stream's end: here a damaged
///    stream is refused.
template <class T>
bool hdecompress(const unsigned char* bytes, size_t size, size_t count, bool smooth, T* out);

/// Whether every value of the stream of size bytes at bytes, and every value
/// its inverse transform passes through, fits in 32 bits with room to spare,
/// so that hdecompress<int32_t> decodes it exactly: from the sum of all
/// pixels, the scale and the bit planes its header gives (a 32-bit image of
/// 16-bit values, as cameras write them, but not one that uses its whole range).
bool hcompressnarrow(const unsigned char* bytes, size_t size);

}  // namespace quorvel
