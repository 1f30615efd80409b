// quorvel_cli log report, list and k: what is read from the log, never written.
#include "csvtext.h"
#include "logoptions.h"
#include "output.h"
#include "personalk.h"
#include "qthelper.h"
#include "reportrequest.h"
#include "reports.h"
#include "save.h"

namespace quorvel::cli {
namespace {

bool endswith(const std::string& s, const char* end) {
    const std::string e = end;
    return s.size() >= e.size() && s.compare(s.size() - e.size(), e.size(), e) == 0;
}

}  // namespace

Outcome logreport(const std::vector<std::string>& args) {
    const OptionNames names{{"log", "format", "month", "from", "to", "observer", "out"}, {"with-k"}};
    Options opts;
    if (Outcome read = Options::read(args, names, opts); !read.done()) return read;
    const std::string format = opts.get("format", "");
    const bool plot = format == "daily" || format == "butterfly";
    if (!plot && format != "aavso" && format != "baa" && format != "groups")
        return Outcome::usage("--format takes aavso, baa, groups, daily or butterfly");
    const std::string out = opts.get("out", "");
    if (plot && !endswith(out, ".svg") && !endswith(out, ".png"))
        return Outcome::usage("the " + format + " plot needs --out FILE ending in .svg or .png");
    log::ReportRequest request{format, opts.get("observer", ""), {}, false, opts.flag("with-k")};
    bool given = false;
    if (Outcome read = readspan(opts, request.span, request.month, given); !read.done()) return read;
    if (!given) request.span = {};
    log::LogDb db;
    if (Outcome opened = openlog(opts, log::LogPurpose::read, db); !opened.done()) return opened;
    std::string text;
    if (Outcome made = log::reporttext(db, request, text); !made.done()) return made;
    if (endswith(out, ".png")) return runqthelper({"svg-to-png", out}, text);
    return writeout(opts, text);
}

Outcome loglist(const std::vector<std::string>& args) {
    const OptionNames names{{"log", "month", "from", "to", "observer", "out"}, {}};
    Options opts;
    if (Outcome read = Options::read(args, names, opts); !read.done()) return read;
    log::LogDb db;
    if (Outcome opened = openlog(opts, log::LogPurpose::read, db); !opened.done()) return opened;
    log::Span span;
    bool month = false, given = false;
    if (Outcome read = readspan(opts, span, month, given); !read.done()) return read;
    if (!given) span = log::WHOLE_LOG;
    std::vector<log::ObservationRecord> obs;
    if (Outcome read = log::readobservations(db, opts.get("observer", ""), span, obs); !read.done()) return read;
    std::string text = "observation,time,observer,seeing,g,f,R,groups,image\n";
    for (const log::ObservationRecord& o : obs)
        text += std::to_string(o.id) + "," + log::logtimetext(o.time) + "," + o.observer + "," + o.seeing + "," +
                std::to_string(o.counts.g) + "," + std::to_string(o.counts.f) + "," + std::to_string(o.counts.r()) + "," +
                (o.counts.hemispheres ? "by hemisphere" : "whole disk") + "," + (o.image ? o.image->path : "") + "\n";
    return writeout(opts, text);
}

Outcome logk(const std::vector<std::string>& args) {
    const OptionNames names{{"log", "silso", "observer", "from", "to", "month"}, {"save"}};
    Options opts;
    if (Outcome read = Options::read(args, names, opts); !read.done()) return read;
    if (!opts.has("silso")) return Outcome::usage("log k needs --silso FILE (SILSO's SN_d_tot_V2.0.csv)");
    std::string silsotext;
    log::SilsoDays silso;
    if (Outcome read = readwholefile(*opts.get("silso"), silsotext); !read.done()) return read;
    if (Outcome read = log::readsilso(silsotext, *opts.get("silso"), silso); !read.done()) return read;
    log::LogDb db;
    if (Outcome opened = openlog(opts, opts.flag("save") ? log::LogPurpose::write : log::LogPurpose::read, db); !opened.done())
        return opened;
    std::string code;
    log::Span span = log::WHOLE_LOG;
    bool month = false, given = false;
    std::vector<log::ObservationRecord> obs;
    log::PersonalK k;
    for (Outcome step : {readobservercode(opts, db, code), readspan(opts, span, month, given)})
        if (!step.done()) return step;
    if (!given) span = log::WHOLE_LOG;
    if (Outcome read = log::readobservations(db, code, span, obs); !read.done()) return read;
    if (Outcome computed = log::personalk(obs, silso, k); !computed.done()) return computed;
    if (opts.flag("save"))
        if (Outcome saved = log::setpersonalk(db, code, k.k); !saved.done()) return saved;
    return writeandflush(stdout, "quantity,value,spread,days\nk," + log::fixed(k.k, 3) + "," + log::fixed(k.spread, 3) + "," +
                                     std::to_string(k.days) + "\n");
}

}  // namespace quorvel::cli
