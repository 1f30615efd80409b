// Circles through points: exactly through three, and a least-squares fit
// that leaves out the points far from the rest.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace quorvel {

/// A circle in image pixels: origin at the top-left pixel's centre, x right, y down.
struct Circle {
    double cx = 0, cy = 0;  ///< centre, pixels
    double r = 0;           ///< radius, pixels
};

struct PixelXY {
    double x = 0, y = 0;  ///< pixels
};

/// Whether a circle could be a limb on an image of width x height pixels:
/// finite, its radius above 0 and below the image's diagonal, its centre
/// within a diagonal of the frame. Every fit is bounded by this, so that no
/// loop along a circle runs longer than the image is large.
bool fitsimage(const Circle& c, double width, double height);

/// The circle through three points; nullopt when they lie (nearly) on one line.
std::optional<Circle> circlethrough(PixelXY a, PixelXY b, PixelXY c);

struct CircleFit {
    Circle circle;
    double scatter = 0;  ///< RMS distance of the points kept from the circle, pixels
    size_t used = 0;     ///< points kept
};

/// The circle nearest to the points in the least-squares sense of their
/// distances, found from start; the points farther than 2.5 robust standard
/// deviations (at least half a pixel) are left out, in a few rounds. The
/// first round takes only the points whose distance from start lies within
/// 3 robust standard deviations of the median one, so that outliers
/// (prominences, loops) never pull the first fit.
///
/// Notes:
/// 1. nullopt when fewer than 3 points remain or the fit does not converge.
std::optional<CircleFit> robustcirclefit(const std::vector<PixelXY>& points, Circle start);

}  // namespace quorvel
