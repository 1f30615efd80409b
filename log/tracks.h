// A track's story: where and when it was seen, how it drifts, where it will
// be; and the observer's corrections of which group belongs to which track.
#pragma once

#include <string>

#include "logdb.h"
#include "readlog.h"
#include "trackmatch.h"

namespace quorvel::log {

/// A track's place on the disk at a moment.
struct TrackPrediction {
    int64_t track = 0;
    int64_t minutes = 0;
    double lat_deg = 0, cmd_deg_west = 0, carrington_deg = 0;  ///< |cmd| > 90: behind the limb
};

/// A track in short: when it was seen, how it drifts, where it stands at a moment.
struct TrackSummary {
    int64_t track = 0, returnof = 0;  ///< returnof: the track it may be the return of; 0 none
    int64_t first = 0, last = 0;      ///< minutes of its first and last sighting
    int64_t sightings = 0, days = 0;  ///< its groups, and the UT days they were seen on
    TrackPlace place;                 ///< drifts, and its place at at.minutes
    TrackPrediction at;               ///< its place on the disk at the moment asked
};

/// The summary of a track's sightings (at least one, in time order) at `minutes`.
TrackSummary summarizetrack(const std::vector<Sighting>& seen, int64_t returnof, int64_t minutes);

/// The summaries of the tracks seen in a span, at `minutes`, by track number;
/// `groups` receives the groups they were read from when not null.
Outcome tracksummaries(LogDb& db, const Span& span, int64_t minutes, std::vector<TrackSummary>& out,
                       std::vector<TrackGroup>* groups = nullptr);

/// The CSV of summaries, a header line and a line for each:
/// track,first,last,sightings,days,drift_lon_deg_per_day,drift_lat_deg_per_day,return_of,time,lat_deg,cmd_deg_west,carrington_deg
std::string trackscsv(const std::vector<TrackSummary>& tracks);

/// Predicts where a track stands at `minutes` (trackplace() and the disk
/// centre's L0 of that moment); an input outcome when the track does not
/// exist or has no group left.
Outcome predicttrack(LogDb& db, int64_t track, int64_t minutes, TrackPrediction& out);

/// The text of a track: a line of its first and last day, days seen, mean
/// drifts and possible earlier passage, then its daily positions as CSV.
Outcome tracktext(LogDb& db, int64_t track, std::string& out);

/// Moves group `number` of observation `observation` to `track`, or to a new
/// track when track is 0, in one transaction; writes the track in `track`.
///
/// Notes:
/// 1. An observation, group or track that does not exist, or a track that
///    already holds a group of that observation, is an input fault and
///    nothing is written.
Outcome relinkgroup(LogDb& db, int64_t observation, int64_t number, int64_t& track);

}  // namespace quorvel::log
