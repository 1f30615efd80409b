#include "spotmodel.h"

#include <algorithm>

#include "grouping.h"
#include "messagetext.h"
#include "spotgrow.h"

namespace quorvel {
namespace {

Outcome nospot(int32_t id) {
    return Outcome::input(fillin(MESSAGE_TEXT("Message", "there is no spot %1"), {std::to_string(id)}));
}
Outcome nogroup(int32_t id) {
    return Outcome::input(fillin(MESSAGE_TEXT("Message", "there is no group %1"), {std::to_string(id)}));
}

/// Drops the choices of groups that lost their last spot.
void prunechoices(SpotSurvey& s) {
    std::erase_if(s.choices, [&](const GroupChoice& c) { return !hasgroup(s, c.group); });
}

/// The group a new spot joins when none is named: the spot it lies in, else the nearest within the distance.
int32_t nearestgroup(const SpotSurvey& s, const Spot& added, int64_t pixel, double groupdeg) {
    for (const Spot& other : s.spots)
        if (std::find(other.pixels.begin(), other.pixels.end(), pixel) != other.pixels.end()) return other.group;
    int32_t group = 0;
    double best = groupdeg;
    for (const Spot& other : s.spots) {
        const double d = spotdistance(added, other);
        if (d < best) best = d, group = other.group;
    }
    return group;
}

}  // namespace

bool hasgroup(const SpotSurvey& survey, int32_t group) {
    return std::any_of(survey.spots.begin(), survey.spots.end(), [&](const Spot& s) { return s.group == group; });
}

bool validzurich(const std::string& z) {
    return z.empty() || (z.size() == 1 && std::string("ABCDEFGHJ").find(z[0]) != std::string::npos);
}

bool validmcintosh(const std::string& m) {
    if (m.empty()) return true;
    return m.size() == 3 && std::string("ABCDEFH").find(m[0]) != std::string::npos &&
           std::string("xrsahk").find(m[1]) != std::string::npos && std::string("xoic").find(m[2]) != std::string::npos;
}

void SpotModel::reset(SpotSurvey survey) {
    now_ = std::move(survey);
    undo_.clear();
    redo_.clear();
}

void SpotModel::commit(SpotSurvey next) {
    prunechoices(next);
    undo_.push_back(std::move(now_));
    redo_.clear();
    now_ = std::move(next);
}

Spot* SpotModel::spotof(SpotSurvey& s, int32_t id) {
    for (Spot& spot : s.spots)
        if (spot.id == id) return &spot;
    return nullptr;
}

GroupChoice& SpotModel::choiceof(SpotSurvey& s, int32_t group) {
    for (GroupChoice& c : s.choices)
        if (c.group == group) return c;
    s.choices.push_back(GroupChoice{group, "", ""});
    return s.choices.back();
}

Outcome SpotModel::move(const std::vector<int32_t>& spots, int32_t group) {
    SpotSurvey next = now_;
    if (group != 0 && !hasgroup(next, group)) return nogroup(group);
    if (spots.empty()) return Outcome::input(MESSAGE_TEXT("Message", "no spots were chosen to move"));
    if (group == 0) group = next.nextgroup++;
    for (int32_t id : spots) {
        Spot* s = spotof(next, id);
        if (!s) return nospot(id);
        s->group = group;
    }
    commit(std::move(next));
    return Outcome::ok();
}

Outcome SpotModel::merge(const std::vector<int32_t>& groups) {
    for (int32_t g : groups)
        if (!hasgroup(now_, g)) return nogroup(g);
    if (std::count(groups.begin(), groups.end(), groups.empty() ? 0 : groups.front()) == static_cast<long>(groups.size()))
        return Outcome::input(MESSAGE_TEXT("Message", "choose two groups or more to merge"));
    SpotSurvey next = now_;
    for (Spot& s : next.spots)
        if (std::find(groups.begin(), groups.end(), s.group) != groups.end()) s.group = groups.front();
    commit(std::move(next));
    return Outcome::ok();
}

Outcome SpotModel::split(const std::vector<int32_t>& spots) {
    SpotSurvey next = now_;
    const int32_t group = next.nextgroup++;
    int32_t from = 0;
    for (int32_t id : spots) {
        Spot* s = spotof(next, id);
        if (!s) return nospot(id);
        if (from != 0 && s->group != from)
            return Outcome::input(MESSAGE_TEXT("Message", "the spots to split off lie in different groups"));
        from = s->group;
        s->group = group;
    }
    if (from == 0) return Outcome::input(MESSAGE_TEXT("Message", "no spots were chosen to split off"));
    if (!hasgroup(next, from))
        return Outcome::input(MESSAGE_TEXT("Message", "a group split must keep a spot in each part"));
    commit(std::move(next));
    return Outcome::ok();
}

Outcome SpotModel::add(const SpotField& field, double x, double y, int32_t group, int32_t& id) {
    if (group > 0 && !hasgroup(now_, group)) return nogroup(group);
    Spot spot;
    if (Outcome grown = growspot(field, now_, x, y, spot); !grown.done()) return grown;
    SpotSurvey next = now_;
    spot.id = id = next.nextspot++;
    spot.region = spot.pixels.empty() ? 0 : next.nextregion++;
    const int64_t pixel = std::lround(y) * field.image->width + std::lround(x);
    if (group == 0) group = nearestgroup(next, spot, pixel, field.settings.groupdeg);
    spot.group = group > 0 ? group : next.nextgroup++;
    next.spots.push_back(std::move(spot));
    commit(std::move(next));
    return Outcome::ok();
}

Outcome SpotModel::remove(const std::vector<int32_t>& spots) {
    SpotSurvey next = now_;
    for (int32_t id : spots)
        if (!spotof(next, id)) return nospot(id);
    if (spots.empty()) return Outcome::input(MESSAGE_TEXT("Message", "no spots were chosen to delete"));
    std::erase_if(next.spots, [&](const Spot& s) { return std::find(spots.begin(), spots.end(), s.id) != spots.end(); });
    commit(std::move(next));
    return Outcome::ok();
}

void SpotModel::remeasure(const SpotField& field) {
    auto again = [&](SpotSurvey& survey) {
        for (Spot& s : survey.spots) measurepixels(field, s.row.x, s.row.y, s);
    };
    again(now_);
    for (SpotSurvey& s : undo_) again(s);
    for (SpotSurvey& s : redo_) again(s);
}

Outcome SpotModel::setzurich(int32_t group, const std::string& zurich) {
    if (!validzurich(zurich))
        return Outcome::input(MESSAGE_TEXT("Message", "a Zurich class is one of A, B, C, D, E, F, G, H and J"));
    return setchoice(group, [&](GroupChoice& c) { c.zurich = zurich; });
}

Outcome SpotModel::setmcintosh(int32_t group, const std::string& mcintosh) {
    if (!validmcintosh(mcintosh))
        return Outcome::input(MESSAGE_TEXT("Message", "a McIntosh class is three letters Zpc, such as Dkc"));
    return setchoice(group, [&](GroupChoice& c) { c.mcintosh = mcintosh; });
}

Outcome SpotModel::setchoice(int32_t group, const std::function<void(GroupChoice&)>& change) {
    if (!hasgroup(now_, group)) return nogroup(group);
    SpotSurvey next = now_;
    change(choiceof(next, group));
    commit(std::move(next));
    return Outcome::ok();
}

bool SpotModel::undo() { return stepfrom(undo_, redo_); }
bool SpotModel::redo() { return stepfrom(redo_, undo_); }

bool SpotModel::stepfrom(std::vector<SpotSurvey>& from, std::vector<SpotSurvey>& to) {
    if (from.empty()) return false;
    to.push_back(std::move(now_));
    now_ = std::move(from.back());
    from.pop_back();
    return true;
}

}  // namespace quorvel
