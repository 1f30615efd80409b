#include "headless.h"

namespace quorvel {

std::string HeadlessRedraw::text(TextBox box) const {
    auto it = texts_.find(box);
    return it == texts_.end() ? "" : it->second;
}

void HeadlessRedraw::setcaption(ResultLabel label, const std::string& caption) {
    captions_ += std::string("caption ") + labelname(label) + " \"" + caption + "\"\n";
}

Outcome HeadlessRedraw::draw(Surface& surface, const FieldTexts& fields, bool altaz, const PictureStep& picture,
                             CaptionStyle captions) {
    DrawPlatform platform{surface, *this, *this, '.'};
    return routine.draw(fields, altaz, platform, picture, captions);
}

}  // namespace quorvel
