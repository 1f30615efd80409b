// A PNG read a row at a time: its brightness and its picture made as the
// rows come, without a decoded copy of the whole image (a 16-bit colour one
// would take 8 bytes a pixel before either was made).
#pragma once

#include <QIODevice>
#include <string>

#include "imageload.h"

namespace quorvel {

/// Reads the PNG image device holds (path naming it in messages) into image:
/// the brightness 0..1 of each pixel, and the picture: a colour one in 24-bit
/// colour, a grey one stretched (stretchedpicture).
///
/// Returns an input outcome, image left as it was, when the PNG is damaged
/// or cut short, or its declared size is refused (checkimagesize).
///
/// Notes:
/// 1. Palettes, grey below 8 bits and transparency are expanded; an alpha
///    channel is ignored: the colours are taken as stored.
/// 2. A colour pixel's brightness is its luminance in the image's colour
///    space (its ICC profile, sRGB or gamma chunk; sRGB where it has none),
///    as Qt converts colour to grey.
/// 3. An interlaced image's pixels are put in place pass by pass.
Outcome loadpng(const std::string& path, QIODevice& device, LoadedImage& image);

}  // namespace quorvel
