// quorvel_cli log add: one observation, typed counts or groups.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <charconv>
#include <sstream>

#include "csvtext.h"
#include "logoptions.h"
#include "observationcheck.h"
#include "output.h"
#include "rotation.h"
#include "save.h"
#include "textvalue.h"

namespace quorvel::cli {
namespace {

std::vector<std::string> splitcommas(const std::string& text) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, ',');) parts.push_back(part);
    if (!text.empty() && text.back() == ',') parts.push_back("");
    return parts;
}

/// "G,F" of --north, --south or --total.
Outcome readpair(const std::string& option, const std::string& text, int64_t& g, int64_t& f) {
    const std::vector<std::string> parts = splitcommas(text);
    const Outcome bad = Outcome::input("--" + option + " takes G,F, the whole numbers of groups and spots, not '" + text + "'");
    if (parts.size() != 2) return bad;
    for (int i = 0; i < 2; ++i) {
        int64_t& v = i == 0 ? g : f;
        const std::string& p = parts[static_cast<size_t>(i)];
        auto r = std::from_chars(p.data(), p.data() + p.size(), v);
        if (r.ec != std::errc() || r.ptr != p.data() + p.size()) return bad;
    }
    return Outcome::ok();
}

Outcome readcounts(const Options& opts, log::Counts& c) {
    if (opts.has("total") && (opts.has("north") || opts.has("south")))
        return Outcome::usage("give --total, or --north and --south, not both");
    if (opts.has("north") != opts.has("south")) return Outcome::usage("--north and --south come together");
    if (opts.has("total")) return readpair("total", *opts.get("total"), c.g, c.f);
    if (!opts.has("north")) return Outcome::ok();
    c.hemispheres = true;
    for (Outcome read : {readpair("north", *opts.get("north"), c.gn, c.fn), readpair("south", *opts.get("south"), c.gs, c.fs)})
        if (!read.done()) return read;
    c.g = c.gn + c.gs, c.f = c.fn + c.fs;
    return Outcome::ok();
}

/// "LAT,CMD[,SPOTS[,ZURICH[,AREA_MSH]]]" of --group; the Carrington longitude from L0.
Outcome readgroup(const std::string& text, double l0, log::GroupRecord& g) {
    const std::vector<std::string> p = splitcommas(text);
    const Outcome bad = Outcome::input("--group takes LAT,CMD[,SPOTS[,ZURICH[,AREA_MSH]]] in degrees (CMD west positive), not '" + text + "'");
    if (p.size() < 2 || p.size() > 5) return bad;
    const auto lat = strictnumber(p[0]), cmd = strictnumber(p[1]);
    if (!lat || !cmd || std::fabs(*lat) > 90 || std::fabs(*cmd) > 90) return bad;
    g.lat_deg = *lat, g.cmd_deg_west = *cmd, g.carrington_deg = log::wrap360(l0 + *cmd);
    if (p.size() > 2) {
        const auto spots = strictnumber(p[2]);
        if (!spots || *spots != std::floor(*spots)) return bad;
        g.spots = static_cast<int64_t>(*spots);
    }
    if (p.size() > 3) g.zurich = p[3];
    if (p.size() > 4) {
        g.area_msh = strictnumber(p[4]);
        if (!g.area_msh) return bad;
    }
    return Outcome::ok();
}

Outcome readgroups(const Options& opts, log::ObservationRecord& o) {
    const double l0 = log::diskcentre(log::logminutes(o.time)).l0_deg;
    for (const std::string& text : opts.all("group")) {
        o.groups.emplace_back();
        if (Outcome read = readgroup(text, l0, o.groups.back()); !read.done()) return read;
    }
    std::stable_sort(o.groups.begin(), o.groups.end(), [](const log::GroupRecord& a, const log::GroupRecord& b) {
        return a.cmd_deg_west < b.cmd_deg_west;
    });
    for (size_t i = 0; i < o.groups.size(); ++i) o.groups[i].number = static_cast<int64_t>(i + 1);
    if (!o.groups.empty() && !opts.has("north") && !opts.has("total")) o.counts = log::countsofgroups(o.groups);
    return Outcome::ok();
}

Outcome readequipment(const Options& opts, log::SaveRequest& r) {
    r.observation.equipment = opts.get("equipment", "");
    const bool profile = opts.has("method") || opts.has("aperture-mm") || opts.has("focal-mm") || opts.has("magnification") ||
                         opts.has("filter");
    if (!profile) return Outcome::ok();
    if (r.observation.equipment.empty()) return Outcome::usage("--method, --aperture-mm, ... describe the --equipment NAME");
    log::EquipmentRecord e{r.observation.equipment, opts.get("method", ""), {}, {}, {}, opts.get("filter", "")};
    const std::pair<const char*, std::optional<double>*> numbers[] = {
        {"aperture-mm", &e.aperture_mm}, {"focal-mm", &e.focal_length_mm}, {"magnification", &e.magnification}};
    for (const auto& [name, field] : numbers)
        if (opts.has(name) && !(*field = strictnumber(*opts.get(name))))
            return Outcome::input("--" + std::string(name) + " takes a number, not '" + *opts.get(name) + "'");
    r.equipment = e;
    return log::checkequipment(e);
}

std::string savedtext(const log::LogDb& db, const log::SaveRequest& r, const log::SaveResult& saved) {
    const log::ObservationRecord& o = r.observation;
    std::string out = "observation " + std::to_string(saved.observation) + " saved in " + db.path() + ": " + o.observer + " " +
                      log::logtimetext(o.time) + ", g " + std::to_string(o.counts.g) + ", f " + std::to_string(o.counts.f) +
                      ", R " + std::to_string(o.counts.r()) + "\n";
    for (const log::SavedGroup& g : saved.groups) {
        out += "group " + std::to_string(g.number) + ": track " + std::to_string(g.track);
        if (g.newtrack) out += g.returnof ? " (new; perhaps the return of track " + std::to_string(g.returnof) + ")" : " (new)";
        out += "\n";
    }
    return out;
}

}  // namespace

Outcome logadd(const std::vector<std::string>& args) {
    const OptionNames names{{"log", "time", "seeing", "north", "south", "total", "observer", "name", "equipment", "method",
                             "aperture-mm", "focal-mm", "magnification", "filter", "transparency", "site", "notes"},
                            {}, 0, {"group"}};
    Options opts;
    if (Outcome read = Options::read(args, names, opts); !read.done()) return read;
    if (!opts.has("time") || !opts.has("seeing")) return Outcome::usage("log add needs --time and --seeing");
    log::SaveRequest r;
    log::ObservationRecord& o = r.observation;
    o.seeing = *opts.get("seeing");
    o.transparency = opts.get("transparency", ""), o.site = opts.get("site", ""), o.notes = opts.get("notes", "");
    r.observername = opts.get("name", "");
    for (Outcome read : {log::parselogtime(*opts.get("time"), "time", o.time), readcounts(opts, o.counts)})
        if (!read.done()) return read;
    if (!opts.has("north") && !opts.has("total") && opts.all("group").empty())
        return Outcome::usage("log add needs the counts: --north G,F and --south G,F, --total G,F, or --group");
    for (Outcome read : {readgroups(opts, o), readequipment(opts, r)})
        if (!read.done()) return read;
    // Checked before the log is opened, so that a fault writes nothing, not even a new log;
    // the default observer stands in for a code not given.
    log::ObservationRecord probe = o;
    probe.observer = opts.get("observer", "default");
    if (Outcome checked = log::checkobservation(probe); !checked.done()) return checked;
    const std::string path = opts.get("log", log::defaultlogpath());
    if (!opts.has("observer") && !path.empty() && std::ifstream(path).fail())
        return Outcome::input("there is no log at " + path + " yet: give --observer CODE for its first observation");
    log::LogDb db;
    if (Outcome opened = openlog(opts, log::LogPurpose::write, db); !opened.done()) return opened;
    if (Outcome who = readobservercode(opts, db, o.observer); !who.done()) return who;
    log::SaveResult saved;
    if (Outcome s = log::saveobservation(db, r, saved); !s.done()) return s;
    return writeandflush(stdout, savedtext(db, r, saved));
}

}  // namespace quorvel::cli
