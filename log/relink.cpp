#include <sqlite3.h>

#include "tracks.h"
#include "messagetext.h"

namespace quorvel::log {

Outcome relinkgroup(LogDb& db, int64_t observation, int64_t number, int64_t& track) {
    return db.write([&] {
        Statement group(db.handle(), "SELECT group_id FROM spot_group WHERE observation_id = ? AND number = ?");
        group.bind(1, observation).bind(2, number);
        if (!group.step())
            return Outcome::input(fillin(MESSAGE_TEXT("Message", "observation %1 has no group %2; nothing was written"),
                                         {std::to_string(observation), std::to_string(number)}));
        const int64_t id = group.integer(0);
        if (track == 0) {
            if (!db.exec("INSERT INTO track (return_of) VALUES (NULL)"))
                return Outcome::io(MESSAGE_TEXT("Message", "cannot make a new track"));
            track = sqlite3_last_insert_rowid(db.handle());
        } else {
            Statement exists(db.handle(), "SELECT 1 FROM track WHERE track_id = ?");
            exists.bind(1, track);
            if (!exists.step())
                return Outcome::input(fillin(MESSAGE_TEXT("Message", "track %1 does not exist; nothing was written"),
                                             {std::to_string(track)}));
            Statement taken(db.handle(), "SELECT number FROM spot_group WHERE observation_id = ? AND track_id = ? AND group_id <> ?");
            taken.bind(1, observation).bind(2, track).bind(3, id);
            if (taken.step())
                return Outcome::input(
                        fillin(MESSAGE_TEXT("Message",
                                            "track %1 already holds group %2 of that observation; nothing was written"),
                               {std::to_string(track), std::to_string(taken.integer(0))}));
        }
        Statement move(db.handle(), "UPDATE spot_group SET track_id = ? WHERE group_id = ?");
        move.bind(1, track).bind(2, id);
        return move.run() ? Outcome::ok() : db.fault(move, MESSAGE_TEXT("Message", "cannot move the group"));
    });
}

}  // namespace quorvel::log
