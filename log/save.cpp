#include "save.h"

#include <sqlite3.h>

#include "observationcheck.h"
#include "trackmatch.h"
#include "messagetext.h"

namespace quorvel::log {
namespace {

/// The row id of the first column of a query with one text value; 0 when none.
int64_t findid(LogDb& db, const char* sql, const std::string& value) {
    Statement s(db.handle(), sql);
    s.bind(1, value);
    return s.step() ? s.integer(0) : 0;
}

Outcome observerid(LogDb& db, const SaveRequest& r, int64_t& id) {
    const std::string& code = r.observation.observer;
    id = findid(db, "SELECT observer_id FROM observer WHERE code = ?", code);
    Statement put(db.handle(), id ? "UPDATE observer SET name = ?2 WHERE observer_id = ?1 AND ?2 <> ''"
                                  : "INSERT INTO observer (observer_id, code, name) VALUES (NULL, ?3, ?2)");
    put.bind(1, id).bind(2, r.observername).bind(3, code);
    if (!put.run()) return db.fault(put, fillin(MESSAGE_TEXT("Message", "cannot save the observer %1"), {code}));
    if (!id) id = sqlite3_last_insert_rowid(db.handle());
    Statement pref(db.handle(), "INSERT OR REPLACE INTO preference (key, value) VALUES ('default_observer', ?)");
    pref.bind(1, code);
    return pref.run() ? Outcome::ok() : db.fault(pref, MESSAGE_TEXT("Message", "cannot save the default observer"));
}

Outcome equipmentid(LogDb& db, const SaveRequest& r, std::optional<int64_t>& id) {
    const std::string& name = r.observation.equipment;
    if (name.empty()) return Outcome::ok();
    if (r.equipment) {
        const EquipmentRecord& e = *r.equipment;
        Statement put(db.handle(),
                      "INSERT INTO equipment (name, method, aperture_mm, focal_length_mm, filter, magnification) "
                      "VALUES (?1, ?2, ?3, ?4, ?5, ?6) ON CONFLICT (name) DO UPDATE SET method = ?2, aperture_mm = ?3, "
                      "focal_length_mm = ?4, filter = ?5, magnification = ?6");
        put.bind(1, name).bind(2, e.method).bind(3, e.aperture_mm).bind(4, e.focal_length_mm).bind(5, e.filter).bind(6, e.magnification);
        if (!put.run())
            return db.fault(put, fillin(MESSAGE_TEXT("Message", "cannot save the equipment profile %1"), {name}));
    }
    const int64_t found = findid(db, "SELECT equipment_id FROM equipment WHERE name = ?", name);
    if (!found)
        return Outcome::input(fillin(
                MESSAGE_TEXT("Message", "there is no equipment profile '%1': give its --method to make one"), {name}));
    id = found;
    return Outcome::ok();
}

Outcome insertobservation(LogDb& db, const ObservationRecord& o, int64_t observer, std::optional<int64_t> equipment, int64_t& id) {
    Statement put(db.handle(),
                  "INSERT INTO observation (observer_id, equipment_id, time_utc, seeing, transparency, site, notes, "
                  "groups_total, spots_total, groups_north, spots_north, groups_south, spots_south) "
                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const Counts& c = o.counts;
    auto hemi = [&](int64_t v) { return c.hemispheres ? std::optional<int64_t>(v) : std::nullopt; };
    put.bind(1, observer).bind(2, equipment).bind(3, logtimetext(o.time)).bind(4, o.seeing).bind(5, o.transparency);
    put.bind(6, o.site).bind(7, o.notes).bind(8, c.g).bind(9, c.f).bind(10, hemi(c.gn)).bind(11, hemi(c.fn));
    put.bind(12, hemi(c.gs)).bind(13, hemi(c.fs));
    if (!put.run()) return db.fault(put, MESSAGE_TEXT("Message", "cannot save the observation"));
    id = sqlite3_last_insert_rowid(db.handle());
    if (!o.image) return Outcome::ok();
    const ImageRecord& i = *o.image;
    Statement img(db.handle(), "INSERT INTO image VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    img.bind(1, id).bind(2, i.path).bind(3, i.sha256).bind(4, i.limb_cx_px).bind(5, i.limb_cy_px).bind(6, i.limb_r_px);
    img.bind(7, i.orientation).bind(8, i.penumbra_threshold).bind(9, i.umbra_threshold);
    return img.run() ? Outcome::ok()
                     : db.fault(img, MESSAGE_TEXT("Message", "cannot save the image of the observation"));
}

/// The sightings of other observations from RETURN_SPAN_DAYS before to MATCH_SPAN_DAYS after.
std::vector<Sighting> sightingsaround(LogDb& db, int64_t minutes) {
    Statement q(db.handle(),
                "SELECT g.track_id, o.time_utc, g.lat_deg, g.cmd_deg_west, g.carrington_deg FROM spot_group g "
                "JOIN observation o USING (observation_id) WHERE o.time_utc BETWEEN ? AND ?");
    q.bind(1, logtimetext(logtimeofminutes(minutes - static_cast<int64_t>(RETURN_SPAN_DAYS * 1440))));
    q.bind(2, logtimetext(logtimeofminutes(minutes + static_cast<int64_t>(MATCH_SPAN_DAYS * 1440))));
    std::vector<Sighting> seen;
    while (q.step()) {
        LogTime t;
        parselogtime(q.text(1), "time", t);
        seen.push_back({q.integer(0), logminutes(t), q.real(2), q.real(3), q.real(4)});
    }
    return seen;
}

Outcome insertspots(LogDb& db, int64_t group, const std::vector<SpotRecord>& spots) {
    Statement put(db.handle(), "INSERT INTO spot VALUES (NULL, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const SpotRecord& s : spots) {
        put.reset();
        put.bind(1, group).bind(2, s.x_px).bind(3, s.y_px).bind(4, s.lat_deg).bind(5, s.cmd_deg_west);
        put.bind(6, s.carrington_deg).bind(7, s.umbra_px).bind(8, s.spot_px).bind(9, s.area_disk_millionths).bind(10, s.area_msh);
        if (!put.run()) return db.fault(put, MESSAGE_TEXT("Message", "cannot save a spot"));
    }
    return Outcome::ok();
}

Outcome insertgroup(LogDb& db, int64_t observation, const GroupRecord& g, int64_t track) {
    Statement put(db.handle(), "INSERT INTO spot_group VALUES (NULL, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    auto opttext = [&](int index, const std::string& v) { v.empty() ? put.bindnull(index) : put.bind(index, v); };
    put.bind(1, observation).bind(2, g.number).bind(3, track).bind(4, g.noaa).bind(5, g.lat_deg).bind(6, g.cmd_deg_west);
    put.bind(7, g.carrington_deg).bind(8, g.extent_deg);
    opttext(9, g.zurich);
    opttext(10, g.mcintosh);
    put.bind(11, g.spots).bind(12, g.area_msh).bind(13, g.umbra_msh);
    if (!put.run())
        return db.fault(put, fillin(MESSAGE_TEXT("Message", "cannot save group %1"), {std::to_string(g.number)}));
    return insertspots(db, sqlite3_last_insert_rowid(db.handle()), g.spotlist);
}

Outcome savegroups(LogDb& db, int64_t observation, const ObservationRecord& o, SaveResult& result) {
    const int64_t minutes = logminutes(o.time);
    const std::vector<TrackChoice> choices = matchtracks(sightingsaround(db, minutes), minutes, o.groups);
    for (size_t i = 0; i < o.groups.size(); ++i) {
        const GroupRecord& g = o.groups[i];
        SavedGroup saved{g.number, g.track ? g.track : choices[i].track, false, 0};
        if (g.track && !findid(db, "SELECT track_id FROM track WHERE track_id = ?", std::to_string(g.track)))
            return Outcome::input(fillin(MESSAGE_TEXT("Message", "track %1 does not exist; nothing was written"),
                                         {std::to_string(g.track)}));
        if (!saved.track) {
            saved.newtrack = true;
            saved.returnof = choices[i].returnof;
            Statement put(db.handle(), "INSERT INTO track (return_of) VALUES (?)");
            put.bind(1, saved.returnof ? std::optional<int64_t>(saved.returnof) : std::nullopt);
            if (!put.run()) return db.fault(put, MESSAGE_TEXT("Message", "cannot save a new track"));
            saved.track = sqlite3_last_insert_rowid(db.handle());
        }
        if (Outcome put = insertgroup(db, observation, g, saved.track); !put.done()) return put;
        result.groups.push_back(saved);
    }
    return Outcome::ok();
}

/// The whole save of an observation, inside a write transaction.
Outcome savewithin(LogDb& db, const SaveRequest& r, SaveResult& result) {
    const ObservationRecord& o = r.observation;
    int64_t observer = 0;
    std::optional<int64_t> equipment;
    for (Outcome step : {observerid(db, r, observer), equipmentid(db, r, equipment)})
        if (!step.done()) return step;
    Statement dup(db.handle(), "SELECT 1 FROM observation WHERE observer_id = ? AND time_utc = ?");
    dup.bind(1, observer).bind(2, logtimetext(o.time));
    if (dup.step())
        return Outcome::input(
                fillin(MESSAGE_TEXT("Message", "the log already holds an observation by %1 at %2; nothing was written"),
                       {o.observer, logtimetext(o.time)}));
    if (Outcome put = insertobservation(db, o, observer, equipment, result.observation); !put.done()) return put;
    return savegroups(db, result.observation, o, result);
}

Outcome checkrequest(const SaveRequest& r) {
    if (Outcome checked = checkobservation(r.observation); !checked.done()) return checked;
    return r.equipment ? checkequipment(*r.equipment) : Outcome::ok();
}

/// The value of a preference; "" when the log has none.
std::string preference(LogDb& db, const char* key) {
    Statement q(db.handle(), "SELECT value FROM preference WHERE key = ?");
    q.bind(1, key);
    return q.step() ? q.text(0) : "";
}

}  // namespace

Outcome saveobservation(LogDb& db, const SaveRequest& r, SaveResult& result) {
    if (Outcome checked = checkrequest(r); !checked.done()) return checked;
    result = SaveResult();
    return db.write([&] { return savewithin(db, r, result); });
}

Outcome saveandremember(LogDb& db, const SaveRequest& r, const SaveAnswers& answers, SaveResult& result) {
    if (Outcome checked = checkrequest(r); !checked.done()) return checked;
    result = SaveResult();
    return db.write([&] {
        if (Outcome saved = savewithin(db, r, result); !saved.done()) return saved;
        Statement put(db.handle(), "INSERT OR REPLACE INTO preference (key, value) VALUES ('save_seeing', ?), ('save_equipment', ?)");
        put.bind(1, answers.seeing).bind(2, answers.equipment);
        return put.run() ? Outcome::ok()
                         : db.fault(put, MESSAGE_TEXT("Message", "cannot keep the seeing and the equipment"));
    });
}

SaveAnswers rememberedanswers(LogDb& db) {
    return {preference(db, "save_seeing"), defaultobserver(db), preference(db, "save_equipment"), ""};
}

std::vector<std::string> equipmentnames(LogDb& db) {
    Statement q(db.handle(), "SELECT name FROM equipment ORDER BY name");
    std::vector<std::string> names;
    while (q.step()) names.push_back(q.text(0));
    return names;
}

std::string defaultobserver(LogDb& db) { return preference(db, "default_observer"); }

Outcome setpersonalk(LogDb& db, const std::string& code, double k) {
    return db.write([&] {
        Statement put(db.handle(), "UPDATE observer SET k_personal = ? WHERE code = ?");
        put.bind(1, k).bind(2, code);
        if (!put.run()) return db.fault(put, MESSAGE_TEXT("Message", "cannot save k"));
        return sqlite3_changes(db.handle())
                       ? Outcome::ok()
                       : Outcome::input(fillin(MESSAGE_TEXT("Message", "there is no observer %1 in the log"), {code}));
    });
}

}  // namespace quorvel::log
