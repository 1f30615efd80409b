#include "spotcounts.h"

#include "numbertext.h"

namespace quorvel {
namespace {

std::string several(int32_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

SpotCounts countspots(const std::vector<SpotGroup>& groups) {
    SpotCounts c;
    for (const SpotGroup& g : groups) {
        const bool north = g.hemisphere == 'N';
        (north ? c.gn : c.gs) += 1;
        (north ? c.fn : c.fs) += g.spots;
        c.areamsh += g.areamsh;
    }
    c.g = c.gn + c.gs;
    c.f = c.fn + c.fs;
    c.r = 10 * c.g + c.f;
    return c;
}

std::string countstext(const SpotCounts& c) {
    return "g " + std::to_string(c.g) + "  f " + std::to_string(c.f) + "  R " + std::to_string(c.r) + "  north " +
           several(c.gn, "group", "groups") + " " + several(c.fn, "spot", "spots") + "  south " +
           several(c.gs, "group", "groups") + " " + several(c.fs, "spot", "spots") + "  area " +
           patterntext(c.areamsh, "0") + " MSH";
}

}  // namespace quorvel
