#include "drawroutine.h"

#include <new>

#include "picture.h"
#include "runtimefault.h"

namespace quorvel {
namespace {

/// Clears the re-entry flag however the redraw ends.
class DrawingFlag {
public:
    explicit DrawingFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~DrawingFlag() { flag_ = false; }

private:
    bool& flag_;
};

}  // namespace

std::string drawfaultmessage(int number) {
    if (number == 53) return "File 'orrasol.ini' is missing from the program folder.  The program cannot run.";
    return "ERROR " + std::to_string(number) + " occurred in subroutine draw.   The program cannot run.";
}

Outcome DrawRoutine::draw(const FieldTexts& fields, bool altaz, DrawPlatform& p) {
    return draw(fields, altaz, p, drawpicture, CaptionStyle::viewer);
}

Outcome DrawRoutine::draw(const FieldTexts& fields, bool altaz, DrawPlatform& p, const PictureStep& picture,
                          CaptionStyle captions) {
    if (drawing_) return Outcome::usage("a redraw is under way");
    DrawingFlag flag(drawing_);
    int number = 0;
    try {
        state.gridcolour = GRID_PINK;
        const Outcome values = drawvalues(fields, altaz, p.decimalsep, state, p.labels, captions);
        if (!values.done()) {
            p.surface.cls(p.background);
            return values;
        }
        picture(p.surface, state, p.controls, arrowpts);
        return Outcome::ok();
    } catch (const RuntimeFault& e) {
        number = e.number;
    } catch (const std::bad_alloc&) {
        number = 7;  // out of memory
    } catch (const std::exception&) {
        number = 5;  // invalid procedure call
    }
    errmsg = drawfaultmessage(number);
    return Outcome::runtimefault(errmsg, number);
}

}  // namespace quorvel
