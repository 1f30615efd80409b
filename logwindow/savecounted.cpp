#include "savecounted.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "logdb.h"
#include "messagetext.h"

namespace quorvel {
namespace {

/// The text in the user's language (the observer's log as it reports a save).
QString words(const char* english) { return QCoreApplication::translate("quorvel::SaveCounted", english); }

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

Outcome countedlogpath(const std::string& logpath, std::string& path) {
    path = logpath.empty() ? log::defaultlogpath() : logpath;
    if (path.empty())
        return Outcome::usage(
                MESSAGE_TEXT("Message", "give the log's file: neither XDG_DATA_HOME nor HOME names a folder for it"));
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
    const QString observer =
            a.observer.empty() ? words(QT_TRANSLATE_NOOP("quorvel::SaveCounted", "the log's default observer"))
                               : words(QT_TRANSLATE_NOOP("quorvel::SaveCounted", "observer %1")).arg(text(a.observer));
    const QString equipment =
            a.equipment.empty()
                    ? words(QT_TRANSLATE_NOOP("quorvel::SaveCounted", "no equipment"))
                    : words(QT_TRANSLATE_NOOP("quorvel::SaveCounted", "equipment %1")).arg(text(a.equipment));
    return words(QT_TRANSLATE_NOOP("quorvel::SaveCounted", "seeing %1, %2, %3"))
            .arg(text(a.seeing), observer, equipment)
            .toStdString();
}

Outcome savecounted(const SpotSurvey& survey, const ImageFrame& frame, log::MeasuredImage image, const CountedSave& who,
                    std::string& summary) {
    QFile file(QString::fromStdString(image.path));
    if (!file.open(QIODevice::ReadOnly))
        return Outcome::io(fillin(MESSAGE_TEXT("Message", "cannot read %1 again for its SHA-256"), {image.path}));
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
    if (r.observation.observer.empty())
        return Outcome::input(MESSAGE_TEXT("Message", "the log has no observer yet: give your observer code"));
    const std::vector<std::string> profiles = log::equipmentnames(db);
    if (!who.answers.equipment.empty() && std::find(profiles.begin(), profiles.end(), who.answers.equipment) == profiles.end())
        r.equipment = log::EquipmentRecord{who.answers.equipment, who.answers.method, {}, {}, {}, ""};
    log::SaveResult saved;
    const Outcome s = who.remember ? log::saveandremember(db, r, who.answers, saved) : log::saveobservation(db, r, saved);
    if (!s.done()) return s;
    const log::ObservationRecord& o = r.observation;
    QString said =
            words(QT_TRANSLATE_NOOP("quorvel::SaveCounted", "observation %1 saved in %2: %3 %4, g %5, f %6, R %7"))
                    .arg(QString::number(saved.observation), text(path), text(o.observer),
                         text(log::logtimetext(o.time)), QString::number(o.counts.g), QString::number(o.counts.f),
                         QString::number(o.counts.r()));
    for (const log::SavedGroup& g : saved.groups)
        said += (g.newtrack ? words(QT_TRANSLATE_NOOP("quorvel::SaveCounted", "; group %1 track %2 (new)"))
                            : words(QT_TRANSLATE_NOOP("quorvel::SaveCounted", "; group %1 track %2")))
                        .arg(g.number)
                        .arg(g.track);
    summary = said.toStdString();
    return Outcome::ok();
}

}  // namespace quorvel
