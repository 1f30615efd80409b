// The one mapping from an image to the picture's frame: the disk's centre
// and radius found on the image, and the image's orientation on the sky.
#pragma once

#include <string>

#include "circlefit.h"
#include "sunstate.h"
#include "viewopts.h"

namespace quorvel {

enum class OrientKind {
    telescope,  ///< as seen in the telescope: the mount, flip and invert choices of quorvel
    north,      ///< celestial north up, east left
    solar,      ///< the Sun's north pole up, its east limb left
};

struct Orientation {
    OrientKind kind = OrientKind::telescope;
    bool altaz = false;     ///< telescope view: alt-azimuth mount (turned by the parallactic angle)
    bool flip = false;      ///< telescope view: flipped horizontally
    bool invert = false;    ///< telescope view: turned by 180 degrees
    double rotatedeg = 0;   ///< the image's content turned further counterclockwise, degrees
};

/// The image's disk in the terms of the drawing procedures and the readout.
struct ImageFrame {
    SunState sun;   ///< the moment's p, b0, l0; gamma the whole turn of the picture,
                    ///< degrees (with view.altaz 1); rot = p - gamma; radius, pixels
    ViewOpts view;  ///< flip, invert and invsign of the picture; altaz 1
    double cx = 0, cy = 0;  ///< disk centre, image pixels
    double sunradiusdeg = 0;  ///< the Sun's angular radius S seen from the observer, degrees; 0 infinitely far
};

/// The frame of an image of the moment (its p, b0, l0 and parallactic angle
/// gamma) with the limb found on it.
///
/// Notes:
/// 1. Every orientation becomes a turn of the picture by an angle, the way
///    an alt-azimuth mount turns it by the parallactic angle: the mount's
///    angle (telescope), 0 (north) or P (solar), then the extra rotation,
///    whose sense on the screen depends on the flip. So the drawing
///    procedures and readdisk serve every orientation unchanged. A flip
///    applies to every kind (a mirrored image), not only to the telescope's.
/// 2. sunradiusdeg is the angular radius at the moment's distance from the
///    Sun; a header's DSUN_OBS may replace it.
ImageFrame imageframe(const SunState& moment, const Orientation& o, const Circle& limb);

/// The Sun's angular radius seen from a distance, degrees.
double sunradiusat(double distance_au);

/// "telescope", "north" or "solar".
const char* orientname(OrientKind kind);

/// A line for the record: "telescope view, alt-azimuth mount, flipped, rotated 12 deg".
std::string orientationtext(const Orientation& o);

}  // namespace quorvel
