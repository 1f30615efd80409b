// A TIFF read a row at a time with libtiff: its brightness and its picture
// made as the rows come, without a decoded copy of the whole image (a 16-bit
// colour one would take 8 bytes a pixel before either was made).
#pragma once

#include <optional>
#include <string>

#include "imageload.h"

namespace quorvel {

/// Reads the TIFF image open as fd (path naming it in messages) into image,
/// as loadpng reads a PNG: the brightness 0..1 of each pixel, a colour
/// picture in 24-bit colour or a grey one stretched.
///
/// Returns nullopt, image untouched, for a TIFF read otherwise (Qt's reader
/// takes it); else done, or an input outcome, image left as it was, when the
/// TIFF is damaged or cut short, or its declared size is refused.
///
/// Notes:
/// 1. Read here: strips, or tiles a band of which takes at most 64 MB, of
///    grey or RGB pixels of 8 or 16 bits a value, each pixel's values
///    together, an alpha or other extra value ignored, rows from the top
///    left, under any code libtiff decodes. Left to Qt: larger tiles,
///    palettes, planes stored apart, other bit depths and orientations.
/// 2. A colour pixel's brightness is its luminance in the image's ICC profile
///    (sRGB where it has none), as Qt converts colour to grey.
/// 3. libtiff allocates at most 256 MB at once for the file, and keeps its
///    messages to itself: the first error is the outcome's.
std::optional<Outcome> loadtiff(const std::string& path, int fd, LoadedImage& image);

}  // namespace quorvel
