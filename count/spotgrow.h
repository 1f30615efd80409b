// A spot the observer adds by a click.
#pragma once

#include "outcome.h"
#include "spotfield.h"
#include "spotsurvey.h"

namespace quorvel {

/// The spot at the image point (x, y), pixels: the region grown from the
/// click over the pixels darker than the penumbra threshold that belong to
/// no spot yet, when the clicked pixel is such a pixel; else a point
/// without area. Its id, region and group are left to the caller.
///
/// Notes:
/// 1. An input outcome when the point lies off the disk.
/// 2. A grown spot's umbra is its pixels darker than the umbra threshold;
///    it lies at their centroid, or at the region's when there are none.
Outcome growspot(const SpotField& field, const SpotSurvey& survey, double x, double y, Spot& spot);

}  // namespace quorvel
