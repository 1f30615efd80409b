// One measured spot: where it was clicked and where it lies on the Sun.
#pragma once

#include <cstdint>
#include <optional>

#include "heliocentric.h"
#include "imageframe.h"
#include "readout.h"

namespace quorvel {

struct SpotRow {
    int32_t number = 0;   ///< 1, 2, ... in the order of measuring
    double x = 0, y = 0;  ///< pixels, origin at the top-left pixel's centre, x right, y down
    DiskReadout disk;     ///< latitude, CMD (west positive), Carrington longitude, PA, rho
    double mu = 0;        ///< cosine of the angle between the line of sight and the local vertical
};

/// The row of the image point (x, y); disk.ondisk is false beyond the limb.
///
/// Notes:
/// 1. The point is reduced for an observer at the frame's distance
///    (sunradiusdeg): its heliocentric angle, mu and so its latitude and
///    longitude differ from the orthographic ones by up to S near the limb;
///    disk.rho stays the measured distance in disk radii.
SpotRow measurespot(const ImageFrame& frame, double x, double y, int32_t number);

/// An image point, pixels: origin at the top-left pixel's centre, x right, y down.
struct ImagePoint {
    double x = 0, y = 0;
};

/// Where a heliographic point (latitude and CMD, west positive, degrees)
/// lies on the image: the inverse of measurespot, seen from the frame's
/// distance. Empty when the point lies behind the limb.
std::optional<ImagePoint> imagepoint(const ImageFrame& frame, double lat, double cmd);

}  // namespace quorvel
