#include "tracks.h"

#include <set>

#include "csvtext.h"
#include "readlog.h"
#include "rotation.h"
#include "messagetext.h"

namespace quorvel::log {
namespace {

constexpr int64_t MINUTES_A_DAY = 1440;

int64_t floordiv(int64_t a, int64_t b) { return a / b - (a % b < 0); }

std::string minutestext(int64_t minutes) { return logtimetext(logtimeofminutes(minutes)); }

Outcome sightingsof(LogDb& db, int64_t track, std::vector<Sighting>& seen, int64_t& returnof) {
    if (Outcome read = readtrack(db, track, seen, returnof); !read.done()) return read;
    if (seen.empty())
        return Outcome::input(
                fillin(MESSAGE_TEXT("Message", "track %1 holds no group any more"), {std::to_string(track)}));
    return Outcome::ok();
}

/// The summary with the disk centre's Carrington longitude l0_deg at `minutes`.
TrackSummary summarize(const std::vector<Sighting>& seen, int64_t returnof, int64_t minutes, double l0_deg) {
    TrackSummary t;
    t.track = seen.front().track, t.returnof = returnof;
    t.first = seen.front().minutes, t.last = seen.back().minutes;
    t.sightings = static_cast<int64_t>(seen.size());
    std::set<int64_t> days;
    for (const Sighting& s : seen) days.insert(floordiv(s.minutes, MINUTES_A_DAY));
    t.days = static_cast<int64_t>(days.size());
    t.place = trackplace(seen, minutes);
    t.at = {t.track, minutes, t.place.lat_deg, wrap180(t.place.carrington_deg - l0_deg), t.place.carrington_deg};
    return t;
}

}  // namespace

TrackSummary summarizetrack(const std::vector<Sighting>& seen, int64_t returnof, int64_t minutes) {
    return summarize(seen, returnof, minutes, diskcentre(minutes).l0_deg);
}

Outcome tracksummaries(LogDb& db, const Span& span, int64_t minutes, std::vector<TrackSummary>& out,
                       std::vector<TrackGroup>* groups) {
    std::vector<TrackGroup> all;
    if (Outcome read = readtrackgroups(db, span, all); !read.done()) return read;
    out.clear();
    const double l0_deg = diskcentre(minutes).l0_deg;
    std::vector<Sighting> seen;
    for (size_t i = 0; i < all.size(); ++i) {
        seen.push_back(all[i].seen);
        if (i + 1 < all.size() && all[i + 1].seen.track == all[i].seen.track) continue;
        out.push_back(summarize(seen, all[i].returnof, minutes, l0_deg));
        seen.clear();
    }
    if (groups) *groups = std::move(all);
    return Outcome::ok();
}

std::string trackscsv(const std::vector<TrackSummary>& tracks) {
    std::string out = "track,first,last,sightings,days,drift_lon_deg_per_day,drift_lat_deg_per_day,return_of,time,lat_deg,"
                      "cmd_deg_west,carrington_deg\n";
    for (const TrackSummary& t : tracks)
        out += std::to_string(t.track) + "," + minutestext(t.first) + "," + minutestext(t.last) + "," + std::to_string(t.sightings) +
               "," + std::to_string(t.days) + "," + fixed(t.place.drift_lon_deg_per_day, 2) + "," +
               fixed(t.place.drift_lat_deg_per_day, 2) + "," + (t.returnof ? std::to_string(t.returnof) : "") + "," +
               minutestext(t.at.minutes) + "," + fixed(t.at.lat_deg, 2) + "," + fixed(t.at.cmd_deg_west, 2) + "," +
               fixed(t.at.carrington_deg, 2) + "\n";
    return out;
}

Outcome predicttrack(LogDb& db, int64_t track, int64_t minutes, TrackPrediction& out) {
    std::vector<Sighting> seen;
    int64_t returnof = 0;
    if (Outcome read = sightingsof(db, track, seen, returnof); !read.done()) return read;
    out = summarizetrack(seen, returnof, minutes).at;
    return Outcome::ok();
}

Outcome tracktext(LogDb& db, int64_t track, std::string& out) {
    std::vector<Sighting> seen;
    int64_t returnof = 0;
    if (Outcome read = sightingsof(db, track, seen, returnof); !read.done()) return read;
    const TrackSummary t = summarizetrack(seen, returnof, seen.back().minutes);
    out = "track " + std::to_string(track) + ": first " + minutestext(t.first) + ", last " + minutestext(t.last) + ", " +
          std::to_string(t.sightings) + (t.sightings == 1 ? " sighting, drift " : " sightings, drift ") +
          fixed(t.place.drift_lon_deg_per_day, 2) + " deg/day in longitude, " + fixed(t.place.drift_lat_deg_per_day, 2) +
          " deg/day in latitude";
    if (returnof) out += "; perhaps the return of track " + std::to_string(returnof);
    out += "\ntime,lat_deg,cmd_deg_west,carrington_deg\n";
    for (const Sighting& s : seen)
        out += minutestext(s.minutes) + "," + fixed(s.lat_deg, 2) + "," + fixed(s.cmd_deg_west, 2) + "," + fixed(s.carrington_deg, 2) + "\n";
    return Outcome::ok();
}

}  // namespace quorvel::log
