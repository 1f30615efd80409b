#include "fieldoptions.h"

#include <ctime>

#include "commands.h"

namespace quorvel::cli {

const char* const FIELD_OPTIONS_HELP =
    "  --day D --month M --year Y   date on the observer's clock (default: today, UT)\n"
    "  --hour H --min MI            clock time (default: now, UT)\n"
    "  --tz Z                       standard time minus UT, hours, west negative (default 0)\n"
    "  --dst 0|1                    daylight saving time in force (default 0)\n"
    "  --lat LAT                    latitude, degrees, north positive (default 0)\n"
    "  --long LONG                  longitude, degrees, EAST NEGATIVE (default 0)\n"
    "Each value is read as the text typed into that field of the window: the same\n"
    "rules, the same messages; an empty text is allowed. Give the date and time\n"
    "whenever you give --tz, since the defaults are Universal Time.\n";

const std::set<std::string>& fieldoptionnames() {
    static const std::set<std::string> names = {"day", "month", "year", "hour", "min",
                                                "tz",  "dst",   "lat",  "long"};
    return names;
}

Outcome fieldtexts(const Options& opts, FieldTexts& f) {
    const std::time_t now = std::time(nullptr);
    std::tm ut{};
    gmtime_r(&now, &ut);
    f.day = opts.get("day", std::to_string(ut.tm_mday));
    f.month = opts.get("month", std::to_string(ut.tm_mon + 1));
    f.year = opts.get("year", std::to_string(ut.tm_year + 1900));
    f.hour = opts.get("hour", std::to_string(ut.tm_hour));
    f.min = opts.get("min", std::to_string(ut.tm_min));
    f.tz = opts.get("tz", "0");
    const std::string dst = opts.get("dst", "0");
    f.dst = dst == "1";
    f.lat = opts.get("lat", "0");
    f.lon = opts.get("long", "0");
    return dst == "0" || dst == "1" ? Outcome::ok() : Outcome::usage("--dst takes 0 or 1");
}

}  // namespace quorvel::cli
