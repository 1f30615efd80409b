// The five size boxes of quorvel_g's style panel and the checks a view
// button makes of them before anything is drawn or saved.
#pragma once

#include <cstdint>
#include <algorithm>
#include <functional>
#include <string>

#include "outcome.h"
#include "formcontrols.h"
#include "colour.h"
#include "viewopts.h"

namespace quorvel {

/// The sizes of the presentation view, each a whole number the settings
/// record can hold.
struct StyleSizes {
    double diameter = 500;     ///< disk diameter, pixels
    float gridinterval = 15;   ///< degrees between grid lines
    float markinterval = 10;   ///< degrees between scale ticks
    float labelinterval = 30;  ///< degrees between scale numbers
    int32_t numbersize = 14;   ///< scale number height, pixels
};

/// The texts of the design's style panel.
inline constexpr const char* DEFAULT_DIAMETER = "500";
inline constexpr const char* DEFAULT_GRID_INTERVAL = "15";
inline constexpr const char* DEFAULT_MARK_INTERVAL = "10";
inline constexpr const char* DEFAULT_LABEL_INTERVAL = "30";
inline constexpr const char* DEFAULT_FONT_SIZE = "14";

/// The largest disk diameter a picture of twipsperpixel twips a pixel draws
/// exactly: the grid keeps its points in 16-bit twips, so the radius stays
/// below 32768 twips.
int32_t largestdiameter(double twipsperpixel);

/// Reads and checks the five boxes.
///
/// Given:
///   text      the text of a box
///   largest   the largest diameter accepted, pixels
/// Returned:
///   sizes     the values, when all pass
///
/// Returns done, or an input fault whose message has one line for each box
/// that fails, naming it and the whole numbers it takes: the diameter 1 to
/// largest pixels, the intervals 1 to 360 degrees, the number size 1 to 500
/// pixels. Blanks around a number are allowed.
Outcome checkstylesizes(const std::function<std::string(TextBox)>& text, int32_t largest, StyleSizes& sizes);

/// The design's colours of the presentation view: black background and
/// grid, white disk and limb, grey scale, the rest black.
void defaultcolours(StyleOpts& style);

}  // namespace quorvel
