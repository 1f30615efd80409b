#include "gridprojection.h"

namespace quorvel {
void helgrid(Surface& s, const ViewMap& v, const SunState& sun, Colour colour) {
    const GridProjection proj(sun.b0, sun.rot, sun.radius);
    GridLine line(s, v);
    for (float l = 0; l <= 359; l += 10) {  // meridians
        line.start(colour);
        for (float phi = -80; phi <= 80; phi += 4) line.point(proj, phi, l);
    }
    for (float phi = -80; phi <= 80; phi += 10) {  // parallels, 240 degrees around the central meridian
        line.start(colour);
        for (float l = -120; l <= 120; l += 4) line.point(proj, phi, l);
    }
}

}  // namespace quorvel
