// The codes a tile-compressed FITS image's tiles are stored in, each decoded
// straight into memory the caller gives: RICE_1, GZIP_1, GZIP_2 (GZIP with
// the bytes of the values shuffled), PLIO_1 (line lists) and HCOMPRESS_1.
#pragma once

#include <fitsio.h>

#include <cstddef>

namespace quorvel {

enum class TileCodec { rice, gzip1, gzip2, plio, hcompress };

/// How the tiles of one image are stored.
struct TileCoding {
    TileCodec codec = TileCodec::rice;
    int column = 0;     ///< the COMPRESSED_DATA column
    int bytepix = 4;    ///< bytes a value as stored: 1, 2 or 4 (RICE, GZIP)
    int blocksize = 32; ///< RICE: values a block, 16 or 32
    int smooth = 0;     ///< HCOMPRESS: smoothing when scaled back
};

/// Bytes a value takes once decodetile has decoded it: the stored size under
/// RICE and GZIP (big-endian after GZIP, native after RICE), 4 (a native
/// int32) under PLIO and HCOMPRESS.
int decodedbytes(const TileCoding& c);

/// Decodes tile number tile (from 1) of count values, bytes long as stored,
/// into out, which holds at least count * decodedbytes(c) bytes; false when
/// the tile is damaged or cut short.
///
/// Notes:
/// 1. GZIP tiles are read and inflated in pieces: only a piece of the
///    compressed bytes is held at a time.
/// 2. A PLIO tile's header is checked against count before cfitsio decodes
///    it, so that nothing is read or written past the tile; HCOMPRESS is
///    decoded here (hcompress.h).
/// 3. An HCOMPRESS tile of 32-bit values whose sums need more than 32 bits
///    takes at most count * 3 bytes besides out while it is decoded.
bool decodetile(fitsfile* f, const TileCoding& c, long tile, LONGLONG bytes, size_t count, unsigned char* out);

}  // namespace quorvel
