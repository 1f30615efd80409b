// The observer's corrections to the spots found on an image, each one a
// step that can be undone and redone. The measuring window and the command
// line only drive it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "outcome.h"
#include "spotfield.h"
#include "spotsurvey.h"

namespace quorvel {

/// The group argument of SpotModel::add that starts a new group.
inline constexpr int32_t NEWGROUP = -1;

class SpotModel {
public:
    /// Starts again from a survey (found or empty); nothing to undo.
    void reset(SpotSurvey survey);
    const SpotSurvey& survey() const { return now_; }

    /// Moves spots to the group with the id group, or to a new group when group is 0.
    Outcome move(const std::vector<int32_t>& spots, int32_t group);
    /// Moves every spot of the groups into the first of them (two or more groups).
    Outcome merge(const std::vector<int32_t>& groups);
    /// Moves the given spots of one group into a new group of their own.
    Outcome split(const std::vector<int32_t>& spots);
    /// Adds the spot at the image point (x, y) (see growspot) to the group
    /// with the id group; with NEWGROUP to a new group; with 0, to the group of
    /// the spot it lies in or of the nearest spot within the grouping distance,
    /// else to a new group.
    /// id receives the new spot's id.
    Outcome add(const SpotField& field, double x, double y, int32_t group, int32_t& id);
    /// Deletes spots.
    Outcome remove(const std::vector<int32_t>& spots);
    /// Sets the observer's Zurich class of a group (empty: the suggested one again).
    Outcome setzurich(int32_t group, const std::string& zurich);
    /// Sets the McIntosh class the observer entered for a group.
    Outcome setmcintosh(int32_t group, const std::string& mcintosh);

    /// Measures every spot again, in every step kept, against a new frame of
    /// the same limb (a changed time or orientation): no step of its own.
    void remeasure(const SpotField& field);

    bool canundo() const { return !undo_.empty(); }
    bool canredo() const { return !redo_.empty(); }
    /// Takes back the last change; false when there is none.
    bool undo();
    /// Makes the last change taken back again; false when there is none.
    bool redo();

private:
    void commit(SpotSurvey next);
    Spot* spotof(SpotSurvey& s, int32_t id);
    GroupChoice& choiceof(SpotSurvey& s, int32_t group);
    Outcome setchoice(int32_t group, const std::function<void(GroupChoice&)>& change);
    /// Moves the present survey onto to and takes the last of from; false when from is empty.
    bool stepfrom(std::vector<SpotSurvey>& from, std::vector<SpotSurvey>& to);

    SpotSurvey now_;
    std::vector<SpotSurvey> undo_, redo_;
};

/// Whether a group with this id has spots.
bool hasgroup(const SpotSurvey& survey, int32_t group);

/// "A", "B", "C", "D", "E", "F", "G", "H" or "J" (or empty): a Zurich class an observer may set.
bool validzurich(const std::string& zurich);

/// A McIntosh class Zpc (Z of A, B, C, D, E, F, H; p of x, r, s, a, h, k; c of x, o, i, c), or empty.
bool validmcintosh(const std::string& mcintosh);

}  // namespace quorvel
