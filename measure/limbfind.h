// Finding the solar limb on an image: a robust circle fit to the disk's edge.
#pragma once

#include <cstdint>
#include <optional>

#include "circlefit.h"
#include "grayimage.h"

namespace quorvel {

struct LimbFit {
    Circle circle;       ///< the limb, image pixels
    double scatter = 0;  ///< RMS distance of the edge points kept from the circle, pixels; NaN when unknown
    int32_t points = 0;  ///< edge points kept; 0 for a limb set by hand
};

/// Finds the limb: a bright disk on a dark sky (white light with limb
/// darkening, H-alpha or Ca-K with prominences beyond it, a disk cut by the
/// frame) or a circle drawn dark on light paper.
///
/// Notes:
/// 1. A reduced copy of the image (at most 512 pixels a side) gives the
///    strong edges, and a random-sample consensus the circle most of them
///    lie on, its gradient pointing along the radius. Radial profiles of the
///    full image around it then give the edge to a fraction of a pixel: the
///    steepest fall outward for a disk, the darkest point for a drawn line.
/// 2. NaN pixels count as the darkest sky; beyond the frame there is no data.
/// 3. nullopt when no circle is edged along at least half of its visible
///    length, or too little of it is visible.
std::optional<LimbFit> findlimb(const GrayImage& image);

/// The scatter of the image's edge about a given limb (one pass of the
/// profiles of findlimb around it), pixels; NaN when no edge is found.
double limbscatter(const GrayImage& image, const Circle& limb);

}  // namespace quorvel
