// The colours of the presentation style: defaults, the custom colours the
// colour dialog offers, and choosing a colour.
#pragma once

#include <array>
#include <optional>

#include "colour.h"
#include "stylesizes.h"
#include "viewopts.h"

namespace quorvel {

using CustomColours = std::array<Colour, 16>;

/// The 16 custom colours offered at every start.
CustomColours setcustomcolours();

/// A colour dialog, replaceable in tests.
class ColourChooser {
public:
    virtual ~ColourChooser() = default;
    /// Starts from current, offers custom (and may change it); nullopt on cancel.
    virtual std::optional<Colour> choose(Colour current, CustomColours& custom) = 0;
};

/// The chosen colour, or current when the dialog is cancelled. The custom
/// colours keep the user's changes only when a colour was chosen.
Colour choosecolour(ColourChooser& chooser, Colour current, CustomColours& customcolours);

}  // namespace quorvel
