// What lies under the mouse on the drawn disk: the exact inverse of the
// grid's projection with the current tilt, rotation, mount, flip and invert.
#pragma once

#include <cstdint>
#include <string>

#include "sunstate.h"
#include "viewopts.h"

namespace quorvel {

struct DiskReadout {
    bool ondisk = false;
    double lat = 0;         ///< heliographic latitude, degrees, north positive
    double cmd = 0;         ///< longitude from the central meridian, degrees, west positive
    double carrington = 0;  ///< Carrington longitude, L0 + cmd, [0, 360)
    double pa = 0;          ///< position angle from celestial north through east, [0, 360)
    double rho = 0;         ///< distance from the centre, solar radii
};

/// Reads the point (x, y) of the picture's surface (origin at the centre,
/// x right, y down, picture units) against the last redraw's state.
DiskReadout readdisk(double x, double y, const SunState& sun, const ViewOpts& view);

/// One line: "Lat 12.3 N  CMD 10.2 W  Carr 143.5  PA 271.0  r 0.520", or
/// that the point is off the disk with its PA and r.
std::string readouttext(const DiskReadout& r);

/// "YYYY-MM-DD HH:MM:SS": the UT date and time of a Julian Date in two pieces.
std::string utstamp(int32_t jd, float jdfrac);

/// One tab-separated line for a spreadsheet: UT date and time, latitude,
/// central-meridian longitude, Carrington longitude, position angle, radius.
std::string readoutline(int32_t jd, float jdfrac, const DiskReadout& r);

}  // namespace quorvel
