#include <cstdio>

#include "reports.h"

namespace quorvel::log {
namespace {

/// The AAVSO's seeing letter of a seeing on either scale: 1 E, 2 G, 3 F, 4 and 5 P.
std::string seeingletter(const std::string& seeing) {
    static const char* const letters[] = {"E", "G", "F", "P", "P"};
    const int rank = seeingrank(seeing);
    return rank < 5 ? letters[rank] : seeing;
}

}  // namespace

std::string aavsoreport(const ObserverRecord& observer, int year, int month, const std::vector<ObservationRecord>& obs) {
    char line[160];
    std::string out = "Solar data from: " + observer.code + "\n" + observer.name + "\n";
    std::snprintf(line, sizeof line, "For the month of: %s %04d\n", monthabbrev(month), year);
    out += line;
    out += "| Day | see | UT | g | s | W | ng | sg | ns | ss | Obs. |\n";
    for (const ObservationRecord& o : obs) {
        const Counts& c = o.counts;
        std::snprintf(line, sizeof line, "%5d%5s  %02d%02d%5lld%5lld%6lld", o.time.day, seeingletter(o.seeing).c_str(), o.time.hour,
                      o.time.minute, static_cast<long long>(c.g), static_cast<long long>(c.f), static_cast<long long>(c.r()));
        out += line;
        if (c.hemispheres)
            std::snprintf(line, sizeof line, "%5lld%5lld%5lld%5lld", static_cast<long long>(c.gn), static_cast<long long>(c.gs),
                          static_cast<long long>(c.fn), static_cast<long long>(c.fs));
        else
            std::snprintf(line, sizeof line, "%20s", "");
        out += line;
        out += "  " + o.observer + "\n";
    }
    return out;
}

}  // namespace quorvel::log
