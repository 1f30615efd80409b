// One measured spot: where it was clicked and where it lies on the Sun.
#pragma once

#include <cstdint>
#include <optional>

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
SpotRow measurespot(const ImageFrame& frame, double x, double y, int32_t number);

}  // namespace quorvel
