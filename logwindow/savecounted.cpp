#include "savecounted.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "logdb.h"

namespace quorvel {

Outcome countedlogpath(const std::string& logpath, std::string& path) {
    path = logpath.empty() ? log::defaultlogpath() : logpath;
    if (path.empty()) return Outcome::usage("give the log's file: neither XDG_DATA_HOME nor HOME names a folder for it");
    return Outcome::ok();
}

void readsaveanswers(const std::string& logpath, log::SaveAnswers& answers, std::vector<std::string>& profiles) {
    std::string path;
    log::LogDb db;
    if (!countedlogpath(logpath, path).done() || !db.open(path, log::LogPurpose::read).done()) return;
    db.read([&] {
        answers = log::rememberedanswers(db);
        profiles = log::equipmentnames(db);
        return Outcome::ok();
    });
}

std::string answerstext(const log::SaveAnswers& a) {
    return "seeing " + a.seeing + ", " + (a.observer.empty() ? "the log's default observer" : "observer " + a.observer) +
           ", " + (a.equipment.empty() ? "no equipment" : "equipment " + a.equipment);
}

Outcome savecounted(const SpotSurvey& survey, const ImageFrame& frame, log::MeasuredImage image, const CountedSave& who,
                    std::string& summary) {
    QFile file(QString::fromStdString(image.path));
    if (!file.open(QIODevice::ReadOnly)) return Outcome::io("cannot read " + image.path + " again for its SHA-256");
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    image.sha256 = hash.result().toHex().toStdString();
    image.path = QFileInfo(file).absoluteFilePath().toStdString();
    log::SaveRequest r{log::surveyobservation(survey, frame, image), "", {}};
    r.observation.seeing = who.answers.seeing;
    r.observation.equipment = who.answers.equipment;
    std::string path;
    if (Outcome named = countedlogpath(who.logpath, path); !named.done()) return named;
    log::LogDb db;
    if (Outcome opened = db.open(path, log::LogPurpose::write); !opened.done()) return opened;
    r.observation.observer = who.answers.observer.empty() ? log::defaultobserver(db) : who.answers.observer;
    if (r.observation.observer.empty()) return Outcome::input("the log has no observer yet: give your observer code");
    const std::vector<std::string> profiles = log::equipmentnames(db);
    if (!who.answers.equipment.empty() && std::find(profiles.begin(), profiles.end(), who.answers.equipment) == profiles.end())
        r.equipment = log::EquipmentRecord{who.answers.equipment, who.answers.method, {}, {}, {}, ""};
    log::SaveResult saved;
    const Outcome s = who.remember ? log::saveandremember(db, r, who.answers, saved) : log::saveobservation(db, r, saved);
    if (!s.done()) return s;
    const log::ObservationRecord& o = r.observation;
    summary = "observation " + std::to_string(saved.observation) + " saved in " + path + ": " + o.observer + " " +
              log::logtimetext(o.time) + ", g " + std::to_string(o.counts.g) + ", f " + std::to_string(o.counts.f) + ", R " +
              std::to_string(o.counts.r());
    for (const log::SavedGroup& g : saved.groups)
        summary += "; group " + std::to_string(g.number) + " track " + std::to_string(g.track) + (g.newtrack ? " (new)" : "");
    return Outcome::ok();
}

}  // namespace quorvel
