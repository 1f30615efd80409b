#include "grouping.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "angleconst.h"

namespace quorvel {
namespace {

size_t rootof(std::vector<size_t>& parent, size_t i) {
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
}

}  // namespace

double spotdistance(const Spot& a, const Spot& b) {
    const double la = a.row.disk.lat * DEG, lb = b.row.disk.lat * DEG;
    const double dl = (a.row.disk.cmd - b.row.disk.cmd) * DEG;
    const double c = std::sin(la) * std::sin(lb) + std::cos(la) * std::cos(lb) * std::cos(dl);
    return std::acos(std::clamp(c, -1.0, 1.0)) * RAD;
}

void groupspots(SpotSurvey& survey, double groupdeg) {
    std::vector<Spot>& spots = survey.spots;
    std::vector<size_t> parent(spots.size());
    std::iota(parent.begin(), parent.end(), size_t{0});
    for (size_t i = 0; i < spots.size(); ++i) {
        for (size_t k = i + 1; k < spots.size(); ++k) {
            const bool oneregion = spots[i].region != 0 && spots[i].region == spots[k].region;
            if (oneregion || spotdistance(spots[i], spots[k]) < groupdeg) parent[rootof(parent, k)] = rootof(parent, i);
        }
    }
    std::vector<int32_t> idof(spots.size(), 0);
    for (size_t i = 0; i < spots.size(); ++i) {
        int32_t& id = idof[rootof(parent, i)];
        if (id == 0) id = survey.nextgroup++;
        spots[i].group = id;
    }
    survey.choices.clear();
}

}  // namespace quorvel
