// The normal view drawn without a window, to a PNG or SVG file.
#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>

#include <QByteArray>
#include <QPaintDevice>
#include <QSize>
#include <QSizeF>

#include "obsinput.h"
#include "outcome.h"
#include "settingsform.h"

namespace quorvel {

struct ExportRequest {
    FieldTexts fields;
    bool altaz = false;
    std::set<CheckBox> checked;          ///< the display check boxes that are on
    QSizeF sizetwips{6805, 5895};        ///< the picture box
    double twipsperpixel = 15;
    std::string path;                    ///< ".png" or ".svg"
};

/// Whether a file name ends in ending ("." and letters, lower case), whatever its case.
bool hasending(const std::string& path, const std::string& ending);

/// Replaces a file by data, atomically; an I/O outcome says why not.
Outcome savefile(const std::string& path, const QByteArray& data);

/// Draws on an image (".png") or an SVG drawing (".svg") of pixels, by the
/// path's ending, and writes the file. draw returns "" or the input message
/// of why nothing was drawn, in which case no file is written. nullopt for
/// another ending.
std::optional<Outcome> writeimagefile(const std::string& path, QSize pixels,
                                           const std::function<std::string(QPaintDevice&)>& draw);

/// Draws the picture of the request and writes it, PNG or SVG by the file's ending.
/// An input that fails its check writes no file.
Outcome exportpicture(const ExportRequest& request);

}  // namespace quorvel
