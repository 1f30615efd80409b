// The moment of an observation as a FITS header gives it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "obsinput.h"

namespace quorvel {

/// A UT date and time.
struct ObsDate {
    int32_t year = 0;
    int month = 1, day = 1, hour = 0, minute = 0;
    double second = 0;  ///< [0, 60]
};

/// Reads DATE-OBS ("YYYY-MM-DD", "YYYY-MM-DDThh:mm:ss[.s]", or the older
/// "DD/MM/YY" of 1900-1999), taking the time from TIME-OBS ("hh:mm[:ss[.s]]")
/// when the date holds none.
///
/// Notes:
/// 1. nullopt when the date is missing or malformed; a date without any
///    time is taken at 0h UT only when TIME-OBS is empty as well.
std::optional<ObsDate> parseobsdate(std::string_view dateobs, std::string_view timeobs);

/// Sets the date and time fields to a UT moment: zone 0, no daylight saving
/// time, the seconds as a fraction of the minute ("34.9450").
///
/// Notes:
/// 1. The minute field is checked rounded, so from 59 min 30 s on the minute
///    is held at 59.4999 (at most 30 seconds early: 0.003 degree of L0).
void setutfields(const ObsDate& date, FieldTexts& fields);

/// "2024-05-10 12:34:56.7 UT".
std::string obsdatetext(const ObsDate& date);

}  // namespace quorvel
