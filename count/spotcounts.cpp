#include "spotcounts.h"

#include "messagetext.h"
#include "numbertext.h"

namespace quorvel {
namespace {

std::string groups(int32_t n) {
    return fillin(n == 1 ? MESSAGE_TEXT("Message", "%1 group") : MESSAGE_TEXT("Message", "%1 groups"),
                  {std::to_string(n)});
}

std::string spots(int32_t n) {
    return fillin(n == 1 ? MESSAGE_TEXT("Message", "%1 spot") : MESSAGE_TEXT("Message", "%1 spots"),
                  {std::to_string(n)});
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
    return fillin(MESSAGE_TEXT("Message", "g %1  f %2  R %3  north %4, %5  south %6, %7  area %8 MSH"),
                  {std::to_string(c.g), std::to_string(c.f), std::to_string(c.r), groups(c.gn), spots(c.fn),
                   groups(c.gs), spots(c.fs), patterntext(c.areamsh, "0")});
}

}  // namespace quorvel
