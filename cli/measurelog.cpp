#include "measurelog.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "logdb.h"
#include "observationcheck.h"
#include "save.h"

namespace quorvel::cli {

void takelogoption(std::vector<std::string>& args, MeasureLog& request) {
    std::vector<std::string> rest;
    size_t operands = 0;
    for (const std::string& a : args) operands += !a.empty() && a[0] != '-';
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i].rfind("--log=", 0) == 0) {
            request.wanted = true, request.file = args[i].substr(6);
        } else if (args[i] == "--log") {
            request.wanted = true;
            const bool next = i + 1 < args.size() && !args[i + 1].empty() && args[i + 1][0] != '-';
            if (next && operands > 1) request.file = args[++i], --operands;
        } else {
            rest.push_back(args[i]);
        }
    }
    args = rest;
}

Outcome checkmeasurelog(const Options& opts, const MeasureLog& request, bool findspots) {
    if (!request.wanted) {
        if (opts.has("seeing") || opts.has("observer")) return Outcome::usage("--seeing and --observer go with --log");
        return Outcome::ok();
    }
    if (!findspots) return Outcome::usage("--log saves the counted spots: it goes with --find-spots");
    if (!opts.has("seeing")) return Outcome::usage("--log needs the --seeing (E, G, F, P or 1 to 5)");
    if (!log::validseeing(*opts.get("seeing")))
        return Outcome::input("the seeing '" + *opts.get("seeing") + "' is not one of E, G, F, P (excellent, good, fair, poor) or 1 to 5");
    return opts.has("observer") ? log::checkobservercode(*opts.get("observer")) : Outcome::ok();
}

Outcome savemeasured(const Options& opts, const MeasureLog& request, const SpotSurvey& survey, const ImageFrame& frame,
                     log::MeasuredImage image) {
    QFile file(QString::fromStdString(image.path));
    if (!file.open(QIODevice::ReadOnly)) return Outcome::io("cannot read " + image.path + " again for its SHA-256");
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    image.sha256 = hash.result().toHex().toStdString();
    image.path = QFileInfo(file).absoluteFilePath().toStdString();
    log::SaveRequest r{log::surveyobservation(survey, frame, image), "", {}};
    r.observation.seeing = *opts.get("seeing");
    const std::string path = request.file.empty() ? log::defaultlogpath() : request.file;
    if (path.empty()) return Outcome::usage("give --log FILE: neither XDG_DATA_HOME nor HOME names a folder for the log");
    log::LogDb db;
    if (Outcome opened = db.open(path, log::LogPurpose::write); !opened.done()) return opened;
    r.observation.observer = opts.get("observer", log::defaultobserver(db));
    if (r.observation.observer.empty()) return Outcome::input("the log has no observer yet: give --observer CODE");
    log::SaveResult saved;
    if (Outcome s = log::saveobservation(db, r, saved); !s.done()) return s;
    std::string text = "observation " + std::to_string(saved.observation) + " saved in " + path + ": " + r.observation.observer +
                       " " + log::logtimetext(r.observation.time) + ", g " + std::to_string(r.observation.counts.g) + ", f " +
                       std::to_string(r.observation.counts.f) + ", R " + std::to_string(r.observation.counts.r());
    for (const log::SavedGroup& g : saved.groups)
        text += "; group " + std::to_string(g.number) + " track " + std::to_string(g.track) + (g.newtrack ? " (new)" : "");
    std::fprintf(stderr, "%s\n", text.c_str());
    return Outcome::ok();
}

}  // namespace quorvel::cli
