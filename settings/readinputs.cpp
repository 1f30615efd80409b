#include <cmath>
#include <limits>
#include <optional>

#include "obsinput.h"
#include "textvalue.h"

namespace quorvel {
namespace {

template <typename Int>
std::optional<Int> fitting(double v) {
    if (!(v >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          v <= static_cast<double>(std::numeric_limits<Int>::max())))
        return std::nullopt;
    return static_cast<Int>(v);
}

/// Floor into a field; nullopt when it does not fit.
template <typename Int>
std::optional<Int> floorinto(double v) { return fitting<Int>(std::floor(v)); }

/// Nearest integer, ties to even, into a field; nullopt when it does not fit.
template <typename Int>
std::optional<Int> roundinto(double v) { return fitting<Int>(std::nearbyint(v)); }

bool baddaterule(int16_t day, int16_t month) {
    if (day < 1 || day > 31 || month < 1 || month > 12) return true;
    if (day > 30 && (month == 4 || month == 6 || month == 9 || month == 11)) return true;
    return day > 29 && month == 2;  // February 29 passes in every year
}

Outcome fail(InputFault fault, int16_t& inputerr) {
    inputerr = 1;
    return inputoutcome(fault);
}

}  // namespace

Outcome readinputs(const FieldTexts& f, ObsInput& obs, SunState& sun, int& carry, int16_t& inputerr) {
    const auto day = floorinto<int16_t>(textvalue(f.day));
    const auto month = floorinto<int16_t>(textvalue(f.month));
    const auto year = floorinto<int32_t>(textvalue(f.year));
    if (day) obs.day = *day;
    if (month) obs.month = *month;
    if (year) obs.year = *year;
    if (!day || !month || !year || baddaterule(*day, *month)) return fail(InputFault::date, inputerr);

    const double hourvalue = textvalue(f.hour);
    const double minvalue = textvalue(f.min);
    const auto hour = roundinto<int16_t>(hourvalue);
    const auto minute = roundinto<int16_t>(minvalue);
    if (!hour || !minute || *minute > 59.9999999 || *hour < 0 || *minute < 0 || *hour > 23)
        return fail(InputFault::time, inputerr);

    inputerr = 0;
    obs.dst = f.dst ? 1 : 0;
    // The DST hour comes off before rounding; the text is read again.
    const double stdhour = std::nearbyint(hourvalue - obs.dst);
    obs.tz = textvaluefloat(f.tz);
    if (!(obs.tz >= -12.0f && obs.tz <= 12.0f)) return fail(InputFault::zone, inputerr);

    inputerr = 0;
    carry = 0;
    float uthour = static_cast<float>(static_cast<double>(static_cast<float>(stdhour)) -
                                      static_cast<double>(obs.tz));
    if (uthour < 0) {
        carry = -1;
        uthour = static_cast<float>(static_cast<double>(uthour) + 24);
    }
    if (uthour >= 24) {
        carry = +1;
        uthour = static_cast<float>(static_cast<double>(uthour) - 24);
    }
    // The minute is used unrounded here, although its check used the rounded value.
    sun.dayfrac = static_cast<float>(static_cast<double>(uthour) / 24 + minvalue / 24 / 60);
    return Outcome::ok();
}

Outcome readplace(const FieldTexts& f, ObsInput& obs, int16_t& inputerr) {
    obs.lat = textvaluefloat(commatodot(f.lat));
    obs.lon = textvaluefloat(commatodot(f.lon));
    if (!(obs.lat >= -90.0f && obs.lat <= 90.0f && obs.lon >= -180.0f && obs.lon <= 180.0f))
        return fail(InputFault::place, inputerr);
    return Outcome::ok();
}

}  // namespace quorvel
