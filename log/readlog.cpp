#include "readlog.h"

#include "messagetext.h"

namespace quorvel::log {
namespace {

const char* const OBSERVATION_COLUMNS =
    "SELECT o.observation_id, r.code, o.time_utc, o.seeing, o.transparency, o.site, o.notes, "
    "coalesce(e.name, ''), o.groups_total, o.spots_total, o.groups_north, o.spots_north, o.groups_south, "
    "o.spots_south, i.path, i.sha256, i.limb_cx_px, i.limb_cy_px, i.limb_r_px, i.orientation, "
    "i.penumbra_threshold, i.umbra_threshold FROM observation o JOIN observer r USING (observer_id) "
    "LEFT JOIN equipment e USING (equipment_id) LEFT JOIN image i USING (observation_id) ";

ObservationRecord observationrow(const Statement& q) {
    ObservationRecord o;
    o.id = q.integer(0);
    o.observer = q.text(1);
    parselogtime(q.text(2), "time", o.time);
    o.seeing = q.text(3);
    o.transparency = q.text(4);
    o.site = q.text(5);
    o.notes = q.text(6);
    o.equipment = q.text(7);
    Counts& c = o.counts;
    c.g = q.integer(8);
    c.f = q.integer(9);
    c.hemispheres = !q.isnull(10);
    c.gn = q.integer(10), c.fn = q.integer(11), c.gs = q.integer(12), c.fs = q.integer(13);
    if (!q.isnull(14))
        o.image = ImageRecord{q.text(14), q.text(15), q.real(16), q.real(17), q.real(18), q.text(19), q.optreal(20), q.optreal(21)};
    return o;
}

const char* const GROUP_COLUMNS =
    "SELECT o.time_utc, g.number, g.track_id, g.noaa, g.lat_deg, g.cmd_deg_west, g.carrington_deg, g.extent_deg, "
    "coalesce(g.zurich, ''), coalesce(g.mcintosh, ''), g.spots, g.area_msh, g.umbra_msh, g.group_id "
    "FROM spot_group g JOIN observation o USING (observation_id) ";

GroupRecord grouprow(const Statement& q) {
    GroupRecord g;
    g.number = q.integer(1);
    g.track = q.integer(2);
    g.noaa = q.optinteger(3);
    g.lat_deg = q.real(4), g.cmd_deg_west = q.real(5), g.carrington_deg = q.real(6);
    g.extent_deg = q.optreal(7);
    g.zurich = q.text(8), g.mcintosh = q.text(9);
    g.spots = q.integer(10);
    g.area_msh = q.optreal(11), g.umbra_msh = q.optreal(12);
    return g;
}

void bindspan(Statement& q, const std::string& observer, const Span& span) {
    q.bind(1, observer).bind(2, logtimetext(logtimeofminutes(span.from))).bind(3, logtimetext(logtimeofminutes(span.to)));
}

}  // namespace

Outcome readobservations(LogDb& db, const std::string& observer, const Span& span, std::vector<ObservationRecord>& out) {
    Statement q(db.handle(), std::string(OBSERVATION_COLUMNS) +
                                 "WHERE (?1 = '' OR r.code = ?1) AND o.time_utc >= ?2 AND o.time_utc < ?3 "
                                 "ORDER BY o.time_utc, r.code");
    bindspan(q, observer, span);
    out.clear();
    while (q.step()) out.push_back(observationrow(q));
    return q.failed() ? db.fault(q, MESSAGE_TEXT("Message", "cannot read the log")) : Outcome::ok();
}

Outcome readgroups(LogDb& db, const std::string& observer, const Span& span, std::vector<GroupRow>& out) {
    Statement q(db.handle(), std::string(GROUP_COLUMNS) +
                                 "JOIN observer r USING (observer_id) WHERE (?1 = '' OR r.code = ?1) "
                                 "AND o.time_utc >= ?2 AND o.time_utc < ?3 ORDER BY o.time_utc, r.code, g.number");
    bindspan(q, observer, span);
    out.clear();
    while (q.step()) {
        GroupRow row;
        parselogtime(q.text(0), "time", row.time);
        row.group = grouprow(q);
        out.push_back(std::move(row));
    }
    return q.failed() ? db.fault(q, MESSAGE_TEXT("Message", "cannot read the log")) : Outcome::ok();
}

Outcome readobservation(LogDb& db, int64_t id, ObservationRecord& out) {
    Statement q(db.handle(), std::string(OBSERVATION_COLUMNS) + "WHERE o.observation_id = ?");
    q.bind(1, id);
    if (!q.step())
        return q.failed() ? db.fault(q, MESSAGE_TEXT("Message", "cannot read the log"))
                          : Outcome::input(fillin(MESSAGE_TEXT("Message", "there is no observation %1"),
                                                  {std::to_string(id)}));
    out = observationrow(q);
    Statement groups(db.handle(), std::string(GROUP_COLUMNS) + "WHERE g.observation_id = ? ORDER BY g.number");
    groups.bind(1, id);
    Statement spots(db.handle(), "SELECT x_px, y_px, lat_deg, cmd_deg_west, carrington_deg, umbra_px, spot_px, "
                                 "area_disk_millionths, area_msh FROM spot WHERE group_id = ? ORDER BY spot_id");
    while (groups.step()) {
        out.groups.push_back(grouprow(groups));
        spots.reset();
        spots.bind(1, groups.integer(13));
        while (spots.step())
            out.groups.back().spotlist.push_back({spots.real(0), spots.real(1), spots.real(2), spots.real(3), spots.real(4),
                                                  spots.integer(5), spots.integer(6), spots.real(7), spots.real(8)});
    }
    return Outcome::ok();
}

Outcome readobserver(LogDb& db, const std::string& code, ObserverRecord& out) {
    Statement q(db.handle(), "SELECT code, name, k_personal FROM observer WHERE code = ?");
    q.bind(1, code);
    if (!q.step())
        return Outcome::input(
                fillin(MESSAGE_TEXT("Message", "there is no observer %1 in the log %2"), {code, db.path()}));
    out = {q.text(0), q.text(1), q.optreal(2)};
    return Outcome::ok();
}

Outcome readtrack(LogDb& db, int64_t track, std::vector<Sighting>& out, int64_t& returnof) {
    Statement t(db.handle(), "SELECT coalesce(return_of, 0) FROM track WHERE track_id = ?");
    t.bind(1, track);
    if (!t.step())
        return Outcome::input(fillin(MESSAGE_TEXT("Message", "track %1 does not exist in the log %2"),
                                     {std::to_string(track), db.path()}));
    returnof = t.integer(0);
    Statement q(db.handle(), "SELECT o.time_utc, g.lat_deg, g.cmd_deg_west, g.carrington_deg FROM spot_group g "
                             "JOIN observation o USING (observation_id) WHERE g.track_id = ? ORDER BY o.time_utc");
    q.bind(1, track);
    out.clear();
    while (q.step()) {
        LogTime when;
        parselogtime(q.text(0), "time", when);
        out.push_back({track, logminutes(when), q.real(1), q.real(2), q.real(3)});
    }
    return Outcome::ok();
}

Outcome readtrackgroups(LogDb& db, const Span& span, std::vector<TrackGroup>& out) {
    Statement q(db.handle(),
                "SELECT g.observation_id, g.number, coalesce(t.return_of, 0), g.track_id, o.time_utc, g.lat_deg, "
                "g.cmd_deg_west, g.carrington_deg FROM spot_group g JOIN observation o USING (observation_id) "
                "JOIN track t ON t.track_id = g.track_id WHERE g.track_id IN (SELECT s.track_id FROM spot_group s "
                "JOIN observation n USING (observation_id) WHERE n.time_utc >= ? AND n.time_utc < ?) "
                "ORDER BY g.track_id, o.time_utc");
    q.bind(1, logtimetext(logtimeofminutes(span.from))).bind(2, logtimetext(logtimeofminutes(span.to)));
    out.clear();
    while (q.step()) {
        LogTime when;
        parselogtime(q.text(4), "time", when);
        out.push_back({q.integer(0), q.integer(1), q.integer(2), {q.integer(3), logminutes(when), q.real(5), q.real(6), q.real(7)}});
    }
    return q.failed() ? db.fault(q, MESSAGE_TEXT("Message", "cannot read the tracks")) : Outcome::ok();
}

}  // namespace quorvel::log
