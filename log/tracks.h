// A track's story: where and when it was seen, how it drifts, where it will
// be; and the observer's corrections of which group belongs to which track.
#pragma once

#include <string>

#include "logdb.h"
#include "trackmatch.h"

namespace quorvel::log {

/// A track's place on the disk at a moment.
struct TrackPrediction {
    int64_t track = 0;
    int64_t minutes = 0;
    double lat_deg = 0, cmd_deg_west = 0, carrington_deg = 0;  ///< |cmd| > 90: behind the limb
};

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
