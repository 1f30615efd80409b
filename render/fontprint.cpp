#include "overlays.h"

namespace quorvel {

void fontprint(Surface& s, const std::string& text, float x, float y, const std::string& face,
               int32_t height, int32_t weight, int32_t escapement, bool italic, bool underline,
               bool strikeout) {
    FontSpec font;
    font.face = face;
    font.height = height;
    font.weight = weight;
    font.escapement = escapement;
    font.italic = italic;
    font.underline = underline;
    font.strikeout = strikeout;
    s.currentx = x;
    s.currenty = y;
    s.print(text, font);
}

}  // namespace quorvel
