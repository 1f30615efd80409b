// The picture of one redraw: the oriented disk with every overlay, back to front.
#pragma once

#include "drawvalues.h"
#include "overlays.h"
#include "picturecontrols.h"
#include "surface.h"

namespace quorvel {

/// Draws the picture from the state the computing steps left.
///
/// Given:
///   controls  the check boxes, read when their overlay is due
/// Returned:
///   state     view.invert, view.invsign, view.flip, view.grid, sun.radius,
///             sun.rot; inputerr 2 when the rotation arrows were drawn
///   arrowpts  the outline points of the last rotation arrow
void drawpicture(Surface& s, RedrawState& state, const PictureControls& controls,
                 ArrowPoints& arrowpts);

}  // namespace quorvel
