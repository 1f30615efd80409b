#include "spotoptions.h"

#include <cmath>
#include <map>

#include "grouping.h"
#include "spotfind.h"
#include "spotgroup.h"
#include "spotmodel.h"
#include "spottext.h"
#include "textvalue.h"

namespace quorvel::cli {

const char* const SPOT_HELP =
    "Counting the spots:\n"
    "  --find-spots finds, groups, counts and sizes the spots: after the limb line, the\n"
    "               spot rows with group,umbra_px,spot_px,area_disk_millionths,area_msh,\n"
    "               the groups (east to west) and the counts g, f, R, gn, fn, gs, fs\n"
    "  --spot X,Y,GROUP  with --find-spots: a spot added to the group of that number\n"
    "               (a number beyond the groups found starts a new group)\n"
    "  --thresholds P,U  a spot region is darker than P of the photosphere, an umbra\n"
    "               darker than U (default 0.92,0.75)\n"
    "  --group-distance DEG  spots closer on the Sun are one group (default 6)\n"
    "  --min-size PX  smaller regions are left out (default 2 pixels across; or\n"
    "               ARCSECarcsec, such as 3arcsec)\n"
    "  --limb-margin MU  regions nearer the limb than this mu are left out (default 0.1)\n";

namespace {

const char* const COUNT_OPTIONS[] = {"thresholds", "group-distance", "min-size", "limb-margin"};

/// A number of an option that must satisfy ok, else an input outcome saying what it takes.
Outcome numberof(const Options& opts, const std::string& name, bool (*ok)(double), const std::string& takes, double& v) {
    if (!opts.has(name)) return Outcome::ok();
    const auto n = strictnumber(*opts.get(name));
    if (!n || !ok(*n)) return Outcome::input("--" + name + " takes " + takes + ", got '" + *opts.get(name) + "'");
    v = *n;
    return Outcome::ok();
}

Outcome thresholdsof(const Options& opts, CountSettings& c) {
    if (!opts.has("thresholds")) return Outcome::ok();
    const std::string t = *opts.get("thresholds");
    const size_t comma = t.find(',');
    const auto p = strictnumber(t.substr(0, comma)), u = comma == std::string::npos ? std::nullopt : strictnumber(t.substr(comma + 1));
    if (!p || !u || !thresholdsok(*p, *u))
        return Outcome::input("--thresholds takes P,U with 0 < U < P < 1 (such as 0.92,0.75), got '" + t + "'");
    c.penumbra = *p, c.umbra = *u;
    return Outcome::ok();
}

}  // namespace

void addspotoptionnames(OptionNames& names) {
    names.flags.insert("find-spots");
    for (const char* n : COUNT_OPTIONS) names.valued.insert(n);
}

Outcome spotoptions(const Options& opts, SpotOptions& s) {
    s.find = opts.flag("find-spots");
    for (const char* n : COUNT_OPTIONS)
        if (!s.find && opts.has(n)) return Outcome::usage(std::string("--") + n + " belongs to --find-spots");
    CountSettings& c = s.settings;
    if (Outcome read = thresholdsof(opts, c); !read.done()) return read;
    if (Outcome read = numberof(opts, "group-distance", groupdistanceok,
                                "degrees from 0 to 180", c.groupdeg); !read.done())
        return read;
    if (Outcome read = numberof(opts, "limb-margin", limbmarginok, "a mu from 0 up to 1",
                                c.limbmargin); !read.done())
        return read;
    std::string size = opts.get("min-size", "");
    s.minsizearcsec = size.size() > 6 && size.compare(size.size() - 6, 6, "arcsec") == 0;
    if (s.minsizearcsec) size.resize(size.size() - 6);
    const auto n = strictnumber(size);
    if (opts.has("min-size") && (!n || !minsizeok(*n)))
        return Outcome::input("--min-size takes pixels (or arcseconds, such as 3arcsec) from 0 to 10000, got '" +
                              *opts.get("min-size") + "'");
    if (n) c.minsizepx = *n;
    return Outcome::ok();
}

Outcome spotrequests(const std::vector<std::string>& texts, bool find, std::vector<SpotRequest>& requests) {
    for (const std::string& t : texts) {
        std::vector<std::string> parts{""};
        for (char ch : t) ch == ',' ? parts.push_back("") : parts.back().push_back(ch);
        const auto x = strictnumber(parts[0]), y = parts.size() > 1 ? strictnumber(parts[1]) : std::nullopt;
        if (!x || !y || parts.size() > 3 || (parts.size() == 3 && !find))
            return Outcome::usage("--spot takes X,Y in pixels" + std::string(find ? " and a group's number" : "") +
                                  ", got '" + t + "'");
        SpotRequest r{*x, *y, 0};
        if (parts.size() == 3) {
            const auto g = strictnumber(parts[2]);
            if (!g || !(*g >= 1 && *g <= 1e6) || std::floor(*g) != *g)
                return Outcome::input("--spot takes a group's number from 1 after X,Y, got '" + t + "'");
            r.group = static_cast<int32_t>(*g);
        }
        requests.push_back(r);
    }
    return Outcome::ok();
}

Outcome countimage(const GrayImage& image, const ImageFrame& frame, const SpotOptions& s,
                   const std::vector<SpotRequest>& requests, SpotSurvey& survey, std::string& text, std::string& note) {
    CountSettings settings = s.settings;
    if (s.minsizearcsec) settings.minsizepx *= pixelsperarcsec(frame);
    const SpotField field = spotfield(image, frame, settings);
    SpotSurvey found = findspots(field);
    groupspots(found, settings.groupdeg);
    const std::vector<SpotGroup> groups = spotgroups(found, frame.sun.l0);
    SpotModel model;
    model.reset(found);
    std::map<int32_t, int32_t> started;  // numbers beyond the groups found: the ids of the groups they started
    std::string offdisk;
    for (size_t i = 0; i < requests.size(); ++i) {
        const int32_t number = requests[i].group;
        int32_t group = 0, id = 0;
        if (number > static_cast<int32_t>(groups.size())) group = started.count(number) ? started[number] : NEWGROUP;
        else if (number > 0) group = groups[number - 1].id;
        if (Outcome added = model.add(field, requests[i].x, requests[i].y, group, id); !added.done()) {
            if (!offdisk.empty()) offdisk += '\n';
            offdisk.append("spot ").append(std::to_string(i + 1)).append(": ").append(added.message);
            continue;
        }
        if (group == NEWGROUP) started[number] = model.survey().spots.back().group;
    }
    survey = model.survey();
    text = surveytext(survey, frame.sun.l0);
    note = ignoredtext(survey, settings.limbmargin, settings.minsizepx);
    return offdisk.empty() ? Outcome::ok() : Outcome::input(offdisk);
}

}  // namespace quorvel::cli
