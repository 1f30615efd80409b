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

/// Reads a date, with or without a time of day: "YYYY-MM-DD", "YYYY/MM/DD"
/// or "DD/MM/YY" (1900-1999), then optionally "T" or a space and
/// "hh:mm[:ss[.s]]", and a trailing "Z".
///
/// Returns nullopt when the text is not such a date; hastime says whether it
/// gave a time of day (the time is 0h, and not to be used, when not).
std::optional<ObsDate> parsedatetext(std::string_view text, bool& hastime);

/// Reads a time of day "hh:mm[:ss[.s]]" (a trailing "Z" allowed) into date;
/// false, leaving it as it was, when the text is not one.
bool parsetimetext(std::string_view text, ObsDate& date);

/// The moment hours later (earlier when negative), on the Gregorian calendar.
ObsDate shiftedhours(const ObsDate& date, double hours);

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
