// A group of spots as catalogues list it, and the survey's spots in the
// order they are listed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "spotsurvey.h"

namespace quorvel {

struct SpotGroup {
    int32_t id = 0;           ///< the id the survey's spots refer to
    int32_t number = 0;       ///< 1, 2, ... from east to west by cmd
    int32_t spots = 0;        ///< spots in the group
    double lat = 0;           ///< area-weighted heliographic latitude, degrees, north positive
    double cmd = 0;           ///< area-weighted central-meridian distance, degrees, west positive
    double carrington = 0;    ///< Carrington longitude, L0 + cmd, degrees, [0, 360)
    double extentdeg = 0;     ///< longitudinal extent: the westernmost pixel's cmd less the easternmost's, degrees
    char hemisphere = 'N';    ///< 'N' for lat >= 0, else 'S'
    std::string zurich;       ///< the observer's Zurich class, else the suggested one
    bool zurichset = false;   ///< zurich is the observer's
    std::string mcintosh;     ///< the McIntosh class the observer entered; empty when none
    double areamsh = 0;       ///< total corrected area, millionths of the hemisphere
    double umbramsh = 0;      ///< corrected area of the umbrae, millionths of the hemisphere
};

/// The survey's groups, numbered and ordered from east to west; l0 is the
/// disk centre's Carrington longitude, degrees.
///
/// Notes:
/// 1. Positions are weighted by the spots' corrected areas; a group of
///    points alone (no area) takes their plain mean.
std::vector<SpotGroup> spotgroups(const SpotSurvey& survey, double l0);

/// The survey's spots in the order of the list: by group number, then from
/// east to west; row.number is set to 1, 2, ...
std::vector<Spot> listedspots(const SpotSurvey& survey, const std::vector<SpotGroup>& groups);

/// The number of the group with this id; 0 when there is none.
int32_t groupnumber(const std::vector<SpotGroup>& groups, int32_t id);

}  // namespace quorvel
