#include "overlays.h"

namespace quorvel {

void fontprint(Surface& s, const std::string& text, float x, float y, Colour colour, const std::string& face,
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
    s.print(text, x, y, colour, font);
}

}  // namespace quorvel
