// Alt+letter for every button and check box of a window whose captions do
// not choose their own.
#pragma once

class QWidget;

namespace quorvel {

/// Gives each button and check box of window that has no mnemonic yet the
/// first letter of its caption that no other control of the window uses
/// (letters already marked with '&' are kept). A caption whose letters are
/// all taken stays without one.
void givemnemonics(QWidget& window);

}  // namespace quorvel
