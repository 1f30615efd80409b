#include "observationcheck.h"

#include <cmath>

#include "messagetext.h"

namespace quorvel::log {
namespace {

Outcome checkhemisphere(const char* where, int64_t g, int64_t f) {
    const std::string w = where;
    if (g < 0 || f < 0)
        return Outcome::input(fillin(MESSAGE_TEXT("Message", "a count cannot be negative (%1: %2 groups, %3 spots)"),
                                     {w, std::to_string(g), std::to_string(f)}));
    if (g > f)
        return Outcome::input(fillin(
                MESSAGE_TEXT("Message",
                             "%1 has %2 groups but %3 spots: every group has at least one spot (g cannot exceed f)"),
                {w, std::to_string(g), std::to_string(f)}));
    if (g == 0 && f > 0)
        return Outcome::input(
                fillin(MESSAGE_TEXT("Message", "%1 has %2 spots in no group: a single spot is a group of one"),
                       {w, std::to_string(f)}));
    return Outcome::ok();
}

bool hexdigits(const std::string& s) {
    for (char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

bool within(double v, double lo, double hi) { return std::isfinite(v) && v >= lo && v <= hi; }

bool mcintoshclass(const std::string& m) {
    return m.size() == 3 && std::string("ABCDEFH").find(m[0]) != std::string::npos &&
           std::string("xrsahk").find(m[1]) != std::string::npos && std::string("xoic").find(m[2]) != std::string::npos;
}

Outcome checkgroup(const GroupRecord& g) {
    const std::string which = fillin(MESSAGE_TEXT("Message", "group %1"), {std::to_string(g.number)});
    if (g.spots < 1)
        return Outcome::input(fillin(MESSAGE_TEXT("Message", "%1 has no spots: a group has at least one"), {which}));
    if (!within(g.lat_deg, -90, 90))
        return Outcome::input(
                fillin(MESSAGE_TEXT("Message", "%1: the latitude lies outside -90..90 degrees"), {which}));
    if (!within(g.cmd_deg_west, -180, 180))
        return Outcome::input(fillin(
                MESSAGE_TEXT("Message", "%1: the central-meridian distance lies outside -180..180 degrees"), {which}));
    if (!within(g.carrington_deg, 0, 360) || g.carrington_deg == 360)
        return Outcome::input(
                fillin(MESSAGE_TEXT("Message", "%1: the Carrington longitude lies outside [0, 360) degrees"), {which}));
    if (!g.zurich.empty() && (g.zurich.size() != 1 || std::string("ABCDEFGHJ").find(g.zurich) == std::string::npos))
        return Outcome::input(
                fillin(MESSAGE_TEXT("Message", "%1: '%2' is not a Zurich class (A, B, C, D, E, F, G, H, J)"),
                       {which, g.zurich}));
    if (!g.mcintosh.empty() && !mcintoshclass(g.mcintosh))
        return Outcome::input(
                fillin(MESSAGE_TEXT("Message", "%1: '%2' is not a McIntosh class such as Dkc"), {which, g.mcintosh}));
    if (g.noaa && *g.noaa <= 0)
        return Outcome::input(fillin(MESSAGE_TEXT("Message", "%1: a NOAA region number is positive"), {which}));
    if ((g.extent_deg && !within(*g.extent_deg, 0, 360)) || (g.area_msh && !within(*g.area_msh, 0, 1e6)) ||
        (g.umbra_msh && !within(*g.umbra_msh, 0, g.area_msh.value_or(1e6))))
        return Outcome::input(fillin(
                MESSAGE_TEXT("Message", "%1: an extent or area is negative, or the umbra exceeds the whole"), {which}));
    return Outcome::ok();
}

}  // namespace

bool validseeing(const std::string& s) { return s.size() == 1 && std::string("EGFP12345").find(s[0]) != std::string::npos; }

bool goodseeing(const std::string& s) { return s == "E" || s == "G" || s == "1" || s == "2"; }

Outcome checkobservercode(const std::string& code) {
    bool ok = !code.empty() && code.size() <= 16;
    for (char c : code)
        ok = ok && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_');
    return ok ? Outcome::ok()
              : Outcome::input(fillin(
                        MESSAGE_TEXT("Message", "the observer code '%1' is not 1 to 16 letters, digits, '-' or '_'"),
                        {code}));
}

Outcome checkcounts(const Counts& c) {
    if (c.hemispheres)
        for (Outcome h : {checkhemisphere(MESSAGE_TEXT("Message", "the northern hemisphere"), c.gn, c.fn),
                          checkhemisphere(MESSAGE_TEXT("Message", "the southern hemisphere"), c.gs, c.fs)})
            if (!h.done()) return h;
    if (Outcome whole = checkhemisphere(MESSAGE_TEXT("Message", "the whole disk"), c.g, c.f); !whole.done()) return whole;
    if (!c.hemispheres) return Outcome::ok();
    if (c.gn + c.gs != c.g || c.fn + c.fs != c.f)
        return Outcome::input(MESSAGE_TEXT("Message", "the hemispheres' counts do not add up to the whole disk's"));
    return Outcome::ok();
}

Counts countsofgroups(const std::vector<GroupRecord>& groups) {
    Counts c;
    c.hemispheres = true;
    for (const GroupRecord& g : groups) {
        (g.lat_deg >= 0 ? c.gn : c.gs) += 1;
        (g.lat_deg >= 0 ? c.fn : c.fs) += g.spots;
    }
    c.g = c.gn + c.gs;
    c.f = c.fn + c.fs;
    return c;
}

Outcome checkobservation(const ObservationRecord& o) {
    if (Outcome code = checkobservercode(o.observer); !code.done()) return code;
    if (!validseeing(o.seeing))
        return Outcome::input(
                fillin(MESSAGE_TEXT("Message",
                                    "the seeing '%1' is not one of E, G, F, P (excellent, good, fair, poor) or 1 to 5"),
                       {o.seeing}));
    if (Outcome counts = checkcounts(o.counts); !counts.done()) return counts;
    for (const GroupRecord& g : o.groups)
        if (Outcome group = checkgroup(g); !group.done()) return group;
    if (!o.groups.empty()) {
        const Counts fromgroups = countsofgroups(o.groups);
        const Counts& c = o.counts;
        if (c.g != fromgroups.g || c.f != fromgroups.f ||
            (c.hemispheres && (c.gn != fromgroups.gn || c.fn != fromgroups.fn)))
            return Outcome::input(fillin(
                    MESSAGE_TEXT("Message", "the counts given differ from those of the groups (%1 groups, %2 spots)"),
                    {std::to_string(fromgroups.g), std::to_string(fromgroups.f)}));
    }
    if (o.image) {
        const ImageRecord& i = *o.image;
        if (i.sha256.size() != 64 || !hexdigits(i.sha256))
            return Outcome::input(MESSAGE_TEXT("Message", "the image's SHA-256 is not 64 hexadecimal digits"));
        if (!(i.limb_r_px > 0)) return Outcome::input(MESSAGE_TEXT("Message", "the image's limb has no radius"));
    }
    return Outcome::ok();
}

Outcome checkequipment(const EquipmentRecord& e) {
    if (e.name.empty()) return Outcome::input(MESSAGE_TEXT("Message", "an equipment profile needs a name"));
    if (e.method != "projection" && e.method != "visual" && e.method != "photographic")
        return Outcome::input(fillin(
                MESSAGE_TEXT("Message", "the method '%1' is not projection, visual or photographic"), {e.method}));
    for (const std::optional<double>& v : {e.aperture_mm, e.focal_length_mm, e.magnification})
        if (v && !(*v > 0 && std::isfinite(*v)))
            return Outcome::input(MESSAGE_TEXT("Message", "an aperture, focal length or magnification is positive"));
    return Outcome::ok();
}

}  // namespace quorvel::log
