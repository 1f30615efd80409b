#include "measurecsv.h"

#include <cmath>

#include "numbertext.h"

namespace quorvel {
namespace {

std::string quoted(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string q = "\"";
    for (char c : text) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}

std::string pixels(double v) { return patterntext(v, "0.00"); }
std::string degrees(double v) { return patterntext(v, "0.000"); }

}  // namespace

std::string limbline(const LimbFit& l) {
    return "limb," + pixels(l.circle.cx) + "," + pixels(l.circle.cy) + "," + pixels(l.circle.r) + "," +
           (std::isnan(l.scatter) ? "" : pixels(l.scatter));
}

std::string spotheader(char sep) {
    const char* const names[] = {"number", "x_px", "y_px", "lat_deg", "cmd_deg_west", "carrington_deg",
                                 "pa_deg", "rho_solar_radii", "mu"};
    std::string t;
    for (const char* n : names) t += (t.empty() ? "" : std::string(1, sep)) + n;
    return t;
}

std::string spotline(const SpotRow& r, char sep) {
    const std::string s(1, sep);
    const std::string head = std::to_string(r.number) + s + pixels(r.x) + s + pixels(r.y) + s;
    const std::string rho = patterntext(r.disk.rho, "0.0000");
    if (!r.disk.ondisk) return head + s + s + s + degrees(r.disk.pa) + s + rho + s;
    return head + degrees(r.disk.lat) + s + degrees(r.disk.cmd) + s + degrees(r.disk.carrington) + s +
           degrees(r.disk.pa) + s + rho + s + patterntext(r.mu, "0.0000");
}

std::string measurepreamble(const MeasureRecord& rec) {
    const SunState& sun = rec.moment.sun;
    const std::pair<const char*, std::string> lines[] = {
        {"image", quoted(rec.image)},
        {"ut", utstamp(sun.jd, sun.jdfrac)},
        {"latitude_deg", degrees(rec.moment.obs.lat)},
        {"longitude_deg_west", degrees(rec.moment.obs.lon)},
        {"p_deg", degrees(sun.p)},
        {"b0_deg", degrees(sun.b0)},
        {"l0_deg", degrees(sun.l0)},
        {"carrington_rotation", std::to_string(rec.moment.rotation)},
        {"limb_cx_cy_r_scatter_px", limbline(rec.limb).substr(5)},
        {"limb_edge_points", rec.limb.points > 0 ? std::to_string(rec.limb.points) : "set by hand"},
        {"orientation", quoted(orientationtext(rec.orientation))},
    };
    std::string t;
    for (const auto& [name, value] : lines) t += std::string("# ") + name + "," + value + "\n";
    return t;
}

std::string measurecsv(const MeasureRecord& rec, const std::vector<SpotRow>& rows) {
    std::string t = measurepreamble(rec) + spotheader() + "\n";
    for (const SpotRow& r : rows) t += spotline(r) + "\n";
    return t;
}

}  // namespace quorvel
