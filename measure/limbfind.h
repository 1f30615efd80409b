// Finding the solar limb on an image: a robust circle fit to the disk's edge.
#pragma once

#include <cstdint>

#include "circlefit.h"
#include "grayimage.h"
#include "outcome.h"

namespace quorvel {

struct LimbFit {
    Circle circle;       ///< the limb, image pixels
    double scatter = 0;  ///< RMS distance of the edge points kept from the circle, pixels; NaN when unknown
    int32_t points = 0;  ///< edge points kept; 0 for a limb set by hand
    bool brightened = false;  ///< the edge is a limb-brightened ring's rise (EUV, Ca-K), not a step
};

/// Finds the limb: a bright disk on a dark sky (white light with limb
/// darkening, H-alpha or Ca-K with prominences beyond it, EUV with a bright
/// ring at the limb and a corona, a disk cut by the frame, a turned copy with
/// black corners) or a circle drawn dark on light paper.
///
/// Returns done with the limb, or an input fault whose message begins "no
/// solar disk was found".
///
/// Notes:
/// 1. A reduced copy of the image (at most 512 pixels a side) gives the
///    strong edges that may be a limb's (none on the frame's border, beside
///    blank data or on a straight line), and a random-sample consensus the
///    circle most of them lie on, its gradient pointing along the radius.
///    Radial profiles of the full image around it then give the edge to a
///    fraction of a pixel, the circle fitted to them with the outliers
///    (prominences, loops) trimmed, until it stays put: the steepest fall
///    outward for a disk, the ring's steepest rise inside its peak for a
///    limb-brightened disk (at or just outside the photosphere, never the
///    corona's outer fade: a header's radius replaces it),
///    the darkest point for a drawn line.
/// 2. NaN pixels count as the darkest sky; beyond the frame there is no data.
/// 3. No disk when no circle is edged along at least half of its visible
///    length, too little of it is visible, the circle leaves most profiles
///    within the frame unexplained, or its inside (a ring's, a coronagraph
///    occulter's) is no brighter than the band beyond its edge.
Outcome findlimb(const GrayImage& image, LimbFit& limb);

/// The scatter of the image's edge about a given limb (one pass of the
/// profiles of findlimb around it), pixels; NaN when no edge is found.
double limbscatter(const GrayImage& image, const Circle& limb);

}  // namespace quorvel
