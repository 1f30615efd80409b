// Finding the spots of an image: the regions darker than the penumbra
// threshold, the umbrae within them, their areas and positions.
#pragma once

#include "spotfield.h"
#include "spotsurvey.h"

namespace quorvel {

/// The spots of the field's image, grouped by the settings' distance.
///
/// Notes:
/// 1. A spot region is a set of 8-connected pixels darker than
///    settings.penumbra of the fitted photosphere. Each 8-connected core
///    within it darker than settings.umbra, of at least the minimum size,
///    is one spot; the region's other pixels go to the nearest core (a
///    breadth-first growth within the region). A region without a core is
///    one spot, a pore.
/// 2. Regions smaller than the minimum size (the diameter of a circle of
///    the same area) and regions whose centroid has mu below the limb
///    margin are left out and counted in ignoredsmall and ignoredlimb.
/// 3. Spots and regions are numbered from 1 in the order of the image's rows.
SpotSurvey findspots(const SpotField& field);

/// The smallest number of pixels of a region of the given diameter in pixels (at least 1).
int32_t minimumpixels(double diameterpx);

}  // namespace quorvel
