#include "trackmatch.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "rotation.h"

namespace quorvel::log {
namespace {

constexpr double MINUTES_PER_DAY = 1440;
/// A returning group is looked for among those within this CMD of the east limb.
constexpr double RETURN_EAST_CMD_DEG = -45;

double daysbetween(int64_t from, int64_t to) { return static_cast<double>(to - from) / MINUTES_PER_DAY; }

/// The sighting of each track nearest in time to `minutes`.
std::map<int64_t, Sighting> nearestsightings(const std::vector<Sighting>& seen, int64_t minutes) {
    std::map<int64_t, Sighting> nearest;
    for (const Sighting& s : seen) {
        auto it = nearest.find(s.track);
        if (it == nearest.end() || std::llabs(s.minutes - minutes) < std::llabs(it->second.minutes - minutes))
            nearest[s.track] = s;
    }
    return nearest;
}

/// How many tolerances apart a group lies from a sighting carried to its moment.
double mismatch(const Sighting& s, const GroupRecord& g, double days) {
    const MatchTolerance tol = matchtolerance(std::fabs(days));
    const double predicted = s.carrington_deg + carringtondrift(s.lat_deg) * days;
    return std::max(std::fabs(wrap180(g.carrington_deg - predicted)) / tol.lon_deg,
                    std::fabs(g.lat_deg - s.lat_deg) / tol.lat_deg);
}

struct Pair {
    double distance;
    size_t group;
    int64_t track;
};

/// Offers a return for each group still without a track.
void offerreturns(const std::map<int64_t, Sighting>& latest, int64_t minutes, const std::vector<GroupRecord>& groups,
                  std::vector<TrackChoice>& choices) {
    for (size_t i = 0; i < groups.size(); ++i) {
        if (choices[i].track != 0 || groups[i].cmd_deg_west > RETURN_EAST_CMD_DEG) continue;
        double best = 1;
        for (const auto& [track, s] : latest) {
            const double days = daysbetween(s.minutes, minutes);
            const double unwrapped = s.cmd_deg_west + cmdrate(s.lat_deg) * days;
            if (days <= 0 || days > RETURN_SPAN_DAYS || unwrapped < 270 || unwrapped > 450) continue;
            const double d = mismatch(s, groups[i], days);
            if (d <= best) best = d, choices[i].returnof = track;
        }
    }
}

}  // namespace

MatchTolerance matchtolerance(double days) { return {5.0 + 1.0 * days, 3.0 + 0.3 * days}; }

std::vector<TrackChoice> matchtracks(const std::vector<Sighting>& seen, int64_t minutes,
                                     const std::vector<GroupRecord>& groups) {
    std::vector<TrackChoice> choices(groups.size());
    std::vector<Pair> pairs;
    for (const auto& [track, s] : nearestsightings(seen, minutes)) {
        const double days = daysbetween(s.minutes, minutes);
        const double unwrapped = s.cmd_deg_west + cmdrate(s.lat_deg) * days;
        if (std::fabs(days) > MATCH_SPAN_DAYS || std::fabs(unwrapped) > 90) continue;  // behind the disk meanwhile
        for (size_t i = 0; i < groups.size(); ++i)
            if (const double d = mismatch(s, groups[i], days); d <= 1) pairs.push_back({d, i, track});
    }
    std::sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) {
        return a.distance != b.distance ? a.distance < b.distance : a.track < b.track;
    });
    std::vector<int64_t> taken;
    for (const Pair& p : pairs) {
        if (choices[p.group].track != 0 || std::find(taken.begin(), taken.end(), p.track) != taken.end()) continue;
        choices[p.group].track = p.track;
        taken.push_back(p.track);
    }
    std::vector<Sighting> before;
    for (const Sighting& s : seen)
        if (s.minutes < minutes && std::find(taken.begin(), taken.end(), s.track) == taken.end()) before.push_back(s);
    offerreturns(nearestsightings(before, minutes), minutes, groups, choices);
    return choices;
}

TrackPlace trackplace(const std::vector<Sighting>& sightings, int64_t minutes) {
    const Sighting& near = nearestsightings(sightings, minutes).begin()->second;
    TrackPlace place;
    place.drift_lon_deg_per_day = carringtondrift(near.lat_deg);
    const auto [first, last] = std::minmax_element(sightings.begin(), sightings.end(),
                                                   [](const Sighting& a, const Sighting& b) { return a.minutes < b.minutes; });
    if (daysbetween(first->minutes, last->minutes) >= 1) {
        // Least squares of longitude (unwrapped about the first sighting) and latitude against days.
        double n = 0, st = 0, stt = 0, sl = 0, stl = 0, sb = 0, stb = 0;
        for (const Sighting& s : sightings) {
            const double t = daysbetween(first->minutes, s.minutes);
            const double lon = first->carrington_deg + wrap180(s.carrington_deg - first->carrington_deg);
            n += 1, st += t, stt += t * t, sl += lon, stl += t * lon, sb += s.lat_deg, stb += t * s.lat_deg;
        }
        const double den = n * stt - st * st;
        place.drift_lon_deg_per_day = (n * stl - st * sl) / den;
        place.drift_lat_deg_per_day = (n * stb - st * sb) / den;
    }
    place.lat_deg = near.lat_deg;
    place.carrington_deg = wrap360(near.carrington_deg + place.drift_lon_deg_per_day * daysbetween(near.minutes, minutes));
    return place;
}

}  // namespace quorvel::log
