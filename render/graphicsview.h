// quorvel_g's two views: the graphics-ready presentation picture in the
// style's colours and sizes, and its own normal view.
#pragma once

#include "drawvalues.h"
#include "overlays.h"
#include "picturecontrols.h"
#include "stylesizes.h"
#include "surface.h"
#include "viewopts.h"

namespace quorvel {

/// The position-angle scale of quorvel_g: ticks every mark interval, numbers
/// every label interval (degrees, at least 1), in the style's colour and
/// number size (pixels).
struct PaScale {
    float mark = 10, label = 30;
    int32_t numbersize = 14;
    Colour colour = 0;
};
void pascale(Surface& s, float radius, float angle, int16_t flip, int16_t invert, const PaScale& scale);

/// The grid of quorvel_g: meridians and parallels every interval degrees; the
/// latitude-0 parallel in the equator colour when showequator is set.
void gridgraphic(Surface& s, const ViewMap& v, const SunState& sun, float interval, bool showequator,
                 Colour equatorcolour, Colour gridcolour);

/// The graphics-ready view, after the computing steps of a redraw.
void drawgraphicpicture(Surface& s, RedrawState& state, const PictureControls& controls,
                        const StyleOpts& style, const StyleSizes& sizes, ArrowPoints& arrowpts);

/// quorvel_g's normal view, after the computing steps of a redraw.
void drawnormalgpicture(Surface& s, RedrawState& state, const PictureControls& controls,
                        const StyleOpts& style, const StyleSizes& sizes, ArrowPoints& arrowpts);

}  // namespace quorvel
