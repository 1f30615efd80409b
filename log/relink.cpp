#include <sqlite3.h>

#include "tracks.h"

namespace quorvel::log {

Outcome relinkgroup(LogDb& db, int64_t observation, int64_t number, int64_t& track) {
    return db.write([&] {
        Statement group(db.handle(), "SELECT group_id FROM spot_group WHERE observation_id = ? AND number = ?");
        group.bind(1, observation).bind(2, number);
        if (!group.step())
            return Outcome::input("observation " + std::to_string(observation) + " has no group " + std::to_string(number) +
                                  "; nothing was written");
        const int64_t id = group.integer(0);
        if (track == 0) {
            if (!db.exec("INSERT INTO track (return_of) VALUES (NULL)")) return Outcome::io("cannot make a new track");
            track = sqlite3_last_insert_rowid(db.handle());
        } else {
            Statement exists(db.handle(), "SELECT 1 FROM track WHERE track_id = ?");
            exists.bind(1, track);
            if (!exists.step()) return Outcome::input("track " + std::to_string(track) + " does not exist; nothing was written");
            Statement taken(db.handle(), "SELECT number FROM spot_group WHERE observation_id = ? AND track_id = ? AND group_id <> ?");
            taken.bind(1, observation).bind(2, track).bind(3, id);
            if (taken.step())
                return Outcome::input("track " + std::to_string(track) + " already holds group " + std::to_string(taken.integer(0)) +
                                      " of that observation; nothing was written");
        }
        Statement move(db.handle(), "UPDATE spot_group SET track_id = ? WHERE group_id = ?");
        move.bind(1, track).bind(2, id);
        return move.run() ? Outcome::ok() : db.fault(move, "cannot move the group");
    });
}

}  // namespace quorvel::log
