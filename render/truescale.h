// The graphics-ready view alone (the disk and its overlays, not the window)
// at a true scale: PNG or SVG at a chosen disk diameter in pixels, PDF or a
// printed page at a chosen diameter in millimetres, with an optional caption.
#pragma once

#include <map>
#include <set>
#include <string>

#include <QPaintDevice>
#include <QSizeF>

#include "compassletters.h"
#include "obsinput.h"
#include "pictureexport.h"
#include "formcontrols.h"
#include "settingsrec.h"
#include "viewopts.h"

namespace quorvel {

struct TrueScaleRequest {
    FieldTexts fields;
    bool altaz = false;
    std::set<CheckBox> checked;           ///< display and style check boxes that are on
    std::map<TextBox, std::string> texts; ///< the style boxes (diameter, intervals, number size)
    StyleOpts style;
    double diameterpx = 500;              ///< PNG and SVG: disk diameter, logical pixels
    double diametermm = 150;              ///< PDF and print: disk diameter, millimetres
    bool caption = false;                 ///< date, time, place, P, B0, L0 and rotation below the disk
    std::string path;                     ///< ".png", ".svg" or ".pdf"
    CompassLetters letters;               ///< the compass letters as the window shows them
};

/// The style, the style boxes and the check boxes a quorvel_g settings record holds.
void applystylerecord(const SettingsRec& rec, TrueScaleRequest& request);

/// Writes the request by the file's ending: PNG and SVG (and the log of
/// its redraw, ".log", as pictureexport writes it) with the disk
/// diameterpx pixels across, whatever the screen's pixel ratio, PDF with the disk diametermm across on a
/// page that holds the picture and its caption. An input, a style box or a
/// size that fails its check writes no file (an input fault); so does an
/// image too large to make.
///
/// Notes:
/// 1. Every element stands where the window's graphics-ready view puts it
///    relative to the disk: the scale's numbers keep their size relative to
///    the disk of the style's diameter.
Outcome exporttruescale(const TrueScaleRequest& request);

/// The style boxes of a request, as the view buttons read them.
Outcome requestsizes(const TrueScaleRequest& request, StyleSizes& sizes);

/// The checks of exporttruescale before anything is drawn: the style boxes
/// as the view buttons check them, the diameter in millimetres for a page,
/// in pixels (and the image's size for PNG) otherwise.
Outcome checktruescale(const TrueScaleRequest& request, bool page);

/// Prints the request on a page-like device (a printer) at dpi dots per
/// inch: the disk diametermm across, centred across the printable area of
/// sizemm and at its top, the caption below. An input fault when the fields
/// fail or when the picture does not fit the printable area.
Outcome drawtruescale(QPaintDevice& device, QSizeF sizemm, double dpi, const TrueScaleRequest& request);

}  // namespace quorvel
