// Whole redraws of named cases against their stored logs in logs/: every
// caption the labels receive and every drawing operation with its arguments.
// After a deliberate change, regenerate them with
//   QUORVEL_UPDATE_GOLDEN=1 build/bin/test_render_logs
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "drawroutine.h"
#include "graphicsview.h"
#include "recordingsurface.h"

namespace quorvel {
namespace {

enum class View { viewer, graphicsnormal, graphicsready };

struct Case {
    const char* name;
    FieldTexts fields;
    bool altaz;
    std::set<CheckBox> checked;
    View view;
};

struct Controls : PictureControls, LabelSink, MessageBoxes, ProgramEnd {
    std::set<CheckBox> on;
    std::map<TextBox, std::string> texts{{TextBox::txtdia, " 500"},   {TextBox::txtgspace, " 15"},
                                         {TextBox::txtangint, " 10"}, {TextBox::txtlabint, " 30"},
                                         {TextBox::txtfont, " 14"}};
    std::string captions;
    bool checked(CheckBox box) const override { return on.count(box) > 0; }
    std::string text(TextBox box) const override { return texts.at(box); }
    void setcaption(ResultLabel label, const std::string& caption) override {
        captions += std::string("caption ") + labelname(label) + " \"" + caption + "\"\n";
    }
    void showtilt(bool visible) override { captions += visible ? "tilt shown\n" : "tilt hidden\n"; }
    void setrotation(int32_t r) override { captions += "rotation " + std::to_string(r) + "\n"; }
    void showmessage(const std::string& title, const std::string& text) override {
        captions += "message \"" + title + "\" \"" + text + "\"\n";
    }
    void endprogram() override { captions += "end\n"; }
};

/// A style with a colour of its own for each element.
StyleOpts style() {
    StyleOpts s;
    s.backcolour = rgb(20, 20, 90), s.gridcolour = rgb(0, 160, 255), s.diskcolour = rgb(230, 200, 40);
    s.limbcolour = rgb(255, 0, 255), s.pacolour = rgb(255, 128, 0), s.equatorcolour = rgb(0, 255, 0);
    s.arrowcolour = rgb(128, 0, 0), s.axiscolour = rgb(0, 90, 60), s.showequator = 1;
    return s;
}

std::string redraw(const Case& c) {
    Controls controls;
    controls.on = c.checked;
    // The picture boxes of the two windows at their design sizes, twips.
    RecordingSurface surface(c.view == View::viewer ? 6805 : 9880, c.view == View::viewer ? 5895 : 9300);
    DrawPlatform platform{surface, controls, controls, controls, controls, '.'};
    DrawRoutine routine;
    const StyleOpts st = style();
    auto picture = [&](Surface& s, RedrawState& state, const PictureControls& pc, ArrowPoints& pts) {
        StyleSizes sizes;
        checkstylesizes([&](TextBox box) { return pc.text(box); }, largestdiameter(15), sizes);
        (c.view == View::graphicsready ? drawgraphicpicture : drawnormalgpicture)(s, state, pc, st, sizes, pts);
    };
    if (c.view == View::viewer) routine.draw(c.fields, c.altaz, platform);
    else routine.draw(c.fields, c.altaz, platform, picture, CaptionStyle::graphics);
    return controls.captions + surface.log();
}

using B = CheckBox;
const FieldTexts SOLSTICE{"21", "6", "2006", "12", "0", "0", false, "51.5", "0"};
// Mid-March: B0 is near its southern extreme, so the south pole is marked.
const FieldTexts MARCH{"15", "3", "2006", "9", "30", "1", true, "-33.9", "-151.2"};

const Case CASES[] = {
    {"viewer_plain", SOLSTICE, false, {}, View::viewer},
    {"viewer_altaz_flip_invert_all", MARCH, true,
     {B::chkflip, B::chkinvert, B::chkgrid, B::chkposang, B::chkdrift, B::chksunrot}, View::viewer},
    {"graphics_normal", MARCH, false, {B::chkgrid, B::chkposang, B::chksunrot}, View::graphicsnormal},
    {"graphics_ready", MARCH, true,
     {B::chkgrid, B::chkposang, B::chksunrot, B::chkaxes, B::chksunequator}, View::graphicsready},
    {"graphics_ready_north_flipped", SOLSTICE, false, {B::chkflip, B::chkgrid, B::chkaxes, B::chkposang},
     View::graphicsready},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class StoredLogTest : public ::testing::TestWithParam<Case> {};

TEST_P(StoredLogTest, RedrawMatchesTheStoredLog) {
    const std::string path = std::string(QUORVEL_LOG_DIR) + "/" + GetParam().name + ".log";
    const std::string now = redraw(GetParam());
    if (std::getenv("QUORVEL_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << now;
        GTEST_SKIP() << "rewrote " << path;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path << " is missing: run with QUORVEL_UPDATE_GOLDEN=1";
    std::stringstream stored;
    stored << in.rdbuf();
    // On a difference, the first differing line says where.
    std::istringstream a(stored.str()), b(now);
    std::string la, lb;
    for (int line = 1; a || b; ++line) {
        la.clear(), lb.clear();
        std::getline(a, la), std::getline(b, lb);
        ASSERT_EQ(lb, la) << path << ":" << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StoredLogTest, ::testing::ValuesIn(CASES),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvel
