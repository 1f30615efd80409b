#include "tracks.h"

#include "csvtext.h"
#include "readlog.h"
#include "rotation.h"

namespace quorvel::log {
namespace {

Outcome sightingsof(LogDb& db, int64_t track, std::vector<Sighting>& seen, int64_t& returnof) {
    if (Outcome read = readtrack(db, track, seen, returnof); !read.done()) return read;
    if (seen.empty()) return Outcome::input("track " + std::to_string(track) + " holds no group any more");
    return Outcome::ok();
}

}  // namespace

Outcome predicttrack(LogDb& db, int64_t track, int64_t minutes, TrackPrediction& out) {
    std::vector<Sighting> seen;
    int64_t returnof = 0;
    if (Outcome read = sightingsof(db, track, seen, returnof); !read.done()) return read;
    const TrackPlace place = trackplace(seen, minutes);
    out = {track, minutes, place.lat_deg, wrap180(place.carrington_deg - diskcentre(minutes).l0_deg), place.carrington_deg};
    return Outcome::ok();
}

Outcome tracktext(LogDb& db, int64_t track, std::string& out) {
    std::vector<Sighting> seen;
    int64_t returnof = 0;
    if (Outcome read = sightingsof(db, track, seen, returnof); !read.done()) return read;
    const TrackPlace place = trackplace(seen, seen.back().minutes);
    out = "track " + std::to_string(track) + ": first " + logtimetext(logtimeofminutes(seen.front().minutes)) + ", last " +
          logtimetext(logtimeofminutes(seen.back().minutes)) + ", " + std::to_string(seen.size()) + (seen.size() == 1 ? " sighting, drift " : " sightings, drift ") +
          fixed(place.drift_lon_deg_per_day, 2) + " deg/day in longitude, " + fixed(place.drift_lat_deg_per_day, 2) +
          " deg/day in latitude";
    if (returnof) out += "; perhaps the return of track " + std::to_string(returnof);
    out += "\ntime,lat_deg,cmd_deg_west,carrington_deg\n";
    for (const Sighting& s : seen)
        out += logtimetext(logtimeofminutes(s.minutes)) + "," + fixed(s.lat_deg, 2) + "," + fixed(s.cmd_deg_west, 2) + "," +
               fixed(s.carrington_deg, 2) + "\n";
    return Outcome::ok();
}

}  // namespace quorvel::log
