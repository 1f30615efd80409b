#include "colours.h"

#include <string>

#include "textvalue.h"

namespace quorvel {

CustomColours setcustomcolours() {
    static const char* const texts[16] = {
        "000,159,245", "000,136,238", "051,122,170", "045,100,150", "040,090,125", "040,080,100",
        "210,210,210", "210,210,210", "210,210,210", "210,210,210", "040,080,100", "040,090,125",
        "045,100,150", "050,122,170", "000,136,238", "000,159,245"};
    CustomColours colours{};
    for (size_t i = 0; i < colours.size(); ++i) {
        const std::string t = texts[i];
        // Each number reads up to the comma that ends it.
        auto byte = [&](size_t at) { return static_cast<int>(textvalue(t.substr(at))) & 0xFF; };
        colours[i] = rgb(byte(0), byte(4), byte(8));
    }
    return colours;
}

Colour choosecolour(ColourChooser& chooser, Colour current, CustomColours& customcolours) {
    CustomColours offered = customcolours;
    const std::optional<Colour> chosen = chooser.choose(current, offered);
    if (!chosen) return current;
    customcolours = offered;
    return *chosen;
}

}  // namespace quorvel
