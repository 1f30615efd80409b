// The quiet photosphere of an image: its limb-darkening profile and any
// smooth large-scale gradient, fitted to the disk's own pixels.
#pragma once

#include <array>

#include "circlefit.h"
#include "grayimage.h"

namespace quorvel {

/// The expected brightness of the undisturbed photosphere at each point of
/// the disk: c0 + c1 mu + c2 mu^2 + c3 mu^3 (the limb darkening) plus
/// x, y, x mu, y mu, x^2 - y^2 and x y (vignetting, a filter's tilt), with
/// x and y the offsets from the centre in disk radii (x right, y down).
struct PhotosphereFit {
    Circle limb;                    ///< the disk, image pixels
    std::array<double, 10> c{};     ///< the coefficients in the order above, the image's unit
    int32_t samples = 0;            ///< pixels the last round of the fit kept

    /// The model's brightness at (x, y) in disk radii from the centre, with mu there.
    double at(double x, double y, double mu) const {
        return c[0] + mu * (c[1] + mu * (c[2] + mu * c[3])) + x * (c[4] + c[6] * mu) + y * (c[5] + c[7] * mu) +
               c[8] * (x * x - y * y) + c[9] * x * y;
    }
};

/// Fits the photosphere on a grid of pixels with mu >= minmu, in rounds that
/// leave out the pixels darker than 0.96 or brighter than 1.1 of the last
/// round's model (spots, faculae, hot pixels).
///
/// Notes:
/// 1. The grid has about 200,000 points, whatever the image's size.
/// 2. A disk without enough usable pixels (fewer than 100) gives c all zero
///    and samples 0: nothing on it is darker than the model.
PhotosphereFit fitphotosphere(const GrayImage& image, const Circle& limb, double minmu);

/// mu at (x, y) in disk radii from the centre; 0 at and beyond the limb.
inline double muat(double x, double y) {
    const double s = 1 - x * x - y * y;
    return s > 0 ? std::sqrt(s) : 0;
}

}  // namespace quorvel
