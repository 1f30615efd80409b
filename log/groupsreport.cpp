#include <cstdio>

#include "csvtext.h"
#include "reports.h"

namespace quorvel::log {
namespace {

std::string number(const std::optional<double>& v, int decimals) { return v ? fixed(*v, decimals) : ""; }

}  // namespace

std::string groupsreport(const std::vector<GroupRow>& rows) {
    std::string out =
        "date,ut,track,noaa,lat_deg,cmd_deg_west,carrington_deg,extent_deg,zurich,mcintosh,spots,area_msh,umbra_msh\n";
    char line[200];
    for (const GroupRow& r : rows) {
        const GroupRecord& g = r.group;
        std::snprintf(line, sizeof line, "%04d-%02d-%02d,%02d:%02d,%lld,%s,", r.time.year, r.time.month, r.time.day,
                      r.time.hour, r.time.minute, static_cast<long long>(g.track), g.noaa ? std::to_string(*g.noaa).c_str() : "");
        out += line + fixed(g.lat_deg, 2) + "," + fixed(g.cmd_deg_west, 2) + "," + fixed(g.carrington_deg, 2) + "," + number(g.extent_deg, 1) + "," + g.zurich + "," + g.mcintosh + "," + std::to_string(g.spots) + "," +
               number(g.area_msh, 0) + "," + number(g.umbra_msh, 0) + "\n";
    }
    return out;
}

}  // namespace quorvel::log
