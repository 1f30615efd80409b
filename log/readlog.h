// Reading the log for reports, tracks and the windows: plain values out,
// nothing written.
#pragma once

#include <string>
#include <vector>

#include "logdb.h"
#include "records.h"
#include "trackmatch.h"

namespace quorvel::log {

/// A span of time: [from, to) in minutes since 1970-01-01 00:00 UT.
struct Span {
    int64_t from = 0, to = 0;
};

/// Every moment a log holds: 1600-01-01 00:00 to 9999-12-31 23:59 (the end's
/// text must still sort as the stored times do).
inline constexpr Span WHOLE_LOG{-194601600, 4223371679};

/// The observations of one observer ("" for all) in a span, in time order,
/// with their counts, equipment and image, without their groups.
Outcome readobservations(LogDb& db, const std::string& observer, const Span& span, std::vector<ObservationRecord>& out);

/// A group as the catalogue lists it: the moment of its observation and the group.
struct GroupRow {
    LogTime time;
    GroupRecord group;  ///< without its spot list
};

/// The groups of one observer's ("" for all) observations in a span, in
/// time order and from east to west within an observation.
Outcome readgroups(LogDb& db, const std::string& observer, const Span& span, std::vector<GroupRow>& out);

/// One observation whole, its groups and spots included.
Outcome readobservation(LogDb& db, int64_t id, ObservationRecord& out);

/// An observer by code; an input outcome when the log has none such.
Outcome readobserver(LogDb& db, const std::string& code, ObserverRecord& out);

/// Every sighting of a track in time order; an input outcome when the track
/// does not exist. returnof is the track it may be the return of (0 none).
Outcome readtrack(LogDb& db, int64_t track, std::vector<Sighting>& out, int64_t& returnof);

/// A group of a track, with where it is kept: what relinking moves.
struct TrackGroup {
    int64_t observation = 0, number = 0;  ///< its observation and its number there
    int64_t returnof = 0;                 ///< the track its track may be the return of; 0 none
    Sighting seen;
};

/// Every group of the tracks seen in a span (a track seen in it is read
/// whole), by track and then in time order.
Outcome readtrackgroups(LogDb& db, const Span& span, std::vector<TrackGroup>& out);

}  // namespace quorvel::log
