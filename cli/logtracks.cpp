// quorvel_cli log predict, track, relink, export and import.
#include <charconv>
#include <ctime>

#include "csvtext.h"
#include "logexport.h"
#include "logoptions.h"
#include "output.h"
#include "qthelper.h"
#include "tracks.h"

namespace quorvel::cli {
namespace {

/// A positive whole number of an option; `allownew` takes "new" as 0.
Outcome readid(const Options& opts, const char* name, bool allownew, int64_t& id) {
    if (!opts.has(name)) return Outcome::usage(std::string("give --") + name);
    const std::string text = *opts.get(name);
    if (allownew && text == "new") return id = 0, Outcome::ok();
    auto r = std::from_chars(text.data(), text.data() + text.size(), id);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || id <= 0)
        return Outcome::input("--" + std::string(name) + " takes a positive whole number" + (allownew ? " or new" : "") +
                              ", not '" + text + "'");
    return Outcome::ok();
}

}  // namespace

ImagePlacer imageplacer = nullptr;

Outcome logpredict(const std::vector<std::string>& args) {
    OptionNames names{{"log", "track", "time", "image", "limb", "orient", "rotate", "lat", "long", "model"}, {"altaz", "flip", "invert"}};
    Options opts;
    if (Outcome read = Options::read(args, names, opts); !read.done()) return read;
    if (!opts.has("image"))
        for (const char* name : {"limb", "orient", "rotate", "lat", "long", "model", "altaz", "flip", "invert"})
            if (opts.has(name)) return Outcome::usage(std::string("--") + name + " goes with --image");
    if (opts.has("image") && !imageplacer) {  // images open in quorvel_cli_qt
        std::vector<std::string> all{"quorvel_cli", "log", "predict"};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        return execqthelper("log predict --image", argv.data());
    }
    int64_t track = 0;
    log::LogTime when;
    if (!opts.has("time")) return Outcome::usage("log predict needs --time");
    for (Outcome read : {readid(opts, "track", false, track), log::parselogtime(*opts.get("time"), "time", when)})
        if (!read.done()) return read;
    log::LogDb db;
    if (Outcome opened = openlog(opts, log::LogPurpose::read, db); !opened.done()) return opened;
    log::TrackPrediction p;
    if (Outcome made = db.read([&] { return log::predicttrack(db, track, log::logminutes(when), p); }); !made.done()) return made;
    std::string pixel;
    if (opts.has("image"))
        if (Outcome placed = imageplacer(opts, when, p, pixel); !placed.done()) return placed;
    return writeandflush(stdout, std::string("track,time,lat_deg,cmd_deg_west,carrington_deg") +
                                     (opts.has("image") ? ",x_px,y_px\n" : "\n") + std::to_string(track) + "," +
                                     log::logtimetext(when) + "," + log::fixed(p.lat_deg, 2) + "," +
                                     log::fixed(p.cmd_deg_west, 2) + "," + log::fixed(p.carrington_deg, 2) + pixel + "\n");
}

Outcome logtracks(const std::vector<std::string>& args) {
    Options opts;
    if (Outcome read = Options::read(args, {{"log", "month", "from", "to", "time"}, {}}, opts); !read.done()) return read;
    log::Span span = log::WHOLE_LOG;
    bool month = false, given = false;
    if (Outcome read = readspan(opts, span, month, given); !read.done()) return read;
    int64_t minutes = static_cast<int64_t>(std::time(nullptr)) / 60;
    if (opts.has("time")) {
        log::LogTime when;
        if (Outcome read = log::parselogtime(*opts.get("time"), "time", when); !read.done()) return read;
        minutes = log::logminutes(when);
    }
    log::LogDb db;
    if (Outcome opened = openlog(opts, log::LogPurpose::read, db); !opened.done()) return opened;
    std::vector<log::TrackSummary> tracks;
    if (Outcome made = db.read([&] { return log::tracksummaries(db, span, minutes, tracks); }); !made.done()) return made;
    return writeandflush(stdout, log::trackscsv(tracks));
}

Outcome logtrack(const std::vector<std::string>& args) {
    Options opts;
    if (Outcome read = Options::read(args, {{"log", "track"}, {}}, opts); !read.done()) return read;
    int64_t track = 0;
    if (Outcome read = readid(opts, "track", false, track); !read.done()) return read;
    log::LogDb db;
    if (Outcome opened = openlog(opts, log::LogPurpose::read, db); !opened.done()) return opened;
    std::string text;
    if (Outcome made = db.read([&] { return log::tracktext(db, track, text); }); !made.done()) return made;
    return writeandflush(stdout, text);
}

Outcome logrelink(const std::vector<std::string>& args) {
    Options opts;
    if (Outcome read = Options::read(args, {{"log", "observation", "group", "track"}, {}}, opts); !read.done()) return read;
    int64_t observation = 0, group = 0, track = 0;
    for (Outcome read : {readid(opts, "observation", false, observation), readid(opts, "group", false, group),
                         readid(opts, "track", true, track)})
        if (!read.done()) return read;
    log::LogDb db;
    if (Outcome opened = openlog(opts, log::LogPurpose::write, db); !opened.done()) return opened;
    if (Outcome moved = log::relinkgroup(db, observation, group, track); !moved.done()) return moved;
    return writeandflush(stdout, "group " + std::to_string(group) + " of observation " + std::to_string(observation) +
                                     ": track " + std::to_string(track) + "\n");
}

Outcome logexport(const std::vector<std::string>& args) {
    Options opts;
    if (Outcome read = Options::read(args, {{"log", "out"}, {}}, opts); !read.done()) return read;
    log::LogDb db;
    if (Outcome opened = openlog(opts, log::LogPurpose::read, db); !opened.done()) return opened;
    std::string text;
    if (Outcome made = log::exportlog(db, text); !made.done()) return made;
    return writeout(opts, text);
}

Outcome logimport(const std::vector<std::string>& args) {
    Options opts;
    if (Outcome read = Options::read(args, {{"log"}, {}, 1}, opts); !read.done()) return read;
    if (opts.operands().empty()) return Outcome::usage("log import needs the export's FILE");
    std::string text;
    if (Outcome read = readwholefile(opts.operands()[0], text); !read.done()) return read;
    log::LogDb db;
    if (Outcome opened = openlog(opts, log::LogPurpose::write, db); !opened.done()) return opened;
    if (Outcome in = log::importlog(db, text); !in.done()) return in;
    return writeandflush(stdout, "read " + opts.operands()[0] + " into " + db.path() + "\n");
}

}  // namespace quorvel::cli
