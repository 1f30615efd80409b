// The redraw: inputs, every solar quantity, the result labels and the picture,
// with the one error trap.
#pragma once

#include <functional>
#include <string>

#include "drawvalues.h"
#include "overlays.h"
#include "picturecontrols.h"
#include "formcontrols.h"
#include "surface.h"

namespace quorvel {

/// What a redraw reaches beyond itself.
struct DrawPlatform {
    Surface& surface;
    const PictureControls& controls;
    LabelSink& labels;
    MessageBoxes& messages;
    ProgramEnd& end;
    char decimalsep = '.';
    Colour background = WHITE;  ///< what the picture is cleared to when a check fails
};

enum class DrawOutcome {
    drawn,       ///< the picture is complete
    inputfault,  ///< a check failed: its message was shown and the picture cleared
    fault,       ///< a run-time fault: its message was shown and the program ended
    nested,      ///< asked for while a redraw was yielding; nothing was done
};

/// The message of the error trap for a fault number.
std::string drawfaultmessage(int number);
inline constexpr const char* DRAW_FAULT_TITLE = "File Error";

/// The picture half of a redraw, run once the computing steps have passed.
using PictureStep = std::function<void(Surface&, RedrawState&, const PictureControls&, ArrowPoints&)>;

class DrawRoutine {
public:
    /// One redraw. The fields are the typed texts; altaz is chkaltaz.
    ///
    /// Notes:
    /// 1. The drawing lets the window's events run; a redraw asked for from
    ///    inside one (a repaint, a click) is refused, never nested.
    DrawOutcome draw(const FieldTexts& fields, bool altaz, DrawPlatform& platform);
    /// A redraw with another picture and caption style (quorvel_g's views).
    DrawOutcome draw(const FieldTexts& fields, bool altaz, DrawPlatform& platform, const PictureStep& picture,
                     CaptionStyle captions);
    bool drawing() const { return drawing_; }

    RedrawState state;
    ArrowPoints arrowpts{};
    std::string errmsg;

private:
    bool drawing_ = false;
};

}  // namespace quorvel
