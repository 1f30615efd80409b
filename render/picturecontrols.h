// The check boxes the drawing reads at the moment an overlay is due.
#pragma once

#include "settingsform.h"

namespace quorvel {

class PictureControls {
public:
    virtual ~PictureControls() = default;
    virtual bool checked(CheckBox box) const = 0;
};

}  // namespace quorvel
