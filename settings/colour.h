// Colours as the settings files store them: red + 256 * green + 65536 * blue.
#pragma once

#include <cstdint>

namespace quorvel {

using Colour = int32_t;

constexpr Colour rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }
constexpr int redof(Colour c) { return c & 0xFF; }
constexpr int greenof(Colour c) { return (c >> 8) & 0xFF; }
constexpr int blueof(Colour c) { return (c >> 16) & 0xFF; }

}  // namespace quorvel
