// Opening the observer's image: PNG, JPEG, TIFF and BMP through Qt's
// readers, FITS through cfitsio.
#pragma once

#include <QImage>
#include <optional>
#include <string>

#include "grayimage.h"
#include "obsdate.h"
#include "outcome.h"

namespace quorvel {

struct LoadedImage {
    GrayImage gray;   ///< brightness for the limb finder, NaN where a FITS has no data
    QImage picture;   ///< what is shown and annotated, the same size: colour as it is, grey stretched
    bool fits = false;
    std::optional<ObsDate> date;  ///< from the FITS header (DATE-OBS, with TIME-OBS)
    std::string dateobs;          ///< the DATE-OBS text as found, "" when absent
};

/// Opens an image by its content (a FITS file starts with "SIMPLE  =").
///
/// Returns an I/O outcome when the file cannot be read at all, an input
/// outcome when it is not an image, is damaged or cut short, or holds no
/// image data; image is then left as it was.
///
/// Notes:
/// 1. FITS: the first image HDU with two axes or more, its first plane;
///    8-, 16- and 32-bit integer and 32- and 64-bit float pixels, BZERO and
///    BSCALE applied, BLANK and NaN pixels ignored. Shown as astronomy viewers
///    show it: its first row at the bottom.
/// 2. A grey image is shown stretched from its 0.5th to its 99.9th percentile.
Outcome loadimage(const std::string& path, LoadedImage& image);

/// A FITS file into image (used by loadimage).
Outcome loadfits(const std::string& path, LoadedImage& image);

/// The grey picture of the pixels: a linear stretch between two percentiles.
QImage stretchedpicture(const GrayImage& gray);

}  // namespace quorvel
