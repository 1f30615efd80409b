#include "imageframe.h"

#include <cmath>

#include "numbertext.h"
#include "orientation.h"

namespace quorvel {

ImageFrame imageframe(const SunState& moment, const Orientation& o, const Circle& limb) {
    ImageFrame f;
    f.sun = moment;
    const bool telescope = o.kind == OrientKind::telescope;
    f.view.flip = o.flip ? 1 : -1;
    f.view.invert = telescope && o.invert ? 1 : 0;
    f.view.invsign = f.view.invert == 1 ? -1 : 1;
    f.view.altaz = 1;
    double turn = 0;  // degrees, clockwise on the screen when not flipped
    if (telescope && o.altaz) turn = moment.gamma;
    if (o.kind == OrientKind::solar) turn = moment.p;
    turn += f.view.flip * o.rotatedeg;
    f.sun.gamma = static_cast<float>(turn);
    f.sun.rot = diskrotation(moment.p, f.sun.gamma, 1);
    f.sun.radius = static_cast<float>(limb.r);
    f.cx = limb.cx;
    f.cy = limb.cy;
    f.sunradiusdeg = sunradiusat(std::hypot(static_cast<double>(moment.x), moment.y, moment.z));
    return f;
}

double sunradiusat(double au) {
    constexpr double SUN_RADIUS_AU = 695700.0 / 149597870.7;  // the nominal solar radius
    return au > SUN_RADIUS_AU ? std::asin(SUN_RADIUS_AU / au) * 180 / 3.141592653589793 : 0;
}

const char* orientname(OrientKind kind) {
    switch (kind) {
        case OrientKind::north: return "north";
        case OrientKind::solar: return "solar";
        case OrientKind::telescope: break;
    }
    return "telescope";
}

std::string orientationtext(const Orientation& o) {
    std::string t;
    switch (o.kind) {
        case OrientKind::telescope:
            t = std::string("telescope view, ") + (o.altaz ? "alt-azimuth" : "equatorial") + " mount";
            if (o.flip) t += ", flipped";
            if (o.invert) t += ", inverted";
            break;
        case OrientKind::north: t = "celestial north up, east left"; break;
        case OrientKind::solar: t = "solar north up, east limb left"; break;
    }
    if (o.flip && o.kind != OrientKind::telescope) t += ", mirrored";
    if (o.rotatedeg != 0) t += ", turned " + generaltext(o.rotatedeg) + " deg counterclockwise";
    return t;
}

}  // namespace quorvel
