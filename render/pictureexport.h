// A normal view drawn without a window, to a PNG or SVG file or to the log
// of its redraw.
#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>

#include <QByteArray>
#include <QPaintDevice>
#include <QSize>
#include <QSizeF>

#include "formcontrols.h"
#include "headless.h"
#include "recordingsurface.h"
#include "obsinput.h"
#include "outcome.h"
#include "stylesizes.h"
#include "viewopts.h"

namespace quorvel {

/// The picture boxes of the windows at their first sizes, twips.
inline constexpr QSizeF VIEWER_PICTURE_TWIPS{6805, 5895};
inline constexpr QSizeF GRAPHICS_PICTURE_TWIPS{9880, 9300};

struct ExportRequest {
    FieldTexts fields;
    bool altaz = false;
    std::set<CheckBox> checked;          ///< the display check boxes that are on
    QSizeF sizetwips = VIEWER_PICTURE_TWIPS;  ///< the picture box
    double twipsperpixel = 15;
    bool graphicsnormal = false;         ///< quorvel_g's normal view instead of quorvel's
    StyleOpts style;                     ///< quorvel_g's normal view: its scale's colour
    StyleSizes sizes;                    ///< quorvel_g's normal view: its grid and scale
    std::string path;                    ///< ".png", ".svg" or ".log"
};

/// Whether a file name ends in ending ("." and letters, lower case), whatever its case.
bool hasending(const std::string& path, const std::string& ending);

/// Whether an output is written in the format of ending: by its name's
/// ending, and as PNG for standard output ("-").
bool writesformat(const std::string& path, const std::string& ending);

/// Writes data to a file a user named (writefile: a file replaced
/// atomically, a link never written through, a named pipe, a device or "-"
/// streamed); an I/O outcome says why not.
Outcome savefile(const std::string& path, const QByteArray& data);

/// Draws on an image (".png") or an SVG drawing (".svg"), by the path's
/// ending, and writes the file; nullopt for another ending.
///
/// Given:
///   logical  the picture's size, logical pixels
///   scale    device pixels a logical pixel makes
///   ratio    the screen's pixel ratio the PNG's resolution states (96 dots per inch times it)
///   draw     draws on the device, whose painter takes logical pixels once
///            scaled by its devicescale argument; done, or why nothing was
///            drawn (then no file is written)
std::optional<Outcome> writeimagefile(const std::string& path, QSize logical, double scale, double ratio,
                                      const std::function<Outcome(QPaintDevice&, double devicescale)>& draw);

/// Draws the picture of the request and writes it, PNG or SVG by the file's
/// ending, or ".log": the log of the redraw (writeredrawlog). An input that
/// fails its check writes no file.
Outcome exportpicture(const ExportRequest& request);

/// Writes the log of a redraw that drew on surface to path: a line for each
/// caption its labels received, then every drawing operation.
Outcome writeredrawlog(const std::string& path, const HeadlessRedraw& redraw, const RecordingSurface& surface);

}  // namespace quorvel
