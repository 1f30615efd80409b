// An image's brightness and picture made a row at a time, as a decoder
// gives its rows, with no decoded copy of the whole image.
#pragma once

#include <QColorSpace>
#include <QImage>
#include <vector>

#include "imageload.h"

namespace quorvel {

/// What a decoder's rows hold: grey or RGB, 8 or 16 bits a value in native
/// order (16-bit RGB with a fourth value after each pixel's three, as Qt's
/// 64-bit format; it is not read).
struct RowLayout {
    bool colour = false, wide = false;
    QImage::Format format() const;
};

/// A 16-bit value rounded to 8 bits.
inline uchar eightbits(unsigned v) { return static_cast<uchar>((v * 255u + 32767u) / 65535u); }

/// The brightness 0..1 of rows of colour pixels (RGB888, RGB32, ARGB32,
/// RGBX64 or RGBA64): a grey pixel its grey, any other its luminance as Qt
/// converts colour to grey, in the row's colour space (sRGB where it has
/// none), at 16 bits; a run of one colour converted once.
class Luminances {
public:
    /// The row's brightness into to[0], to[step], ...
    void brightness(const QImage& row, float* to, int step);

private:
    std::vector<int> coloured_, which_;  ///< the pixels that are not grey; each its colour's place in distinct_
    std::vector<uchar> distinct_;        ///< their colours, a run of one colour once
};

/// Receives an image's rows in any order and makes its brightness 0..1 and,
/// for a colour image, its picture in 24-bit colour.
class RowSink {
public:
    /// Sizes out's brightness (and a colour image's picture) for width x
    /// height pixels; throws std::bad_alloc where there is no memory for them.
    RowSink(RowLayout layout, QColorSpace space, int width, int height, LoadedImage& out);
    /// The n pixels at row, for the pixels at x0, x0 + step, ... of row y.
    void put(const uchar* row, int n, int x0, int step, int y);
    /// A grey image's picture, stretched from its brightness (stretchedpicture).
    void finish();

private:
    RowLayout layout_;
    QColorSpace space_;  ///< the image's, for a colour pixel's luminance
    Luminances luminances_;
    LoadedImage& out_;
};

}  // namespace quorvel
