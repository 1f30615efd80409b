// The normal view drawn without a window, to a PNG or SVG file.
#pragma once

#include <set>
#include <string>

#include <QSizeF>

#include "obsinput.h"
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

struct ExportResult {
    bool written = false;
    std::string message;  ///< why nothing was written (an input message, or the file's error)
};

/// Draws the picture of the request and writes it, PNG or SVG by the file's ending.
/// An input that fails its check writes no file.
ExportResult exportpicture(const ExportRequest& request);

}  // namespace quorvel
