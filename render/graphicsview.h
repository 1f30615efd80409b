// quorvel_g's two views: the graphics-ready presentation picture in the
// style's colours and sizes, and its own normal view.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "drawvalues.h"
#include "overlays.h"
#include "picturecontrols.h"
#include "surface.h"
#include "viewopts.h"

namespace quorvel {

/// The sizes and intervals of the style panel, checked. An element whose
/// value is missing is left out of the view; problems says why, by box.
struct StyleSizes {
    std::optional<double> diameter;      ///< disk diameter, pixels
    std::optional<float> gridinterval;   ///< degrees
    std::optional<float> markinterval;   ///< degrees between ticks
    std::optional<float> labelinterval;  ///< degrees between numbers
    std::optional<int32_t> numbersize;   ///< pixels
    std::map<TextBox, std::string> problems;
};

/// The problems that matter to a view: the diameter and the grid interval
/// to the graphics-ready view (the grid's only when it is on), the scale's
/// boxes when the scale is on. One line each, "" when none.
std::string viewproblems(const StyleSizes& sizes, bool graphicsready, const PictureControls& controls);

/// Reads the style boxes: the diameter by its leading number, the intervals
/// and the number size as whole numbers, each greater than 0 (intervals at
/// least 0.1 degree, so no loop runs without end).
StyleSizes readstylesizes(const PictureControls& controls);

/// The position-angle scale of quorvel_g: ticks every mark interval, numbers
/// every label interval, in the style's colour and number size.
struct PaScale {
    std::optional<float> mark, label;
    std::optional<int32_t> numbersize;
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
