// Following groups from day to day: a new observation's groups matched to
// the tracks seen before and after it, by the positions the differential
// rotation predicts.
#pragma once

#include <cstdint>
#include <vector>

#include "records.h"

namespace quorvel::log {

/// A group of a track seen at one moment.
struct Sighting {
    int64_t track = 0;
    int64_t minutes = 0;            ///< since 1970-01-01 00:00 UT
    double lat_deg = 0, cmd_deg_west = 0, carrington_deg = 0;
};

/// Days around an observation whose groups it is matched to.
inline constexpr double MATCH_SPAN_DAYS = 14;
/// Days back in which a group that left by the west limb is looked for as a return.
inline constexpr double RETURN_SPAN_DAYS = 40;

/// How far a group may lie from a track's predicted place after `days`
/// (either way in time), degrees of Carrington longitude and of latitude.
struct MatchTolerance {
    double lon_deg = 0, lat_deg = 0;
};
MatchTolerance matchtolerance(double days);

/// The track chosen for one group.
struct TrackChoice {
    int64_t track = 0;     ///< the matched track; 0: a new track
    int64_t returnof = 0;  ///< for a new track: the track it may be the return of, a rotation later; 0 none
};

/// Chooses a track for each group of an observation at `minutes`.
///
/// Given:
///   seen     sightings of other observations, in any order
///   minutes  the observation's moment
///   groups   its groups
/// Returns one choice per group, in their order.
///
/// Notes:
/// 1. Each track is predicted from its sighting nearest in time within
///    MATCH_SPAN_DAYS, its Carrington longitude drifting by
///    carringtondrift() and its latitude kept, provided it stays on the
///    visible disk in between; the closest pairs, measured in tolerances,
///    are matched first, each track to one group at most.
/// 2. A group left without a track, near the east limb (CMD below -45),
///    is offered as the return of a track last seen up to RETURN_SPAN_DAYS
///    before whose path took it behind the west limb and back.
std::vector<TrackChoice> matchtracks(const std::vector<Sighting>& seen, int64_t minutes,
                                     const std::vector<GroupRecord>& groups);

/// Where a track stands at a moment.
struct TrackPlace {
    double lat_deg = 0, carrington_deg = 0;
    double drift_lon_deg_per_day = 0;  ///< mean drift of its Carrington longitude
    double drift_lat_deg_per_day = 0;  ///< mean drift of its latitude
};

/// The place of a track at `minutes` from its sightings (at least one).
///
/// Notes:
/// 1. The drifts are least-squares slopes over the sightings when they span
///    at least a day; else the longitude drifts by carringtondrift() and the
///    latitude stays.
/// 2. The prediction starts from the sighting nearest in time; the latitude
///    is kept, the longitude drifts.
TrackPlace trackplace(const std::vector<Sighting>& sightings, int64_t minutes);

}  // namespace quorvel::log
