#include "savecounted.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include "logdb.h"
#include "save.h"

namespace quorvel {

Outcome savecounted(const SpotSurvey& survey, const ImageFrame& frame, log::MeasuredImage image, const CountedSave& who,
                    std::string& summary) {
    QFile file(QString::fromStdString(image.path));
    if (!file.open(QIODevice::ReadOnly)) return Outcome::io("cannot read " + image.path + " again for its SHA-256");
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    image.sha256 = hash.result().toHex().toStdString();
    image.path = QFileInfo(file).absoluteFilePath().toStdString();
    log::SaveRequest r{log::surveyobservation(survey, frame, image), "", {}};
    r.observation.seeing = who.seeing;
    const std::string path = who.logpath.empty() ? log::defaultlogpath() : who.logpath;
    if (path.empty()) return Outcome::usage("give the log's file: neither XDG_DATA_HOME nor HOME names a folder for it");
    log::LogDb db;
    if (Outcome opened = db.open(path, log::LogPurpose::write); !opened.done()) return opened;
    r.observation.observer = who.observer.empty() ? log::defaultobserver(db) : who.observer;
    if (r.observation.observer.empty()) return Outcome::input("the log has no observer yet: give your observer code");
    log::SaveResult saved;
    if (Outcome s = log::saveobservation(db, r, saved); !s.done()) return s;
    const log::ObservationRecord& o = r.observation;
    summary = "observation " + std::to_string(saved.observation) + " saved in " + path + ": " + o.observer + " " +
              log::logtimetext(o.time) + ", g " + std::to_string(o.counts.g) + ", f " + std::to_string(o.counts.f) + ", R " +
              std::to_string(o.counts.r());
    for (const log::SavedGroup& g : saved.groups)
        summary += "; group " + std::to_string(g.number) + " track " + std::to_string(g.track) + (g.newtrack ? " (new)" : "");
    return Outcome::ok();
}

}  // namespace quorvel
