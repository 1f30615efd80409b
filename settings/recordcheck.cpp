#include "recordcheck.h"

#include <initializer_list>
#include <utility>

namespace quorvel {
namespace {

constexpr int32_t LARGEST_COLOUR = 0xFFFFFF;

bool within(int32_t v, int32_t low, int32_t high) { return v >= low && v <= high; }

std::optional<std::string> graphicsfield(const SettingsRec& rec) {
    if (!within(rec.winstate, 0, 2)) return "window state";
    for (int32_t colour : {rec.diskcolour, rec.backcolour, rec.limbcolour, rec.pacolour, rec.gridcolour,
                           rec.equatorcolour, rec.arrowcolour, rec.axiscolour})
        if (!within(colour, 0, LARGEST_COLOUR)) return "colours";
    return std::nullopt;
}

}  // namespace

std::optional<std::string> unsavedfield(const SettingsRec& rec) {
    for (const auto& [name, v] :
         {std::pair{"daylight saving", rec.dst}, std::pair{"mount", rec.mountaltaz}, std::pair{"grid", rec.grid},
          std::pair{"invert", rec.invert}, std::pair{"rotation arrows", rec.rotation},
          std::pair{"position angles", rec.posangles}, std::pair{"drift", rec.drift},
          std::pair{"equator", rec.sunequator}, std::pair{"axes", rec.axes}})
        if (!within(v, 0, 2)) return name;
    if (!within(rec.flipsign, -1, 1)) return "flip";
    if (rec.reserved10 != 0 && rec.reserved10 != GRAPHICS_RECORD_MARK) return "record mark";
    return rec.reserved10 == GRAPHICS_RECORD_MARK ? graphicsfield(rec) : std::nullopt;
}

}  // namespace quorvel
