// The overlay of the measuring tool: the heliographic grid, the equator, the
// axis with the visible pole, the limb, the position-angle scale, the N and
// E letters and the measured spots, semi-transparent over the image.
#pragma once

#include <QImage>
#include <vector>

#include "compassletters.h"
#include "imageframe.h"
#include "outcome.h"
#include "spotrow.h"
#include "viewopts.h"

namespace quorvel {

struct OverlayOpts {
    bool grid = true, equator = true, axis = true, limb = true, scale = true, letters = true, spots = true;
    float gridinterval = 10;  ///< degrees
    StyleOpts colours;        ///< grid, equator, axis, limb (limbcolour), scale and letters (pacolour), spots (arrowcolour)
    double opacity = 0.8;     ///< of the whole overlay, 0..1
    CompassLetters lettertexts;  ///< the N and E letters as shown
};

/// Colours that show over a photograph, for a window without a style panel.
StyleOpts overlaycolours();

/// Where the image lies on a target: a target point (logical pixels, origin
/// at its top-left corner) is (image pixel + 0.5) * zoom + offset.
struct Placement {
    double zoom = 1;
    double ox = 0, oy = 0;
};

/// Draws the overlay of the frame (image pixels) on target at placement.
/// Line widths and texts are in the target's logical pixels. Returns false,
/// target untouched, when there is no memory for the layer it is drawn on.
bool drawoverlay(QImage& target, const ImageFrame& frame, const Placement& at, const OverlayOpts& opts,
                 const std::vector<SpotRow>& spots);

/// The picture at its own resolution with the overlay. The overlay is drawn
/// as at a disk of at most 400 pixels' radius and scaled up from there, so
/// its lines and texts grow with a larger disk. A null image when there is
/// no memory for it.
QImage annotatedimage(const QImage& picture, const ImageFrame& frame, const OverlayOpts& opts,
                      const std::vector<SpotRow>& spots);

/// The PNG bytes of an annotated image into data. Returns done, or an input
/// outcome when the image is null (the memory ran out while it was drawn) or
/// cannot be encoded, so that no file without its annotations is written.
Outcome pngbytes(const QImage& annotated, QByteArray& data);

}  // namespace quorvel
