// Opening the observer's image: PNG, JPEG, TIFF and BMP through Qt's
// readers, FITS through cfitsio.
#pragma once

#include <QImage>
#include <functional>
#include <optional>
#include <string>

#include "exifdate.h"
#include "grayimage.h"
#include "fitsheader.h"
#include "inputfile.h"
#include "outcome.h"

namespace quorvel {

/// The largest image measured: pixels in all (8192 x 8192), and on a side.
/// Opening one needs at most MEMORY_PER_PIXEL bytes a pixel.
inline constexpr int64_t LARGEST_IMAGE_PIXELS = int64_t{8192} * 8192;
inline constexpr int64_t LARGEST_IMAGE_SIDE = 65536;
inline constexpr int64_t MEMORY_PER_PIXEL = 8;
/// Bytes at the start of a JPEG searched for its EXIF block.
inline constexpr int64_t EXIF_BYTES = 256 * 1024;

struct LoadedImage {
    GrayImage gray;   ///< brightness for the limb finder, NaN where a FITS has no data
    QImage picture;   ///< what is shown and annotated, the same size: colour as it is, grey stretched
    bool fits = false;
    HeaderCards cards;  ///< a FITS file's header: the primary HDU's cards, the image HDU's over them
    std::optional<CameraDate> camera;  ///< a JPEG's EXIF date
};

/// Opens an image by its content: PNG, JPEG, TIFF, BMP or FITS (a FITS file
/// starts with "SIMPLE  ="), nothing else.
///
/// Returns an I/O outcome when the file cannot be read at all or is not a
/// regular file, an input outcome when it is not one of those images, is
/// damaged or cut short, holds no image data, is smaller than SMALLEST_SIDE
/// or larger than the largest image, or needs more memory than there is;
/// image is then left as it was.
///
/// Notes:
/// 1. FITS: the first image HDU with two axes or more, its first plane;
///    8-, 16- and 32-bit integer and 32- and 64-bit float pixels, BZERO and
///    BSCALE applied, BLANK and NaN pixels ignored. Shown as astronomy viewers
///    show it: its first row at the bottom.
/// 2. A grey image is shown stretched from its 0.5th to its 99.9th percentile.
/// 3. A JPEG's EXIF date is read from its first EXIF_BYTES bytes.
Outcome loadimage(const std::string& path, LoadedImage& image);

/// A FITS file opened as file into image (used by loadimage).
Outcome loadfits(const std::string& path, const InputFile& file, LoadedImage& image);

/// Refuses, before anything is allocated for it, an image of the declared
/// size that is smaller than SMALLEST_SIDE or larger than the largest image:
/// an input outcome saying so.
Outcome checkimagesize(const std::string& path, int64_t width, int64_t height);

/// Runs step; an allocation that fails within it becomes the input outcome
/// "PATH: not enough memory for this image".
Outcome withinmemory(const std::string& path, const std::function<Outcome()>& step);

/// "The image PATH cannot be read; it may be damaged or cut short (WHY).", an input outcome.
Outcome unreadableimage(const std::string& path, const std::string& why);

/// The grey picture of the pixels: a linear stretch between two percentiles.
QImage stretchedpicture(const GrayImage& gray);

}  // namespace quorvel
