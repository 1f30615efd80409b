// The redraw: inputs, every solar quantity, the result labels and the picture,
// with the one error trap.
#pragma once

#include <functional>
#include <string>

#include "messagetext.h"
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
    char decimalsep = '.';
    Colour background = WHITE;  ///< what the picture is cleared to when a check fails
};

/// The message of the error trap for a fault number.
std::string drawfaultmessage(int number);
inline constexpr const char* DRAW_FAULT_TITLE = MESSAGE_TEXT("Message", "File Error");

/// The picture half of a redraw, run once the computing steps have passed.
using PictureStep = std::function<void(Surface&, RedrawState&, const PictureControls&, ArrowPoints&)>;

class DrawRoutine {
public:
    /// One redraw. The fields are the typed texts; altaz is chkaltaz.
    ///
    /// Returns done when the picture is complete; an input fault when a check
    /// failed (the picture is cleared; INPUT_MESSAGE_TITLE); a run-time fault
    /// with the trap's message (DRAW_FAULT_TITLE; the program cannot go on);
    /// a usage outcome when a redraw is under way (nothing is done).
    ///
    /// Notes:
    /// 1. The drawing lets the window's events run; a redraw asked for from
    ///    inside one (a repaint, a click) is refused, never nested: callers
    ///    ask drawing() first.
    Outcome draw(const FieldTexts& fields, bool altaz, DrawPlatform& platform);
    /// A redraw with another picture and caption style (quorvel_g's views).
    Outcome draw(const FieldTexts& fields, bool altaz, DrawPlatform& platform, const PictureStep& picture,
                 CaptionStyle captions);
    bool drawing() const { return drawing_; }

    RedrawState state;
    ArrowPoints arrowpts{};
    std::string errmsg;

private:
    bool drawing_ = false;
};

}  // namespace quorvel
