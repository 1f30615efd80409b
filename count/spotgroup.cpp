#include "spotgroup.h"

#include <algorithm>
#include <map>

#include "reduce.h"
#include "zurich.h"

namespace quorvel {
namespace {

/// One group from its spots.
SpotGroup makegroup(int32_t id, const std::vector<const Spot*>& spots, double l0) {
    SpotGroup g;
    g.id = id;
    g.spots = static_cast<int32_t>(spots.size());
    double weight = 0, lat = 0, cmd = 0, west = spots.front()->cmdmax, east = spots.front()->cmdmin;
    for (const Spot* s : spots) weight += s->areamsh;
    for (const Spot* s : spots) {
        const double w = weight > 0 ? s->areamsh / weight : 1.0 / static_cast<double>(spots.size());
        lat += w * s->row.disk.lat;
        cmd += w * s->row.disk.cmd;
        west = std::max(west, s->cmdmax), east = std::min(east, s->cmdmin);
        g.areamsh += s->areamsh;
        g.umbramsh += s->umbramsh;
    }
    g.lat = lat, g.cmd = cmd, g.extentdeg = west - east;
    g.carrington = reduce360(l0 + cmd);
    g.hemisphere = lat >= 0 ? 'N' : 'S';
    g.zurich = suggestzurich(spots, g.extentdeg);
    return g;
}

}  // namespace

std::vector<SpotGroup> spotgroups(const SpotSurvey& survey, double l0) {
    std::map<int32_t, std::vector<const Spot*>> members;
    for (const Spot& s : survey.spots) members[s.group].push_back(&s);
    std::vector<SpotGroup> groups;
    for (const auto& [id, spots] : members) groups.push_back(makegroup(id, spots, l0));
    for (const GroupChoice& c : survey.choices) {
        for (SpotGroup& g : groups) {
            if (g.id != c.group) continue;
            if (!c.zurich.empty()) g.zurich = c.zurich, g.zurichset = true;
            g.mcintosh = c.mcintosh;
        }
    }
    std::stable_sort(groups.begin(), groups.end(), [](const SpotGroup& a, const SpotGroup& b) { return a.cmd < b.cmd; });
    for (size_t i = 0; i < groups.size(); ++i) groups[i].number = static_cast<int32_t>(i + 1);
    return groups;
}

std::vector<Spot> listedspots(const SpotSurvey& survey, const std::vector<SpotGroup>& groups) {
    std::vector<Spot> list = survey.spots;
    std::stable_sort(list.begin(), list.end(), [&](const Spot& a, const Spot& b) {
        const int32_t ga = groupnumber(groups, a.group), gb = groupnumber(groups, b.group);
        return ga != gb ? ga < gb : a.row.disk.cmd < b.row.disk.cmd;
    });
    for (size_t i = 0; i < list.size(); ++i) list[i].row.number = static_cast<int32_t>(i + 1);
    return list;
}

int32_t groupnumber(const std::vector<SpotGroup>& groups, int32_t id) {
    for (const SpotGroup& g : groups)
        if (g.id == id) return g.number;
    return 0;
}

}  // namespace quorvel
