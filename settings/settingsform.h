// What the settings procedures read from and set on a window, so that they
// work, and are tested, without one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formcontrols.h"

namespace quorvel {

/// A rectangle in twips (1/1440 inch), screen coordinates.
struct TwipsRect {
    int32_t left = 0, top = 0, width = 0, height = 0;
};

class SettingsForm {
public:
    virtual ~SettingsForm() = default;
    virtual std::string text(TextBox box) const = 0;
    /// Fills a text box; raises its change event as typing would.
    virtual void settext(TextBox box, const std::string& text) = 0;
    /// 0 unchecked, 1 checked, 2 grayed.
    virtual int value(CheckBox box) const = 0;
    /// Sets a check box (0, 1 or 2); raises its click event as a click would.
    virtual void setvalue(CheckBox box, int value) = 0;

    // The window itself, for the program that keeps its geometry.
    virtual int16_t windowstate() const { return 0; }  ///< 0 normal, 1 minimized, 2 maximized
    virtual void setwindowstate(int16_t) {}
    virtual TwipsRect geometry() const { return {}; }
    virtual void setgeometry(const TwipsRect&) {}
    /// The available screens; empty when unknown.
    virtual std::vector<TwipsRect> screens() const { return {}; }
    /// Lets pending window events run.
    virtual void processevents() {}
};

}  // namespace quorvel
