// The texts of a count: the spot rows with their areas, the groups and the
// counts, as CSV with "." decimals.
#pragma once

#include <string>

#include "spotcounts.h"
#include "spotgroup.h"

namespace quorvel {

/// The spot rows' header: the measured spot's nine columns, then
/// group,umbra_px,spot_px,area_disk_millionths,area_msh.
std::string countedspotheader();

/// One spot row; group is its group's number.
std::string countedspotline(const Spot& spot, int32_t group);

/// "group,spots,lat_deg,cmd_deg_west,carrington_deg,extent_deg,hemisphere,zurich,area_msh,umbra_msh".
std::string groupheader();
std::string groupline(const SpotGroup& group);

/// "counts,g,f,R,gn,fn,gs,fs,area_msh".
std::string countsheader();
/// "counts," and the values.
std::string countsline(const SpotCounts& counts);

/// The three sections, each line ended by a line feed: the spot rows in the
/// order of the list, the groups from east to west, the counts.
/// l0 is the disk centre's Carrington longitude, degrees.
std::string surveytext(const SpotSurvey& survey, double l0);

/// A sentence on the regions left out, or empty: "left out: 3 regions within
/// the limb margin (mu < 0.1), 41 smaller than 2 px".
std::string ignoredtext(const SpotSurvey& survey, double limbmargin, double minsizepx);

}  // namespace quorvel
