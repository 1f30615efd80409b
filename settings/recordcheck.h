// Whether a settings record holds values a save of either program writes.
#pragma once

#include <optional>
#include <string>

#include "settingsrec.h"

namespace quorvel {

/// The first field of rec that no save of quorvel or quorvel_g writes, by
/// the name a message gives it; nullopt when every field could have been
/// saved (the all-zero record of a first start included).
///
/// Notes:
/// 1. Checked: the check-box states (0, 1 or 2), the flip sign (-1, 0 or
///    +1), the mark at offset 10 (0, or quorvel_g's 100), and in a record
///    quorvel_g wrote its window state (0, 1 or 2) and its eight colours (0 to
///    0xFFFFFF).
/// 2. What the user typed is not checked (the place, the zone, the style's
///    sizes): a save keeps it, and the next redraw reports what fails its
///    check.
std::optional<std::string> unsavedfield(const SettingsRec& rec);

}  // namespace quorvel
