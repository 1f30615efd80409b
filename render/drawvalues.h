// The computing half of a redraw: from the typed fields to the captions of
// the result labels, in the order a redraw sets them.
#pragma once

#include <cstdint>
#include <string>

#include "captions.h"
#include "compassletters.h"
#include "obsinput.h"
#include "sunstate.h"
#include "viewopts.h"

namespace quorvel {

/// Receives each caption as soon as it is known, so that a failed place check
/// leaves the first four labels updated and the others as they were.
class LabelSink {
public:
    virtual ~LabelSink() = default;
    virtual void setcaption(ResultLabel label, const std::string& caption) = 0;
    /// False for a sink that reads only the values of the redraw state: then
    /// no caption is formatted and setcaption is not called.
    virtual bool wantscaptions() const { return true; }
    /// Shows or hides the parallactic angle with its caption and frame (the mount).
    virtual void showtilt(bool) {}
    /// The Carrington rotation number, once L0 is known.
    virtual void setrotation(int32_t) {}
};

/// A sink for the values of the redraw state alone: no caption is formatted.
class ValuesOnly : public LabelSink {
public:
    void setcaption(ResultLabel, const std::string&) override {}
    bool wantscaptions() const override { return false; }
};

/// How the captions look: the viewer's, or quorvel_g's (no hour angle,
/// altitude and azimuth as bare numbers, short RA and Dec prefixes).
enum class CaptionStyle { viewer, graphics };

/// The state a redraw computes and later steps read.
struct RedrawState {
    ObsInput obs;
    SunState sun;
    ViewOpts view;         ///< display options as the redraw read them
    int32_t gridcolour = 0xB9B9FF;  ///< grid lines, RGB(255, 185, 185); set at the start of each redraw
    int16_t inputerr = 0;  ///< 0 lets a repaint redraw; 1 after a failed check; 2 after the rotation arrows.
    CompassLetters letters;  ///< set by the window; a redraw leaves it as it is
};

/// Runs the computing steps of a redraw.
///
/// Given:
///   fields       the typed texts
///   altaz        chkaltaz checked
///   decimalsep   separator of the general and pattern texts
/// Returned:
///   state        inputs, solar quantities, inputerr, state.view.altaz
///   sink         receives the captions in order
///
/// Returns the input-fault outcome of the first failing check, or done. A date that the
/// calendar arithmetic cannot hold (years beyond about 4.37 million, or
/// before about -5.88 million) fails
/// as a date.
Outcome drawvalues(const FieldTexts& fields, bool altaz, char decimalsep, RedrawState& state, LabelSink& sink,
                   CaptionStyle style = CaptionStyle::viewer);

}  // namespace quorvel
