// What a FITS header says about its image: where solar or celestial north
// lies, where the disk is, how far the observer was, when and where the
// image was taken. Plain text in, plain values out: the cards come from the
// loader, the checks against the image's own data are made here.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "circlefit.h"
#include "imageframe.h"
#include "limbfind.h"
#include "obsdate.h"

namespace quorvel {

/// The keywords of a header and their values as written (strings without
/// their quotes and trailing blanks).
using HeaderCards = std::map<std::string, std::string>;

/// The header's moment of observation.
struct HeaderDate {
    std::optional<ObsDate> moment;  ///< date and time of day, UT
    std::optional<ObsDate> dayonly; ///< a date whose time of day the header does not give
    std::string keyword;            ///< where the date came from ("DATE-OBS", "DATE-OBS and TIME-OBS", ...)
    std::string fault;              ///< why a date that is there cannot be used, quoting it; "" when none
    bool camera = false;            ///< taken from a camera's EXIF date, not a FITS header
};

struct FitsHeader {
    std::optional<Orientation> orientation;  ///< from the world coordinates (solar or celestial north)
    std::string orientationnote;              ///< "solar north turned 179.93° counterclockwise (CROTA2)"
    std::optional<Circle> disk;               ///< the photosphere, image pixels (y down); r only when centre unknown
    bool diskcentred = false;                 ///< whether disk's centre is known
    std::string disknote;                     ///< where the disk came from, or why it was set aside
    std::optional<double> sunradiusdeg;       ///< the Sun's angular radius from DSUN_OBS, degrees
    HeaderDate date;
    std::optional<double> lat, lonwest;       ///< the site, degrees (north positive, west positive)
};

/// Reads the header of an image of width x height pixels (shown with its
/// first FITS row at the bottom).
///
/// Notes:
/// 1. Orientation: CTYPE1/2 helioprojective (HPLN/HPLT, Solar-X/Y) or
///    celestial (RA/DEC), in either order, with the CD matrix, else PCi_j
///    with CDELTi, else CROTA2 with CDELTi. A mirrored image (the determinant
///    of the sky's axes negative) is flipped.
/// 2. Disk: the centre where helioprojective CRVAL/CRPIX/CDELT put (0, 0),
///    the radius from RSUN_OBS (or RSUN_ARC, arcseconds) over the scale, else
///    SOLAR_R or R_SUN in pixels. A disk larger than the frame, or whose
///    centre lies beyond it by more than its radius, is set aside with a note.
/// 3. Date: DATE-OBS, else DATE_OBS, DATE-BEG, DATE-AVG; a date without a
///    time of day takes TIME-OBS (or TIME_OBS), else the time part of another
///    of them; failing that the day alone is kept, never a time at 0h.
/// 4. Site: SITELAT and SITELONG (east positive, degrees or "dd:mm:ss"), else
///    OBSGEO-B and OBSGEO-L, else OBSGEO-X/Y/Z (metres).
FitsHeader readheader(const HeaderCards& cards, int32_t width, int32_t height);

/// The header's disk checked against the limb found on the image: nullopt,
/// with the reason in note, when its centre lies farther than a tenth of the
/// radius from the fitted one or its radius differs by more than 12 %. Where
/// no header radius replaces a limb-brightened edge, note says so too.
std::optional<Circle> agreeingdisk(const FitsHeader& header, const LimbFit& fitted, std::string& note);

}  // namespace quorvel
