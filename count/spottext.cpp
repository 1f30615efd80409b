#include "spottext.h"

#include "measurecsv.h"
#include "messagetext.h"
#include "numbertext.h"

namespace quorvel {
namespace {

std::string deg(double v) { return patterntext(v, "0.000"); }
std::string area(double v) { return patterntext(v, "0.0"); }

}  // namespace

std::string countedspotheader() { return spotheader() + ",group,umbra_px,spot_px,area_disk_millionths,area_msh"; }

std::string countedspotline(const Spot& s, int32_t group) {
    return spotline(s.row) + "," + std::to_string(group) + "," + std::to_string(s.umbrapx) + "," +
           std::to_string(s.spotpx) + "," + area(s.areadisk) + "," + area(s.areamsh);
}

std::string groupheader() {
    return "group,spots,lat_deg,cmd_deg_west,carrington_deg,extent_deg,hemisphere,zurich,area_msh,umbra_msh";
}

std::string groupline(const SpotGroup& g) {
    return std::to_string(g.number) + "," + std::to_string(g.spots) + "," + deg(g.lat) + "," + deg(g.cmd) + "," +
           deg(g.carrington) + "," + deg(g.extentdeg) + "," + std::string(1, g.hemisphere) + "," + g.zurich + "," +
           area(g.areamsh) + "," + area(g.umbramsh);
}

std::string countsheader() { return "counts,g,f,R,gn,fn,gs,fs,area_msh"; }

std::string countsline(const SpotCounts& c) {
    std::string t = "counts";
    for (int32_t v : {c.g, c.f, c.r, c.gn, c.fn, c.gs, c.fs}) t += "," + std::to_string(v);
    return t + "," + area(c.areamsh);
}

std::string surveytext(const SpotSurvey& survey, double l0) {
    const std::vector<SpotGroup> groups = spotgroups(survey, l0);
    std::string t = countedspotheader() + "\n";
    for (const Spot& s : listedspots(survey, groups)) t += countedspotline(s, groupnumber(groups, s.group)) + "\n";
    t += groupheader() + "\n";
    for (const SpotGroup& g : groups) t += groupline(g) + "\n";
    return t + countsheader() + "\n" + countsline(countspots(groups)) + "\n";
}

std::string ignoredtext(const SpotSurvey& s, double limbmargin, double minsizepx) {
    const std::string nearlimb =
            s.ignoredlimb == 0
                    ? ""
                    : fillin(s.ignoredlimb == 1
                                     ? MESSAGE_TEXT("Message", "%1 region within the limb margin (mu < %2)")
                                     : MESSAGE_TEXT("Message", "%1 regions within the limb margin (mu < %2)"),
                             {std::to_string(s.ignoredlimb), generaltext(limbmargin)});
    if (s.ignoredsmall == 0) return nearlimb.empty() ? "" : fillin(MESSAGE_TEXT("Message", "left out: %1"), {nearlimb});
    const std::string small = std::to_string(s.ignoredsmall), px = generaltext(minsizepx);
    if (!nearlimb.empty())
        return fillin(MESSAGE_TEXT("Message", "left out: %1, %2 smaller than %3 px"), {nearlimb, small, px});
    return fillin(s.ignoredsmall == 1 ? MESSAGE_TEXT("Message", "left out: %1 region smaller than %2 px")
                                      : MESSAGE_TEXT("Message", "left out: %1 regions smaller than %2 px"),
                  {small, px});
}

}  // namespace quorvel
