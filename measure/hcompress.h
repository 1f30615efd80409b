// The HCOMPRESS_1 code of a FITS tile decoded here, every read of the stream
// bounded by its length: the quadtree-coded bit planes of the H-transform's
// coefficients, their signs, then the inverse transform.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quorvel {

/// Where a stream's bytes come from, a piece at a time.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    /// Points piece at the next piece of the stream and returns its length; 0 at its end.
    virtual size_t next(const unsigned char*& piece) = 0;
};

/// Decodes the HCOMPRESS_1 stream of size bytes at bytes into count pixels
/// at out, the first axis of the stream varying fastest; pixels32 for a tile
/// of 32-bit pixels (else 8 or 16 bits); a lossy one (its scale above 1)
/// smoothed where smooth is set.
///
/// Returns false, out partly written, when the stream is damaged or cut
/// short, does not hold count pixels, or has more bit planes than its pixels
/// can give.
///
/// Notes:
/// 1. Decoded in 32-bit sums where the stream's header bounds every value
///    and sum within half that range: 8- and 16-bit pixels, and 32-bit ones
///    of 16-bit values as cameras write them. Else the means (a quarter of
///    the coefficients) are held in 64 bits, and the others in out with a
///    byte each more, only where their bit planes need it: at most
///    count * 3 bytes besides out, where a decoding in 64 bits took count * 8.
/// 2. cfitsio's own decoder reports a damaged stream while holding its lock,
///    and so waits for ever, and reads past the stream's end: here a damaged
///    stream is refused.
bool hdecompress(const unsigned char* bytes, size_t size, size_t count, bool smooth, bool pixels32, int32_t* out);

/// The same for a stream read from stream a piece at a time: only a piece
/// of it held at once.
bool hdecompress(ByteSource& stream, size_t count, bool smooth, bool pixels32, int32_t* out);

}  // namespace quorvel
