// Stand-ins that record what they were asked, for tests without windows:
// message boxes, the end of the program, and a window's fields.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "settingsform.h"

namespace quorvel::test {

using Shown = std::vector<std::pair<std::string, std::string>>;  ///< title, text

struct RecordingMessages : MessageBoxes {
    Shown shown;
    void showmessage(const std::string& title, const std::string& text) override { shown.emplace_back(title, text); }
};

struct RecordingEnd : ProgramEnd {
    int ends = 0;
    void endprogram() override { ++ends; }
};

/// A window without widgets: holds texts, check boxes and its geometry, and
/// records every call that sets them ("txtlat= 51.5", "chkgrid=1", "geometry").
struct RecordingForm : SettingsForm {
    static constexpr const char* TEXT_NAMES[] = {"txtlat",    "txtlong", "txttz",     "txtlabint",
                                                 "txtangint", "txtfont", "txtgspace", "txtdia"};
    static constexpr const char* BOX_NAMES[] = {"chksunrot", "chkposang", "chkdrift", "optdst",
                                                "chkflip",   "chkaltaz",  "chkequat", "chkgrid",
                                                "chkinvert", "chksunequator", "chkaxes"};
    std::map<TextBox, std::string> texts;
    std::map<CheckBox, int> states;
    std::vector<std::string> calls;
    int16_t state = 0;
    TwipsRect geom;
    std::vector<TwipsRect> screenlist;
    int events = 0;

    std::string text(TextBox b) const override { return texts.contains(b) ? texts.at(b) : ""; }
    void settext(TextBox b, const std::string& t) override {
        calls.push_back(TEXT_NAMES[int(b)] + ("=" + (texts[b] = t)));
    }
    int value(CheckBox b) const override { return states.contains(b) ? states.at(b) : 0; }
    void setvalue(CheckBox b, int v) override {
        calls.push_back(BOX_NAMES[int(b)] + ("=" + std::to_string(states[b] = v)));
    }
    int16_t windowstate() const override { return state; }
    void setwindowstate(int16_t s) override { calls.push_back("windowstate=" + std::to_string(state = s)); }
    TwipsRect geometry() const override { return geom; }
    void setgeometry(const TwipsRect& g) override { geom = g, calls.push_back("geometry"); }
    std::vector<TwipsRect> screens() const override { return screenlist; }
    void processevents() override { ++events; }
};

}  // namespace quorvel::test
