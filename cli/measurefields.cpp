#include "measurefields.h"

#include <cmath>

#include "fieldoptions.h"
#include "numbertext.h"
#include "textvalue.h"

namespace quorvel::cli {
namespace {

const char* const PARTS[] = {"day", "month", "year", "hour", "min"};
const char* const ALL_PARTS = "--day, --month, --year, --hour and --min";

/// "--hour and --min": the options of the parts not given.
std::string missingtext(const Options& opts, size_t from) {
    std::vector<std::string> names;
    for (size_t i = from; i < std::size(PARTS); ++i)
        if (!opts.has(PARTS[i])) names.push_back(std::string("--") + PARTS[i]);
    std::string t;
    for (size_t i = 0; i < names.size(); ++i)
        t += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return t;
}

/// The parts not given as options, from the header's fields.
void completed(const Options& opts, const FieldTexts& header, FieldTexts& f) {
    std::string FieldTexts::*const members[] = {&FieldTexts::day, &FieldTexts::month, &FieldTexts::year,
                                                &FieldTexts::hour, &FieldTexts::min};
    for (size_t i = 0; i < std::size(PARTS); ++i)
        if (!opts.has(PARTS[i])) f.*members[i] = header.*members[i];
}

}  // namespace

void headersite(const Options& opts, const FitsHeader& h, FieldTexts& f, std::vector<std::string>& notes) {
    if (!h.lat || (opts.has("lat") && opts.has("long"))) return;
    if (!opts.has("lat")) f.lat = patterntext(*h.lat, "0.0####");
    if (!opts.has("long")) f.lon = patterntext(*h.lonwest, "0.0####");
    notes.push_back("place from the FITS header: latitude " + patterntext(*h.lat, "0.000") + ", longitude " +
                    patterntext(*h.lonwest, "0.000") + " (west positive)");
}

bool datepartlygiven(const Options& opts) {
    const std::string missing = missingtext(opts, 0);
    return !missing.empty() && missing != ALL_PARTS;
}

Outcome measureorientation(const Options& opts, const FitsHeader& h, Orientation& o, std::vector<std::string>& notes) {
    const std::string kind = opts.get("orient", "telescope");
    if (kind == "north") o.kind = OrientKind::north;
    else if (kind == "solar") o.kind = OrientKind::solar;
    else if (kind != "telescope") return Outcome::usage("--orient takes telescope, north or solar");
    o.altaz = opts.flag("altaz"), o.flip = opts.flag("flip"), o.invert = opts.flag("invert");
    if (o.kind != OrientKind::telescope && (o.altaz || o.invert))
        return Outcome::usage("--altaz and --invert belong to --orient telescope");
    if (opts.has("rotate")) {
        const auto turn = strictnumber(*opts.get("rotate"));
        if (!turn || std::fabs(*turn) > 360) return Outcome::usage("--rotate takes degrees from -360 to 360");
        o.rotatedeg = *turn;
    }
    bool chosen = false;
    for (const char* name : {"orient", "altaz", "flip", "invert", "rotate"}) chosen = chosen || opts.has(name);
    if (!chosen && h.orientation) {
        o = *h.orientation;
        notes.push_back("orientation from the FITS header: " + h.orientationnote);
    }
    return Outcome::ok();
}

Outcome measurefields(const Options& opts, const FitsHeader& h, bool fits, const std::string& path, FieldTexts& f,
                      std::vector<std::string>& notes) {
    if (Outcome read = fieldtexts(opts, f); !read.done()) return read;
    headersite(opts, h, f, notes);
    if (missingtext(opts, 0).empty()) return Outcome::ok();
    const HeaderDate& d = h.date;
    auto refused = [&](const std::string& why, size_t from) {
        return Outcome::input(path + ": " + why + "; give " + missingtext(opts, from));
    };
    if (!d.fault.empty()) return refused(d.fault, 0);
    if (d.moment) {
        const double zone = strictnumber(f.tz).value_or(0) + (f.dst ? 1 : 0);  // hours; diskmoment checks the text
        FieldTexts header;
        setutfields(shiftedhours(*d.moment, zone), header);
        completed(opts, header, f);
        notes.push_back(std::string("date and time from the ") + (d.camera ? "camera's " : "FITS header's ") + d.keyword + ": " + obsdatetext(*d.moment) +
                        (datepartlygiven(opts) ? "; the options given replace their own parts" : ""));
        return Outcome::ok();
    }
    if (d.dayonly) {
        if (!opts.has("hour") || !opts.has("min"))
            return refused("the FITS header's " + d.keyword + " gives a day but no time of day (no TIME-OBS)", 3);
        FieldTexts header;
        setutfields(*d.dayonly, header);
        completed(opts, header, f);
        notes.push_back("day from the FITS header's " + d.keyword + ", time from the options");
        return Outcome::ok();
    }
    return refused(fits ? "the FITS header gives no date (DATE-OBS)" : "the image holds no date", 0);
}

}  // namespace quorvel::cli
