// The nine window fields as command-line options.
#pragma once

#include <set>
#include <string>

#include "obsinput.h"
#include "options.h"

namespace quorvel::cli {

/// Option names of the nine fields (day month year hour min tz dst lat long).
const std::set<std::string>& fieldoptionnames();

/// The field texts from the options. Omitted date and time fields take the
/// current Universal Time, the others "0"; --dst must be 0 or 1.
FieldTexts fieldtexts(const Options& opts);

}  // namespace quorvel::cli
