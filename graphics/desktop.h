// quorvel_g's links to the desktop beyond those of quorvel: the colour
// dialog, the clipboard and the beep, each replaceable in tests.
#pragma once

#include <QImage>
#include <QWidget>

#include "colours.h"
#include "platform.h"

namespace quorvel {

/// Qt's colour dialog, with its full custom-colour section.
class QtColourChooser : public ColourChooser, public DialogParent {
public:
    using DialogParent::DialogParent;
    std::optional<Colour> choose(Colour current, CustomColours& custom) override;
};

}  // namespace quorvel
