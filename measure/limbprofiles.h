// Radial brightness profiles across a circle and the edge each one shows:
// how the limb finder reads the full image around a rough limb.
#pragma once

#include <optional>
#include <vector>

#include "circlefit.h"
#include "grayimage.h"

namespace quorvel {

/// Bilinear value at (x, y), pixels; NaN pixels count as dark, beyond the
/// frame the value is unknown (NaN).
double sampleat(const GrayImage& image, double x, double y, float dark);

/// Radial profiles across a circle, one a direction, each averaged over
/// three samples a pixel apart along the limb. A profile reaching beyond the
/// frame is empty.
struct Profiles {
    double from = 0;  ///< offset of the first sample from the radius, pixels (step 1)
    std::vector<double> angles;               ///< radians, y down
    std::vector<std::vector<double>> values;  ///< brightness, inside first
};

/// Profiles from r - inner to r + outer (pixels); at most directions of
/// them (about one every 3 pixels of the circle, at least 64).
Profiles radialprofiles(const GrayImage& image, const Circle& c, double inner, double outer, float dark,
                        int directions = 2048);

/// What the edge of a disk looks like across its limb.
enum class EdgeKind {
    step,  ///< brighter inside than out: the steepest fall outward (white light, H-alpha)
    ring,  ///< a bright ring at the limb (EUV, Ca-K): the steepest rise inside its peak
    line,  ///< a dark line on light paper (a drawing): its darkest point
};

struct EdgeLook {
    EdgeKind kind = EdgeKind::step;
    double shift = 0;  ///< pixels from the circle to a ring's rise, on average (negative inward); 0 for the others
};

/// The kind of edge the image shows on average around a circle: the mean
/// of profiles across it, halfwidth (pixels) or a twentieth of the radius
/// either side, and for a ring from 0.15 of the radius inside it, so that a
/// circle on the corona's outer fade still finds the ring's rise inside it.
EdgeLook edgelook(const GrayImage& image, const Circle& c, double halfwidth, float dark);

/// The edge in one profile, as an offset from its first sample; nullopt
/// where it shows none of its kind.
std::optional<double> edgeof(const std::vector<double>& v, EdgeKind kind);

}  // namespace quorvel
