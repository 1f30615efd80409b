// The moment a camera wrote into its JPEG: the EXIF date the picture was
// taken, as the camera's clock showed it, and the clock's offset to UT.
// Plain bytes in, plain values out; every read is bounds-checked, for the
// bytes come from any file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fitsheader.h"
#include "obsdate.h"

namespace quorvel {

/// What a camera says of when it took its picture.
struct CameraDate {
    ObsDate clock;                      ///< DateTimeOriginal as the camera's clock read
    std::optional<double> offsethours;  ///< OffsetTimeOriginal: the clock's time minus UT, hours
};

/// The camera's date of a JPEG file's bytes (its first bytes suffice: the
/// EXIF block lies before the image data).
///
/// Returns nullopt when the bytes hold no JPEG with an EXIF block ("Exif"
/// APP1 segment) whose Exif IFD gives DateTimeOriginal (tag 0x9003) as
/// "YYYY:MM:DD HH:MM:SS"; the unset date "0000:00:00 00:00:00" and blanks
/// are no date. OffsetTimeOriginal (tag 0x9011, "+HH:MM") is kept when it
/// reads as an offset.
std::optional<CameraDate> exifdate(std::string_view bytes);

/// A clock's offset to UT in hours, from "+HH:MM", "-HH:MM", "HH:MM" or
/// decimal hours ("5.5", "-3"); nullopt when the text is none of them or
/// lies beyond 14 hours either way.
std::optional<double> clockoffset(std::string_view text);

/// "UT+02:00", "UT-05:30": the offset rounded to the minute.
std::string clockoffsettext(double hours);

/// The camera's date as the image's moment, UT: the clock's time minus the
/// offset given (by the observer), else the camera's own OffsetTimeOriginal,
/// else none (the clock taken as UT). The keyword says which.
HeaderDate cameramoment(const CameraDate& camera, std::optional<double> given);

}  // namespace quorvel
