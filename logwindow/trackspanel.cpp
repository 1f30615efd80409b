#include "trackspanel.h"

#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "csvtext.h"
#include "messagetext.h"
#include "tablecells.h"

namespace quorvel {
namespace {

constexpr int64_t MINUTES_A_DAY = 1440;

std::string timetext(int64_t minutes) {
    const std::string t = log::logtimetext(log::logtimeofminutes(minutes));
    return t.substr(0, 10) + " " + t.substr(11, 5);
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

}  // namespace

TracksPanel::TracksPanel(TracksServices services, std::function<void(const std::string&, bool)> status, QWidget* parent)
    : QWidget(parent), services_(std::move(services)), status_(std::move(status)) {
    setObjectName("trackspanel");
    txtwhen_ = new QLineEdit(this);
    txtwhen_->setObjectName("txtwhen");
    txtwhen_->setPlaceholderText("YYYY-MM-DDTHH:MMZ");
    cmdplace_ = button("cmdplace", tr("&Show Places"), this);
    tbltracks_ = rowtable("tbltracks", {tr("Track"), tr("First (UT)"), tr("Last (UT)"), tr("Sightings"), tr("Days"),
                                        tr("Drift lon °/day"), tr("Drift lat °/day"), tr("Return of"), tr("Lat"),
                                        tr("CMD"), tr("Carrington")}, this);
    tblgroups_ = rowtable("tblgroups", {tr("Date (UT)"), tr("Observation"), tr("Group"), tr("Lat"), tr("CMD"),
                                        tr("Carrington")}, this);
    cmdmove_ = button("cmdmove", tr("&Move Group to Track..."), this);
    cmdundo_ = button("cmdundo", tr("&Undo Move"), this);
    auto* when = new QHBoxLayout;
    auto* caption = new QLabel(tr("&Place on (UT):"), this);
    caption->setBuddy(txtwhen_);
    when->addWidget(caption);
    when->addWidget(txtwhen_);
    when->addWidget(cmdplace_);
    when->addStretch();
    auto* moves = new QHBoxLayout;
    moves->addWidget(new QLabel(tr("Groups of the track:"), this), 1);
    moves->addWidget(cmdmove_);
    moves->addWidget(cmdundo_);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(0, 0, 0, 0);
    all->addLayout(when);
    all->addWidget(tbltracks_, 2);
    all->addLayout(moves);
    all->addWidget(tblgroups_, 1);
    connect(cmdplace_, &QPushButton::clicked, this, [this] { load(path_, span_); });
    connect(txtwhen_, &QLineEdit::returnPressed, this, [this] { load(path_, span_); });
    connect(tbltracks_, &QTableWidget::itemSelectionChanged, this, &TracksPanel::showgroups);
    connect(tblgroups_, &QTableWidget::itemSelectionChanged, this, [this] { cmdmove_->setEnabled(selectedgroup()); });
    connect(cmdmove_, &QPushButton::clicked, this, &TracksPanel::moveclick);
    connect(cmdundo_, &QPushButton::clicked, this, [this] {
        const Outcome undone = undomove();
        if (!undone.done()) status_(undone.message, true);
    });
    cmdmove_->setEnabled(false);
    cmdundo_->setEnabled(false);
}

Outcome TracksPanel::load(const std::string& path, const log::Span& span) {
    if (path != path_) lastmove_.reset(), cmdundo_->setEnabled(false);
    path_ = path, span_ = span;
    tracks_.clear(), groups_.clear();
    log::LogTime when;
    const std::string text = txtwhen_->text().trimmed().toStdString();
    Outcome read = text.empty() ? Outcome::ok()
                                : log::parselogtime(text, MESSAGE_TEXT("Message", "date to place the tracks on"), when);
    log::LogDb db;
    if (read.done()) read = db.open(path, log::LogPurpose::read);
    if (read.done())
        read = db.read([&] {
            std::vector<log::TrackGroup> seen;
            if (Outcome r = log::readtrackgroups(db, span, seen); !r.done() || !text.empty() || seen.empty()) return r;
            int64_t last = 0;
            for (const log::TrackGroup& g : seen) last = std::max(last, g.seen.minutes);
            when = log::logtimeofminutes(last + MINUTES_A_DAY);  // where will they be tomorrow
            return Outcome::ok();
        });
    if (read.done() && text.empty()) txtwhen_->setText(QString::fromStdString(log::logtimetext(when)));
    if (read.done()) read = db.read([&] { return log::tracksummaries(db, span, log::logminutes(when), tracks_, &groups_); });
    filltracks();
    return read;
}

void TracksPanel::filltracks() {
    std::vector<std::vector<std::string>> rows;
    for (const log::TrackSummary& t : tracks_)
        rows.push_back({std::to_string(t.track), timetext(t.first), timetext(t.last), std::to_string(t.sightings),
                        std::to_string(t.days), log::fixed(t.place.drift_lon_deg_per_day, 2),
                        log::fixed(t.place.drift_lat_deg_per_day, 2), t.returnof ? std::to_string(t.returnof) : "",
                        log::fixed(t.at.lat_deg, 1),
                        log::fixed(t.at.cmd_deg_west, 1) +
                                (std::fabs(t.at.cmd_deg_west) > 90 ? tr(" (behind)").toStdString() : ""),
                        log::fixed(t.at.carrington_deg, 1)});
    fillcells(tbltracks_, rows, {0, 3, 4, 5, 6, 7, 8, 9, 10});
    showgroups();
}

void TracksPanel::showgroups() {
    tblgroups_->clearSelection();
    shown_.clear();
    const int row = tbltracks_->currentRow();
    const bool chosen = !tbltracks_->selectedItems().isEmpty() && row >= 0 && row < static_cast<int>(tracks_.size());
    std::vector<std::vector<std::string>> rows;
    for (size_t i = 0; chosen && i < groups_.size(); ++i) {
        const log::TrackGroup& g = groups_[i];
        if (g.seen.track != tracks_[row].track) continue;
        shown_.push_back(i);
        rows.push_back({timetext(g.seen.minutes), std::to_string(g.observation), std::to_string(g.number),
                        log::fixed(g.seen.lat_deg, 1), log::fixed(g.seen.cmd_deg_west, 1), log::fixed(g.seen.carrington_deg, 1)});
    }
    fillcells(tblgroups_, rows, {1, 2, 3, 4, 5});
    cmdmove_->setEnabled(false);
}

const log::TrackGroup* TracksPanel::selectedgroup() const {
    const int row = tblgroups_->currentRow();
    if (tblgroups_->selectedItems().isEmpty() || row < 0 || row >= static_cast<int>(shown_.size())) return nullptr;
    return &groups_[shown_[row]];
}

Outcome TracksPanel::relink(int64_t observation, int64_t number, int64_t& track) {
    log::LogDb db;
    if (Outcome opened = db.open(path_, log::LogPurpose::write); !opened.done()) return opened;
    return log::relinkgroup(db, observation, number, track);
}

Outcome TracksPanel::movegroup(int64_t track) {
    const log::TrackGroup* g = selectedgroup();
    if (!g) return Outcome::input(MESSAGE_TEXT("Message", "Choose a group of a track first"));
    const QString group = QString::number(g->number), when = QString::fromStdString(timetext(g->seen.minutes)),
                  observation = QString::number(g->observation), from = QString::number(g->seen.track);
    const std::string question = (track ? tr("Move group %1 of %2 (observation %3) from track %4 to track %5?")
                                                  .arg(group, when, observation, from, QString::number(track))
                                        : tr("Move group %1 of %2 (observation %3) from track %4 to a new track?")
                                                  .arg(group, when, observation, from))
                                         .toStdString();
    const bool yes = services_.confirm ? services_.confirm(question)
                                       : QMessageBox::question(this, tr("Move Group"), QString::fromStdString(question)) ==
                                             QMessageBox::Yes;
    if (!yes) return Outcome::ok();
    Move move{g->observation, g->number, g->seen.track, track};
    if (Outcome moved = relink(move.observation, move.number, move.to); !moved.done()) return moved;
    lastmove_ = move;
    cmdundo_->setEnabled(true);
    const Outcome shown = load(path_, span_);
    status_(tr("Group %1 of observation %2 moved from track %3 to track %4; Undo Move puts it back")
                    .arg(move.number)
                    .arg(move.observation)
                    .arg(move.from)
                    .arg(move.to)
                    .toStdString(),
            false);
    return shown;
}

Outcome TracksPanel::undomove() {
    if (!lastmove_) return Outcome::input(MESSAGE_TEXT("Message", "There is no move to undo"));
    const Move move = *lastmove_;
    int64_t back = move.from;
    if (Outcome moved = relink(move.observation, move.number, back); !moved.done()) return moved;
    lastmove_.reset();
    cmdundo_->setEnabled(false);
    const Outcome shown = load(path_, span_);
    status_(tr("Group %1 of observation %2 is back on track %3")
                    .arg(move.number)
                    .arg(move.observation)
                    .arg(move.from)
                    .toStdString(),
            false);
    return shown;
}

void TracksPanel::moveclick() {
    const std::string question = "Move the group to which track? A track's number, or new:";
    std::string answer;
    if (services_.asktrack) {
        answer = services_.asktrack(question);
    } else {
        answer = QInputDialog::getText(this, tr("Move Group"), tr("Move the group to which track? A track's number, or new:"))
                     .trimmed().toStdString();
    }
    if (answer.empty()) return;
    int64_t track = 0;
    const auto r = std::from_chars(answer.data(), answer.data() + answer.size(), track);
    Outcome moved =
            Outcome::input(fillin(MESSAGE_TEXT("Message", "'%1' is neither a track's number nor new"), {answer}));
    const bool fresh = answer == "new" || QString::fromStdString(answer) == tr("new", "the answer naming a new track");
    if (fresh || (r.ec == std::errc() && r.ptr == answer.data() + answer.size() && track > 0))
        moved = movegroup(fresh ? 0 : track);
    if (!moved.done()) status_(moved.message, true);
}

std::string TracksPanel::trackstext() const { return tabletext(tbltracks_); }
std::string TracksPanel::groupstext() const { return tabletext(tblgroups_); }

}  // namespace quorvel
