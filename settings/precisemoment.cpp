#include "precisemoment.h"

#include <cmath>

#include "calendar.h"
#include "textvalue.h"

namespace quorvel {

bool precisemoment(const FieldTexts& f, const ObsInput& obs, PreciseTime& t) {
    int32_t jd = 0;  // whole part of the Julian Date of 0h of the date (its fraction is 0.5)
    float half = 0;
    if (!julday(caltable(), obs.year, obs.month, obs.day, 0.0f, 2, jd, half)) return false;
    // The DST hour comes off before the hour is rounded; the minute counts as typed.
    const double uthours = std::nearbyint(textvalue(f.hour) - obs.dst) - static_cast<double>(obs.tz) +
                           textvalue(f.min) / 60;
    t = precisetime(jd + 0.5, uthours / 24);
    return true;
}

PreciseSite precisesite(const FieldTexts& f, bool topocentric) {
    return {textvalue(commatodot(f.lat)), textvalue(commatodot(f.lon)), topocentric};
}

}  // namespace quorvel
