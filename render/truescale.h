// The graphics-ready view alone (the disk and its overlays, not the window)
// at a true scale: PNG or SVG at a chosen disk diameter in pixels, PDF or a
// printed page at a chosen diameter in millimetres, with an optional caption.
#pragma once

#include <map>
#include <set>
#include <string>

#include <QPaintDevice>
#include <QSize>
#include <QSizeF>

#include "obsinput.h"
#include "pictureexport.h"
#include "settingsform.h"
#include "settingsrec.h"
#include "viewopts.h"

namespace quorvel {

struct TrueScaleRequest {
    FieldTexts fields;
    bool altaz = false;
    std::set<CheckBox> checked;           ///< display and style check boxes that are on
    std::map<TextBox, std::string> texts; ///< the style boxes (diameter, intervals, number size)
    StyleOpts style;
    double diameterpx = 500;              ///< PNG and SVG: disk diameter, pixels
    double diametermm = 150;              ///< PDF and print: disk diameter, millimetres
    bool caption = false;                 ///< date, time, place, P, B0, L0 and rotation below the disk
    std::string path;                     ///< ".png", ".svg" or ".pdf"
};

/// The style, the style boxes and the check boxes a quorvel_g settings record holds.
void applystylerecord(const SettingsRec& rec, TrueScaleRequest& request);

/// Writes the request by the file's ending. An input, a style box or a size
/// that fails its check writes no file (an input fault); so does an image
/// too large to make.
Outcome exporttruescale(const TrueScaleRequest& request);

/// The checks of exporttruescale before anything is drawn: the style boxes
/// as the view buttons check them, the diameter in millimetres for a page,
/// in pixels (and the image's size for PNG) otherwise.
Outcome checktruescale(const TrueScaleRequest& request, bool page);

/// The pixels of the PNG or SVG picture of a request.
QSize truescalepixels(const TrueScaleRequest& request);

/// Draws the request on a page-like device at dpi dots per inch, the disk
/// diameter in millimetres, centred in a box of sizemm; "" or why not (the
/// message of a failed check).
std::string drawtruescale(QPaintDevice& device, QSizeF sizemm, double dpi, const TrueScaleRequest& request);

/// The size of the page that holds the disk, its scale and its caption, millimetres.
QSizeF truescalepage(const TrueScaleRequest& request);

}  // namespace quorvel
