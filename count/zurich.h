// The Zurich class a group's spots suggest.
#pragma once

#include <string>
#include <vector>

#include "spot.h"

namespace quorvel {

/// "A", "B", "C", "D", "E", "F", "H" or "J" for the spots of one group
/// with the given longitudinal extent (degrees).
///
/// Notes:
/// 1. Without penumbra: A when the group spans at most 3 degrees, else B.
/// 2. With penumbra: unipolar (H, J) when the group spans no more than the
///    larger of 3 degrees and its largest penumbral region's diameter with a
///    degree for the edges of its pixels; H when that
///    diameter exceeds 2.5 degrees, else J. Otherwise C with one penumbral
///    region, and with more D (extent at most 10 degrees), E (at most 15)
///    or F.
/// 3. A region's diameter is that of a spherical cap of its corrected area.
/// 4. G, large bipolar without small spots between, is left to the observer.
std::string suggestzurich(const std::vector<const Spot*>& spots, double extentdeg);

}  // namespace quorvel
