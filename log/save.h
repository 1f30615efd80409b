// Saving an observation: all of it in one transaction, its groups matched
// to their tracks.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "logdb.h"
#include "records.h"

namespace quorvel::log {

/// What a save asks for beside the observation itself.
struct SaveRequest {
    ObservationRecord observation;
    std::string observername;                 ///< sets the observer's name when not empty
    std::optional<EquipmentRecord> equipment; ///< makes or replaces the profile observation.equipment names
};

/// A saved group and the track it went to.
struct SavedGroup {
    int64_t number = 0, track = 0;
    bool newtrack = false;
    int64_t returnof = 0;  ///< a new track that may be the return of this one; 0 none
};

struct SaveResult {
    int64_t observation = 0;
    std::vector<SavedGroup> groups;
};

/// Saves an observation in one transaction.
///
/// Notes:
/// 1. The observation is checked first (checkobservation); nothing is
///    written when it fails, nor when the observer already has an
///    observation at that minute, nor when a group names a track that does
///    not exist.
/// 2. The observer is made on first use and becomes the default observer.
/// 3. Groups with track 0 are matched by matchtracks(); the rest keep theirs.
Outcome saveobservation(LogDb& db, const SaveRequest& request, SaveResult& result);

/// The answers Save to Log asks once: kept in the log by the save that used
/// them, and offered again by the next one.
struct SaveAnswers {
    std::string seeing;     ///< E, G, F, P or 1 to 5; "" when none is kept yet
    std::string observer;   ///< the observer's code; "" the log's default observer
    std::string equipment;  ///< an equipment profile's name; "" none
    std::string method;     ///< projection, visual or photographic: makes the profile when the log has none of that name
};

/// Saves an observation as saveobservation() does and, in the same
/// transaction, keeps the seeing and the equipment of `answers` for the next
/// save.
Outcome saveandremember(LogDb& db, const SaveRequest& request, const SaveAnswers& answers, SaveResult& result);

/// The answers kept in the log (seeing and equipment, "" when none), with
/// the default observer as the observer; the method is left empty.
SaveAnswers rememberedanswers(LogDb& db);

/// The names of the log's equipment profiles, in alphabetical order.
std::vector<std::string> equipmentnames(LogDb& db);

/// The default observer's code, "" when the log has none yet.
std::string defaultobserver(LogDb& db);

/// Sets an observer's personal factor k in one transaction.
Outcome setpersonalk(LogDb& db, const std::string& code, double k);

}  // namespace quorvel::log
