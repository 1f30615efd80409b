// The reports: pure functions of what was read from the log, never writing it.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "readlog.h"
#include "records.h"

namespace quorvel::log {

/// The AAVSO Solar Division's monthly text: "Solar data from: CODE", the
/// observer's name, "For the month of: NOV 2026", the column line, then one
/// line per observation in fixed columns, numbers right-aligned.
///
/// Notes:
/// 1. W = 10 g + s; the hemispheric columns are blank for an observation
///    counted on the whole disk only.
/// 2. A seeing of 1 to 5 is written as its letter: 1 E, 2 G, 3 F, 4 and 5 P.
std::string aavsoreport(const ObserverRecord& observer, int year, int month, const std::vector<ObservationRecord>& obs);

/// The BAA's monthly CSV: one row per day, "day,ut,seeing,gn,gs,g,fn,fs,f,R",
/// closed by the row "MDF" of the mean daily frequencies of gn, gs, g and
/// the mean R. With k, a last column kR = k R.
///
/// Notes:
/// 1. Of several observations of one day the one of the best seeing, then
///    the earliest, stands for the day.
/// 2. Hemispheric columns are blank for a day counted on the whole disk only;
///    their means are over the days counted by hemisphere.
std::string baareport(const std::vector<ObservationRecord>& obs, std::optional<double> k);

/// The groups as a catalogue lists them, one CSV row per group and day:
/// "date,ut,track,noaa,lat_deg,cmd_deg_west,carrington_deg,extent_deg,
/// zurich,mcintosh,spots,area_msh,umbra_msh"; what was not measured is blank.
std::string groupsreport(const std::vector<GroupRow>& rows);

/// The observation standing for each day (by days since 1970-01-01): the
/// one of the best seeing, then the earliest.
std::map<int64_t, const ObservationRecord*> bestofdays(const std::vector<ObservationRecord>& obs);

/// The month's daily R as an SVG plot, with the mean R as a dashed line.
std::string dailyplot(const ObserverRecord& observer, int year, int month, const std::vector<ObservationRecord>& obs);

/// The butterfly diagram of groups as an SVG plot: latitude against time,
/// the dot's area growing with the group's corrected area.
std::string butterflyplot(const std::string& observer, const Span& span, const std::vector<GroupRow>& rows);

/// How good a seeing is: 0 best (E, 1) to 4 (5).
int seeingrank(const std::string& seeing);

}  // namespace quorvel::log
