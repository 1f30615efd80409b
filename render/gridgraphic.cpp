#include "graphicsview.h"
#include "gridprojection.h"

namespace quorvel {

void gridgraphic(Surface& s, const ViewMap& v, const SunState& sun, float interval, bool showequator,
                 Colour equatorcolour, Colour gridcolour) {
    const GridProjection proj(sun.b0, sun.rot, sun.radius);
    GridLine line(s, v);
    for (float l = 0; l <= 359; l += interval) {  // meridians
        line.start(gridcolour);
        for (float phi = -89; phi <= 89; phi += 4) line.point(proj, phi, l);
    }
    auto parallel = [&](float phi) {
        line.start(showequator && phi == 0 ? equatorcolour : gridcolour);
        for (float l = -120; l <= 120; l += 4) line.point(proj, phi, l);
    };
    // Both passes start at the equator, which is drawn twice.
    for (float phi = 0; phi >= -89; phi -= interval) parallel(phi);
    for (float phi = 0; phi <= 89; phi += interval) parallel(phi);
}

}  // namespace quorvel
