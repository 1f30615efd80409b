// A tile-compressed FITS image read tile by tile straight into the final
// brightness buffer: no copy of the whole image besides it, where the general
// reader keeps a decompressed tile, a cached copy and a converted one (three
// more of a single-tile image).
#pragma once

#include <fitsio.h>

#include <optional>
#include <string>

#include "grayimage.h"
#include "outcome.h"

namespace quorvel {

/// Reads the first plane of the compressed image HDU f is at into gray
/// (width x height set, pixels sized), rows as stored (the first FITS row
/// first), BSCALE and BZERO applied, ZBLANK (or BLANK) pixels NaN, quantized
/// floats restored.
///
/// Returns done, or an input outcome for a tile that is damaged or declares
/// more bytes than the file holds, or for an image stored in a way read here
/// in no tile (64-bit values, tiles spanning planes, an unknown code or
/// mask): cfitsio's decoders are not trusted with those.
///
/// Notes:
/// 1. Read here: RICE_1, GZIP_1, GZIP_2, PLIO_1 and HCOMPRESS_1 tiles of 8-,
///    16- and 32-bit integers, 32-bit floats quantized into integers or,
///    under GZIP, stored as they are; tiles of any shape within one plane.
/// 2. A tile's mask of null pixels, where the image has one, is read too
///    (stored with RICE_1, GZIP_1 or GZIP_2) and its pixels made NaN; so is
///    a float tile stored as it is under GZIP_1 where it could not be
///    quantized (a constant one), and a tile stored uncompressed.
/// 3. The first tile of each band of tiles is decoded into the start of its
///    own rows' floats and widened in place, then its rows are spread out to
///    the image's width; the others are decoded into a buffer of their size
///    and copied into place, so that a single tile takes no buffer.
Outcome readtiles(fitsfile* f, const std::string& path, int64_t filesize, GrayImage& gray);

}  // namespace quorvel
