// The observation inputs and their checks.
#pragma once

#include <cstdint>
#include <string>

#include "messagetext.h"
#include "outcome.h"
#include "sunstate.h"

namespace quorvel {

struct ObsInput {
    int32_t year = 0;   ///< Calendar year; no range check.
    int16_t month = 0;  ///< 1..12.
    int16_t day = 0;    ///< 1..31, within the month (February 29 always passes).
    int16_t dst = 0;    ///< 1 when daylight saving time is in force.
    float tz = 0;       ///< Standard time minus UT, hours, west negative, [-12, 12].
    float lat = 0;      ///< Latitude, degrees, north positive, [-90, 90].
    float lon = 0;      ///< Longitude, degrees, EAST NEGATIVE, [-180, 180].
};

/// The texts of the input fields, as typed.
struct FieldTexts {
    std::string day, month, year, hour, min, tz;
    bool dst = false;  ///< optdst checked
    std::string lat, lon;
};

/// Which group of inputs failed its check; each has its message.
enum class InputFault { none, date, time, zone, place };

/// The message text of a failed check (empty for none). Shown titled "Error".
const char* inputmessage(InputFault fault);

/// The input-fault outcome of a failed check, carrying its message.
inline Outcome inputoutcome(InputFault fault) { return Outcome::input(inputmessage(fault)); }

/// Title of the input messages.
inline constexpr const char* INPUT_MESSAGE_TITLE = MESSAGE_TEXT("Message", "Error");

/// Reads and checks the date, time, DST and zone.
///
/// Given:
///   f         the field texts (day, month, year, hour, min, tz, dst)
/// Returned:
///   obs       year, month, day, dst, tz (those read before a failing check)
///   sun       sun.dayfrac, the UT of day as a fraction of a day
///   carry     -1, 0 or +1: the day change from local to UT
///   inputerr  1 after a failed check, 0 once date, time and zone pass
///
/// Notes:
/// 1. The first failing check decides; its input-fault outcome is returned.
/// 2. A value too large for its integer field fails its group's check
///    (date for day, month and year; time for hour and minute).
/// 3. The UT hour is held as a binary32 value, so zones with a fraction of
///    an hour keep their minutes; whole-hour zones give whole UT hours.
Outcome readinputs(const FieldTexts& f, ObsInput& obs, SunState& sun, int& carry, int16_t& inputerr);

/// Reads and checks the latitude and longitude (decimal commas accepted).
Outcome readplace(const FieldTexts& f, ObsInput& obs, int16_t& inputerr);

}  // namespace quorvel
