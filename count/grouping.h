// Grouping spots by their distance on the Sun.
#pragma once

#include "spotsurvey.h"

namespace quorvel {

/// The great-circle distance on the Sun between two spots, degrees.
double spotdistance(const Spot& a, const Spot& b);

/// Gives every spot a group by single linkage: two spots closer than
/// groupdeg (great-circle degrees), or of one region, are in one group.
/// Groups take the ids nextgroup, nextgroup + 1, ... in the order of their
/// first spot; the observer's choices are dropped.
void groupspots(SpotSurvey& survey, double groupdeg);

}  // namespace quorvel
