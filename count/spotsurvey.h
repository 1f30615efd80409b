// The spots of one image with the observer's choices: what finding them
// proposes and every correction changes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "spot.h"

namespace quorvel {

/// The observer's own classes of a group, kept by its id.
struct GroupChoice {
    int32_t group = 0;     ///< SpotGroup::id
    std::string zurich;    ///< the Zurich class set by the observer ("A" ... "J"); empty: the suggested one
    std::string mcintosh;  ///< the McIntosh class entered by the observer ("Dkc"); empty when none
};

struct SpotSurvey {
    std::vector<Spot> spots;
    std::vector<GroupChoice> choices;  ///< at most one a group, only for groups with a choice
    int32_t ignoredsmall = 0;          ///< regions left out as smaller than the minimum size
    int32_t ignoredlimb = 0;           ///< regions left out within the limb margin
    int32_t nextspot = 1, nextgroup = 1, nextregion = 1;  ///< the ids the next additions take
};

}  // namespace quorvel
