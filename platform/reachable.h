// A window reachable from the keyboard and by a screen reader, whatever
// controls it grows: Alt+letter for its buttons, a name for its fields.
#pragma once

class QWidget;

namespace quorvel {

/// Makes window's controls reachable:
///
/// 1. Each button and check box without a mnemonic gets a letter (or digit)
///    of its caption that no control of the window, or of its tab page, has
///    yet, as many as the letters allow; letters marked with '&' are kept.
///    Pages of a tab widget never show together, so they may share letters;
///    where a page runs out of letters it shares one with a control outside
///    it, and Alt+letter moves the focus between the two.
/// 2. Each text field without an accessible name is named after the label
///    just before it in its layout (that label becomes its buddy), else after
///    its tooltip.
void makereachable(QWidget& window);

}  // namespace quorvel
