// Edges that lie along straight lines: a frame's border, the edge of a
// turned copy's black corners, a cut through the image. No limb is straight.
#pragma once

#include <cstdint>
#include <vector>

namespace quorvel {

/// An edge pixel of a reduced image with its brightness gradient.
struct Edgel {
    float x, y, gx, gy;  ///< pixels; the gradient, brightness a pixel (towards the brighter side)
    float g2;            ///< gx^2 + gy^2
};

/// Which edges lie on a straight line: at least LINE_EDGES edges share one
/// line and the direction of their gradient (within about a degree).
///
/// Notes:
/// 1. A vote of each edge in (gradient direction, distance from the origin)
///    cells of half a degree and a pixel; an edge whose cell and its eight
///    neighbours hold LINE_EDGES votes is on a line. A circle of radius R
///    gives such a window about R/13 votes (its arc of 1.5 degrees, 3 pixels
///    thick), so no limb within a 512-pixel image reaches it.
/// 2. width x height bounds the distances: the loop is linear in the edges.
std::vector<bool> onstraightlines(const std::vector<Edgel>& edges, int32_t width, int32_t height);

/// Votes a line needs.
constexpr int32_t LINE_EDGES = 70;

}  // namespace quorvel
