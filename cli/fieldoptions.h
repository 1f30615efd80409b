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
/// current Universal Time, the others "0". A usage outcome when --dst is not
/// 0 or 1.
Outcome fieldtexts(const Options& opts, FieldTexts& f);

}  // namespace quorvel::cli
