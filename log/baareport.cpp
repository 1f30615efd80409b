#include <cstdio>
#include <map>

#include "csvtext.h"
#include "reports.h"

namespace quorvel::log {
namespace {

std::string mean(double sum, int n, int decimals) { return n == 0 ? "" : fixed(sum / n, decimals); }

}  // namespace

std::map<int64_t, const ObservationRecord*> bestofdays(const std::vector<ObservationRecord>& obs) {
    std::map<int64_t, const ObservationRecord*> days;
    for (const ObservationRecord& o : obs) {
        const ObservationRecord*& chosen = days[logminutes(o.time) / 1440];
        if (!chosen || seeingrank(o.seeing) < seeingrank(chosen->seeing)) chosen = &o;
    }
    return days;
}

int seeingrank(const std::string& s) {
    static const std::string ranks[] = {"E1", "G2", "F3", "P4", "5"};
    for (int i = 0; i < 5; ++i)
        if (!s.empty() && ranks[i].find(s[0]) != std::string::npos) return i;
    return 5;
}

std::string baareport(const std::vector<ObservationRecord>& obs, std::optional<double> k) {
    std::string out = std::string("day,ut,seeing,gn,gs,g,fn,fs,f,R") + (k ? ",kR\n" : "\n");
    double sumgn = 0, sumgs = 0, sumg = 0, sumr = 0;
    int days = 0, hemidays = 0;
    char line[160];
    for (const auto& [day, o] : bestofdays(obs)) {
        const Counts& c = o->counts;
        std::snprintf(line, sizeof line, "%d,%02d:%02d,%s,", o->time.day, o->time.hour, o->time.minute, o->seeing.c_str());
        out += line;
        if (c.hemispheres)
            std::snprintf(line, sizeof line, "%lld,%lld,%lld,%lld,%lld,%lld,%lld", static_cast<long long>(c.gn),
                          static_cast<long long>(c.gs), static_cast<long long>(c.g), static_cast<long long>(c.fn),
                          static_cast<long long>(c.fs), static_cast<long long>(c.f), static_cast<long long>(c.r()));
        else
            std::snprintf(line, sizeof line, ",,%lld,,,%lld,%lld", static_cast<long long>(c.g), static_cast<long long>(c.f),
                          static_cast<long long>(c.r()));
        out += line;
        if (k) out += std::string(",").append(mean(*k * static_cast<double>(c.r()), 1, 1));
        out += "\n";
        days += 1, sumg += static_cast<double>(c.g), sumr += static_cast<double>(c.r());
        if (c.hemispheres) hemidays += 1, sumgn += static_cast<double>(c.gn), sumgs += static_cast<double>(c.gs);
    }
    out += "MDF,,," + mean(sumgn, hemidays, 2) + "," + mean(sumgs, hemidays, 2) + "," + mean(sumg, days, 2) +
           ",,,," + mean(sumr, days, 1);
    if (k) out += std::string(",").append(mean(*k * sumr, days, 1));
    return out + "\n";
}

}  // namespace quorvel::log
