// Fuzz target over the contents of a settings file: any content decodes to a
// record that the start-up's check takes or refuses and both programs apply
// to a window without a fault, and the record encodes back to the file's
// first 168 bytes, zero padded. settings.dict holds the values that decide
// the loader's branches, seeds_settings/ a record for each of them.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "recordcheck.h"
#include "settingsfiles.h"
#include "textvalue.h"

namespace {

using namespace quorvel;

/// The least of a window: texts and states kept, one screen of 1920 x 1080 pixels.
class MinimalForm : public SettingsForm {
public:
    std::string texts[8];
    int states[11] = {};
    TwipsRect geom;
    std::string text(TextBox b) const override { return texts[static_cast<int>(b)]; }
    void settext(TextBox b, const std::string& t) override { texts[static_cast<int>(b)] = t; }
    int value(CheckBox b) const override { return states[static_cast<int>(b)]; }
    void setvalue(CheckBox b, int v) override { states[static_cast<int>(b)] = v; }
    void setgeometry(const TwipsRect& g) override { geom = g; }
    std::vector<TwipsRect> screens() const override { return {{0, 0, 28800, 16200}}; }
};

void check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> content(data, size);
    const SettingsRec rec = decoderecord(content);
    SettingsBytes first{};
    std::copy_n(data, std::min(size, SETTINGS_RECORD_SIZE), first.begin());
    check(encoderecord(rec) == first);
    const auto unsaved = unsavedfield(rec);
    check(!unsaved || !unsaved->empty());

    for (Program program : {Program::quorvel, Program::quorvel_g}) {
        MinimalForm form;
        SettingsState state;
        ObsInput obs;
        ViewOpts view;
        StyleOpts style;
        applyrecord(program, rec, form, state, obs, view, style);
        check(state.rec == rec);
        // The shown place reads back as the stored tenths.
        check(textvalue(form.text(TextBox::txtlat)) == rec.lat10 / 10.0);
        check(textvalue(form.text(TextBox::txtlong)) == rec.long10 / 10.0);
        for (int s : form.states) check(s >= 0 && s <= 2);
    }
    return 0;
}
