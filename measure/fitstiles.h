// A tile-compressed FITS image (RICE or GZIP) read tile by tile straight
// into the final brightness buffer: no copy of the whole image besides it, where the
// general reader keeps a decompressed tile, a cached copy and a converted
// one (three more of a single-tile image).
#pragma once

#include <fitsio.h>

#include <optional>
#include <string>

#include "grayimage.h"
#include "outcome.h"

namespace quorvel {

/// Reads the first plane of the compressed image HDU f is at into gray
/// (width x height set, pixels sized), rows as stored (the first FITS row
/// first), BSCALE and BZERO applied, ZBLANK (or BLANK) pixels NaN.
///
/// Returns nullopt, gray's pixels untouched, when the image is not one this
/// reads (the general reader takes it): neither RICE_1 with integer pixels
/// nor GZIP_1 with integer or 32-bit float pixels, tiles not spanning whole
/// rows, quantized, masked or partly uncompressed tiles. Else done, or an input outcome for a tile that is damaged or
/// declares more bytes than the file holds.
///
/// Notes:
/// 1. Each tile's values are decoded into the start of its own rows'
///    floats and widened from the last backwards, so that a value is read
///    before its bytes are written over.
std::optional<Outcome> readtiles(fitsfile* f, const std::string& path, int64_t filesize, GrayImage& gray);

}  // namespace quorvel
