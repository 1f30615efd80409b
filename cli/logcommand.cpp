#include <cstdio>
#include <fstream>
#include <sstream>

#include "commands.h"
#include "filewrite.h"
#include "logoptions.h"
#include "output.h"
#include "save.h"

namespace quorvel::cli {
namespace {

const char* const LOG_HELP =
    "usage: quorvel_cli log SUBCOMMAND [options] [--log FILE]\n"
    "The observer's log: every day's count kept, groups followed across the disk,\n"
    "the monthly reports written. The log is one SQLite file, by default\n"
    "$XDG_DATA_HOME/quorvel/log.sqlite (~/.local/share/quorvel/log.sqlite);\n"
    "--log FILE names another.\n"
    "Subcommands:\n"
    "  add      save one observation: --time YYYY-MM-DDTHH:MMZ --seeing E|G|F|P|1..5\n"
    "           and the counts: --north G,F --south G,F, or --total G,F, or groups\n"
    "           --group LAT,CMD[,SPOTS[,ZURICH[,AREA_MSH]]] (repeat; CMD west positive);\n"
    "           --observer CODE (made on first use, then the default) [--name NAME]\n"
    "           [--equipment NAME [--method projection|visual|photographic]\n"
    "           [--aperture-mm MM] [--focal-mm MM] [--magnification X] [--filter TEXT]]\n"
    "           [--transparency TEXT] [--site TEXT] [--notes TEXT]\n"
    "  list     the observations with g, f and R: [--month YYYY-MM | --from DATE --to DATE]\n"
    "  report   --format aavso|baa|groups|daily|butterfly (--month YYYY-MM | --from DATE\n"
    "           --to DATE) [--observer CODE] [--out FILE] [--with-k]; daily and\n"
    "           butterfly are plots, PNG or SVG by the ending of --out\n"
    "  predict  --track N --time YYYY-MM-DDTHH:MMZ: where a track will be; with\n"
    "           --image FILE also its pixel, x_px,y_px, on an image like FILE taken\n"
    "           then (empty behind the limb), with measure's --limb, --orient,\n"
    "           --altaz, --flip, --invert, --rotate, --lat, --long and --model\n"
    "  track    --track N: a track's days, drifts and daily positions\n"
    "  tracks   the tracks seen [--month YYYY-MM | --from DATE --to DATE], each with\n"
    "           its days, drifts, possible earlier passage and place at --time\n"
    "           (default: now)\n"
    "  relink   --observation ID --group N --track N|new: move a group to another track\n"
    "  k        --silso SN_d_tot_V2.0.csv [--observer CODE] [--save]: the personal factor\n"
    "  export   [--out FILE]: the whole log as CSV\n"
    "  import   FILE: read an export into an empty log\n"
    "Exit status 1 for an input that fails its check (nothing is written), 2 for a\n"
    "usage error, 3 for a file that is not a log, fails its integrity check or cannot\n"
    "be read or written.\n";

struct Subcommand {
    const char* name;
    Outcome (*run)(const std::vector<std::string>&);
};

const Subcommand SUBCOMMANDS[] = {
    {"add", logadd},           {"list", loglist},     {"report", logreport}, {"predict", logpredict}, {"track", logtrack},
    {"tracks", logtracks},
    {"relink", logrelink},     {"k", logk},           {"export", logexport}, {"import", logimport},
};

}  // namespace

Outcome logcommand(const std::vector<std::string>& args) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h")
        return args.empty() ? Outcome::usage("log needs a subcommand (log --help lists them)") : writeandflush(stdout, LOG_HELP);
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const Subcommand& s : SUBCOMMANDS)
        if (args[0] == s.name) return s.run(rest);
    return Outcome::usage("log has no subcommand '" + args[0] + "' (log --help lists them)");
}

Outcome openlog(const Options& opts, log::LogPurpose purpose, log::LogDb& db) {
    const std::string path = opts.get("log", log::defaultlogpath());
    if (path.empty()) return Outcome::usage("give --log FILE: neither XDG_DATA_HOME nor HOME names a folder for the log");
    return db.open(path, purpose);
}

Outcome readspan(const Options& opts, log::Span& span, bool& month, bool& given) {
    month = opts.has("month");
    given = month || opts.has("from") || opts.has("to");
    if (month && (opts.has("from") || opts.has("to"))) return Outcome::usage("give --month or --from and --to, not both");
    if (!given) return Outcome::ok();
    log::LogTime from, to;
    if (month) {
        if (Outcome read = log::parselogmonth(*opts.get("month"), "month", from); !read.done()) return read;
        to = from;
        to.day = log::daysofmonth(from.year, from.month);
    } else {
        if (!opts.has("from") || !opts.has("to")) return Outcome::usage("--from and --to come together");
        for (Outcome read : {log::parselogdate(*opts.get("from"), "date of --from", from), log::parselogdate(*opts.get("to"), "date of --to", to)})
            if (!read.done()) return read;
        if (log::logminutes(to) < log::logminutes(from)) return Outcome::input("--to lies before --from");
    }
    span = {log::logminutes(from), log::logminutes(to) + 1440};
    return Outcome::ok();
}

Outcome readobservercode(const Options& opts, log::LogDb& db, std::string& code) {
    code = opts.get("observer", log::defaultobserver(db));
    if (code.empty()) return Outcome::input("the log has no observer yet: save an observation with --observer CODE first");
    return Outcome::ok();
}

Outcome writeout(const Options& opts, const std::string& text) {
    if (!opts.has("out")) return writeandflush(stdout, text);
    const Outcome written = writefile(*opts.get("out"), text, WriteTarget::streamable);
    return written.done() ? written : Outcome::io("cannot write " + *opts.get("out") + ": " + written.message, written.fault);
}

Outcome readwholefile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Outcome::io("cannot read " + path, FAULT_FILE_NOT_FOUND);
    std::ostringstream all;
    all << in.rdbuf();
    if (in.bad()) return Outcome::io("cannot read " + path);
    text = all.str();
    return Outcome::ok();
}

}  // namespace quorvel::cli
