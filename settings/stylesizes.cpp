#include "stylesizes.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "messagetext.h"
#include "textvalue.h"

namespace quorvel {
namespace {

struct SizeBox {
    TextBox box;
    const char* name;
    const char* unit;
    int32_t largest;
};

/// A whole number from 1 to largest, or nullopt.
std::optional<int32_t> wholenumber(const std::string& text, int32_t largest) {
    const auto v = strictnumber(text);
    if (!v || *v != std::floor(*v) || *v < 1 || *v > largest) return std::nullopt;
    return static_cast<int32_t>(*v);
}

}  // namespace

int32_t largestdiameter(double twipsperpixel) {
    constexpr double RECORD_LARGEST = 32767;
    return static_cast<int32_t>(std::min(RECORD_LARGEST, std::floor(2 * 32767 / twipsperpixel)));
}

Outcome checkstylesizes(const std::function<std::string(TextBox)>& text, int32_t largest, StyleSizes& sizes) {
    const SizeBox boxes[] = {{TextBox::txtdia, MESSAGE_TEXT("Message", "solar diameter"), MESSAGE_TEXT("Message", "pixels"), largest},
                             {TextBox::txtgspace, MESSAGE_TEXT("Message", "grid interval"), MESSAGE_TEXT("Message", "degrees"), 360},
                             {TextBox::txtangint, MESSAGE_TEXT("Message", "angle mark interval"), MESSAGE_TEXT("Message", "degrees"), 360},
                             {TextBox::txtlabint, MESSAGE_TEXT("Message", "angle label interval"), MESSAGE_TEXT("Message", "degrees"), 360},
                             {TextBox::txtfont, MESSAGE_TEXT("Message", "label font size"), MESSAGE_TEXT("Message", "pixels"), 500}};
    StyleSizes read;
    std::string problems;
    for (const SizeBox& b : boxes) {
        const std::string typed = text(b.box);
        const auto v = wholenumber(typed, b.largest);
        if (!v) {
            problems += (problems.empty() ? "" : "\n") +
                        fillin(MESSAGE_TEXT("Message", "The %1 %2 is not a whole number of %3 from 1 to %4."),
                               {b.name, quotedtyped(typed), b.unit, std::to_string(b.largest)});
            continue;
        }
        switch (b.box) {
            case TextBox::txtdia: read.diameter = *v; break;
            case TextBox::txtgspace: read.gridinterval = static_cast<float>(*v); break;
            case TextBox::txtangint: read.markinterval = static_cast<float>(*v); break;
            case TextBox::txtlabint: read.labelinterval = static_cast<float>(*v); break;
            default: read.numbersize = *v; break;
        }
    }
    if (!problems.empty()) return Outcome::input(problems + "\nNothing was drawn or saved.");
    sizes = read;
    return Outcome::ok();
}

void defaultcolours(StyleOpts& style) {
    style.backcolour = rgb(0, 0, 0);
    style.gridcolour = rgb(0, 0, 0);
    style.diskcolour = rgb(255, 255, 255);
    style.limbcolour = rgb(255, 255, 255);
    style.pacolour = rgb(70, 70, 70);
    style.equatorcolour = style.arrowcolour = style.axiscolour = rgb(0, 0, 0);
}

}  // namespace quorvel
