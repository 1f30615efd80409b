// The check boxes the drawing reads at the moment an overlay is due.
#pragma once

#include <string>

#include "formcontrols.h"

namespace quorvel {

class PictureControls {
public:
    virtual ~PictureControls() = default;
    virtual bool checked(CheckBox box) const = 0;
    /// The text of a style box (quorvel_g's sizes and intervals).
    virtual std::string text(TextBox) const { return ""; }
};

}  // namespace quorvel
