#include "overlays.h"

namespace quorvel {

void compass(Surface& surf, float radius, float angle, int16_t flip, int16_t invert, Colour colour,
             std::string_view shown, const CompassLetters& shownas) {
    constexpr int32_t LETTER_HEIGHT = 16;  // pixels, also used as a size factor in picture units
    const int s = invert == 0 ? 1 : -1;
    const double rl = 1.28 * radius;
    const double b = (flip == 1 ? -angle : angle) * DEG;
    // The letter's top-left corner, so that the letter turned by b centres on its point.
    const double dx = LETTER_HEIGHT * (7 * std::sin(b) - 5 * std::cos(b));
    const double dy = LETTER_HEIGHT * (5 * std::sin(b) + 7 * std::cos(b));
    const double e = flip == 1 ? angle : -angle;

    struct Letter {
        char point;                ///< as shown names it: N, S, E or W
        const std::string* text;   ///< as the picture shows it
        int base;                  ///< degrees clockwise from north
    };
    const Letter letters[] = {
        {'N', &shownas.north, 0}, {'S', &shownas.south, 180}, {'E', &shownas.east, 270}, {'W', &shownas.west, 90}};
    bool first = true;
    for (const auto& [point, letter, base] : letters) {
        if (shown.find(point) == std::string_view::npos) continue;
        double c = angle + base;
        if (s == -1) c += 180;
        if (flip == 1) c = -c;
        // c runs clockwise from straight up on the screen.
        const double x = rl * std::sin(c * DEG) + dx, y = -rl * std::cos(c * DEG) - dy;
        fontprint(surf, *letter, static_cast<float>(x), static_cast<float>(y), colour, "Arial", LETTER_HEIGHT,
                  1000, static_cast<int32_t>(std::nearbyint(e * 10)));
        if (first) surf.doevents();
        first = false;
    }
}

}  // namespace quorvel
