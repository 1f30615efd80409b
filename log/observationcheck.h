// The rules an observation obeys before it is saved, each with the sentence
// that names what is wrong.
#pragma once

#include <string>

#include "outcome.h"
#include "records.h"

namespace quorvel::log {

/// Whether text is a seeing the log takes: E, G, F, P (as the AAVSO writes
/// it) or 1 to 5.
bool validseeing(const std::string& text);

/// Whether seeing counts as good or excellent (G, E, 1, 2) for the personal factor.
bool goodseeing(const std::string& seeing);

/// Checks an observer's code: 1 to 16 letters, digits, '-' or '_'.
Outcome checkobservercode(const std::string& code);

/// Checks the counts: none negative, at least one spot in every group, no
/// spots without a group, the hemispheres adding up to the whole disk.
Outcome checkcounts(const Counts& c);

/// The counts of a list of groups: each group in the hemisphere of its
/// latitude (the equator itself counts north).
Counts countsofgroups(const std::vector<GroupRecord>& groups);

/// Checks everything an observation carries; an input outcome names the
/// first fault. Groups given with typed counts must agree with them.
Outcome checkobservation(const ObservationRecord& o);

/// Checks an equipment profile.
Outcome checkequipment(const EquipmentRecord& e);

}  // namespace quorvel::log
