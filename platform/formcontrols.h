// The controls and desktop links every layer names: the text and check boxes
// the settings and the drawing read, the message boxes and the end of the
// program that the error traps reach. No toolkit types here.
#pragma once

#include <string>

namespace quorvel {

enum class TextBox { txtlat, txtlong, txttz, txtlabint, txtangint, txtfont, txtgspace, txtdia };

enum class CheckBox {
    chksunrot, chkposang, chkdrift, optdst, chkflip, chkaltaz, chkequat, chkgrid, chkinvert,
    chksunequator, chkaxes
};

/// Modal message boxes with an OK button only.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void showmessage(const std::string& title, const std::string& text) = 0;
};

/// Ends the program (after an error trap's message).
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void endprogram() = 0;
};

}  // namespace quorvel
