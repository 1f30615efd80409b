// The overlays of the oriented disk, each drawn in picture units through the
// view mapping.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "colour.h"
#include "compassletters.h"
#include "sunstate.h"
#include "surface.h"
#include "viewmap.h"

namespace quorvel {

inline constexpr Colour BLUE = rgb(0, 0, 255);
inline constexpr Colour WHITE = rgb(255, 255, 255);
inline constexpr Colour GREY = rgb(165, 165, 165);
inline constexpr Colour RED = rgb(255, 0, 0);
inline constexpr Colour YELLOW = rgb(255, 255, 0);
inline constexpr Colour BLACK = rgb(0, 0, 0);
inline constexpr Colour SCALE_GREY = rgb(160, 160, 160);
inline constexpr Colour GRID_PINK = rgb(255, 185, 185);

/// A line one pixel wide between two points of drawing coordinates, through the view mapping.
inline void viewline(Surface& s, const ViewMap& v, Point a, Point b, Colour colour) {
    s.line(v.sx(a.x), v.sy(a.y), v.sx(b.x), v.sy(b.y), Pen{colour});
}

/// Writes a text in colour with a rotated font, its first character cell's
/// top-left corner at (x, y) in picture units.
///
/// Given:
///   height      cell height, pixels
///   escapement  text angle, tenths of a degree, counter-clockwise
void fontprint(Surface& s, const std::string& text, float x, float y, Colour colour, const std::string& face,
               int32_t height, int32_t weight, int32_t escapement, bool italic = false,
               bool underline = false, bool strikeout = false);

/// The east-west drift arrow: a grey band across the picture behind the disk,
/// pointed at the west end, notched at the east end.
///
/// Given:
///   u      the size basis (a quarter of 0.97 of the picture height)
///   angle  gamma * altaz, degrees
void driftarrow(Surface& s, const ViewMap& v, double u, double angle);

/// How a pole mark looks: its line, and the outline of its circle.
struct PoleMarkColours {
    Colour line = RED, outline = RED;
};

/// The pole mark: a line along the axis between the visible pole, at
/// R cos(b0) from the centre, and the point at distance reach on the pole's
/// side (north: drawn in to the pole; south: out from it), and a small
/// circle (an outline) at the pole.
///
/// Given:
///   r       the disk radius
///   reach   where the line ends beyond the pole: r for the limb
///   thetaa  direction of the axis, degrees (90 - angle + p)
void polemark(Surface& s, const ViewMap& v, double r, double reach, double u, double thetaa, double b0,
              const PoleMarkColours& colours = {});

/// The visible half of the solar equator, 90 red segments.
///
/// Given:
///   rot  the disk rotation, degrees
void solarequator(Surface& s, const ViewMap& v, double r, float rot, double b0, Colour colour);

/// The heliographic grid: 36 meridians and 17 parallels, 10 degrees apart,
/// seen with the tilt b0 and turned by rot; segments end on visible points only.
///
/// Notes:
/// 1. After each segment the window's events run (Surface::doevents).
/// 2. When the direction's denominator is exactly zero (b0 within about
///    0.000003 degrees of zero, at latitude 0) the two-argument arctangent
///    gives the direction, so the point is drawn.
void helgrid(Surface& s, const ViewMap& v, const SunState& sun, Colour colour);

/// The position-angle scale: a tick every 10 degrees (blue at the four
/// cardinal points, grey elsewhere) and a number every 10 degrees.
///
/// Given:
///   radius  disk radius R
///   angle   gamma * altaz, degrees
///   flip    +1 flipped, -1 not
///   invert  1 inverted, 0 not
void posangscale(Surface& s, float radius, float angle, int16_t flip, int16_t invert);

/// The direction letters N, S, E, W (or those of letters), blue unless told;
/// the events run after the first.
void compass(Surface& s, float radius, float angle, int16_t flip, int16_t invert, Colour colour = BLUE,
             std::string_view letters = "NSEW", const CompassLetters& shownas = {});

/// The shape of a rotation arrow, degrees of heliographic latitude and longitude.
struct ArrowShape {
    float lat = 15;      ///< centre line's latitude, north positive
    float shaftw = 3;    ///< half-width of the shaft
    float headw = 7;     ///< half-width of the head at its base
    float centre = 10;   ///< middle's longitude from the central meridian, west positive
    float halflen = 15;  ///< half the length of the arrow
    float headlen = 9;   ///< length of the head
    int penwidth = 5;    ///< pixels
    Colour fillcolour = YELLOW;
    Colour linecolour = RED;
};

inline constexpr size_t ARROW_POINTS = 500;
using ArrowPoints = std::array<PixelPoint, ARROW_POINTS>;

/// One curved rotation arrow along a parallel, pointing west: filled as a
/// polygon in device pixels (even-odd rule), then outlined.
///
/// Returned:
///   arrowpts  the outline points of the last pass, in picture units
/// Returns the number of stored points (146 for the standard shape).
///
/// Notes:
/// 1. Points beyond the 500 of arrowpts are left out of the shape.
size_t rotarrow(Surface& s, const ViewMap& v, const SunState& sun, const ArrowShape& shape,
                ArrowPoints& arrowpts);

}  // namespace quorvel
