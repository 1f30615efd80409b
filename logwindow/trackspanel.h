// The tracks of the log dialog: each track seen in the month with its days,
// drifts, possible earlier passage and place on a chosen date; the groups of
// the chosen track; a group moved to another track or a new one, and the
// move undone.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tracks.h"

namespace quorvel {

/// What the panel asks the user; the desktop's dialogs when not given.
struct TracksServices {
    /// A question with Yes and No.
    std::function<bool(const std::string&)> confirm;
    /// The track to move a group to, asked with this question: a number,
    /// "new", or "" when cancelled.
    std::function<std::string(const std::string&)> asktrack;
};

class TracksPanel : public QWidget {
    Q_OBJECT
public:
    TracksPanel(TracksServices services, std::function<void(const std::string&, bool)> status, QWidget* parent = nullptr);

    /// Shows the tracks of the log at path seen in span, at the moment of the
    /// "Place on" box (empty: a day after the last sighting shown).
    Outcome load(const std::string& path, const log::Span& span);
    /// Moves the selected group to `track` (0: a new track) once the user
    /// confirms, in one transaction; "Undo Move" puts it back.
    Outcome movegroup(int64_t track);
    /// Puts the group last moved back on its track.
    Outcome undomove();

    std::string trackstext() const;
    std::string groupstext() const;
    QTableWidget* tracks() const { return tbltracks_; }
    QTableWidget* groups() const { return tblgroups_; }
    QLineEdit* whenbox() const { return txtwhen_; }

private:
    struct Move {
        int64_t observation, number, from, to;
    };
    void filltracks();
    void showgroups();
    void moveclick();
    const log::TrackGroup* selectedgroup() const;
    Outcome relink(int64_t observation, int64_t number, int64_t& track);

    TracksServices services_;
    std::function<void(const std::string&, bool)> status_;
    std::string path_;
    log::Span span_;
    std::vector<log::TrackSummary> tracks_;
    std::vector<log::TrackGroup> groups_;  ///< of every track shown, by track and time
    std::vector<size_t> shown_;            ///< the rows of groups_ in the groups table
    std::optional<Move> lastmove_;
    QLineEdit* txtwhen_;
    QTableWidget *tbltracks_, *tblgroups_;
    QPushButton *cmdplace_, *cmdmove_, *cmdundo_;
};

}  // namespace quorvel
