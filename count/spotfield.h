// What finding spots and growing a clicked spot share: the image, its frame
// on the sky, the fitted photosphere and the observer's settings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "imageframe.h"
#include "photosphere.h"
#include "spot.h"

namespace quorvel {

/// The observer's settings for finding and grouping spots.
struct CountSettings {
    double penumbra = 0.92;   ///< a spot region is darker than this fraction of the local photosphere
    double umbra = 0.75;      ///< an umbra is darker than this fraction, (0, penumbra)
    double minsizepx = 2;     ///< smaller regions are left out: the diameter of a circle of their area, pixels
    double limbmargin = 0.1;  ///< regions whose centroid has a smaller mu are left out, [0, 1)
    double groupdeg = 6;      ///< single-linkage distance of the spots of one group, great-circle degrees on the Sun
};

/// The ranges of the settings: 0 < umbra < penumbra < 1; a grouping
/// distance of 0 to 180 degrees; a limb margin in [0, 1); a minimum size of
/// 0 to 10000 (pixels or arcseconds).
bool thresholdsok(double penumbra, double umbra);
bool groupdistanceok(double deg);
bool limbmarginok(double mu);
bool minsizeok(double size);

/// The image's scale, pixels per arcsecond: the disk's radius over the
/// Sun's semidiameter at the moment's distance (959.63 arcseconds at 1 AU);
/// 0 when the distance is not known.
double pixelsperarcsec(const ImageFrame& frame);

/// A size typed as pixels ("2.5") or arcseconds ("3arcsec"), in pixels;
/// nullopt for another text, or arcseconds without a known scale.
std::optional<double> sizetext(const std::string& text, const ImageFrame& frame);

/// The image as spot finding sees it.
struct SpotField {
    const GrayImage* image = nullptr;  ///< held by the caller while the field is used
    ImageFrame frame;                  ///< the disk and its orientation
    CountSettings settings;
    PhotosphereFit fit;                ///< the quiet photosphere
    double minmu = 0;                  ///< pixels with a smaller mu are never part of a spot

    /// Brightness over the fitted photosphere at pixel i (y * width + x); 1 beyond the usable disk.
    double ratio(int64_t i) const;
    /// mu at pixel i; 0 beyond the limb.
    double muof(int64_t i) const;
    /// mu at the image point (x, y), pixels, for an observer at the frame's
    /// distance (the measurement's relation); 0 beyond the limb.
    double muatpoint(double x, double y) const;
};

/// The field of an image: the photosphere fitted down to the usable mu (the
/// larger of half the limb margin and the mu 2 pixels inside the limb).
SpotField spotfield(const GrayImage& image, const ImageFrame& frame, const CountSettings& settings);

/// Fills a spot's areas, umbral part and extent from its pixels (umbrapx of
/// them first); its row from the image point (x, y).
void measurepixels(const SpotField& field, double x, double y, Spot& spot);

}  // namespace quorvel
