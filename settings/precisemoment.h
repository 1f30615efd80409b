// The moment and the place of the input fields, for the precise model.
#pragma once

#include "obsinput.h"
#include "precise.h"

namespace quorvel {

/// The moment the fields name, as the window reads them, with Delta T from deltat().
///
/// Given:
///   f    the field texts (hour and min are read here)
///   obs  year, month, day, dst and tz as readinputs() read them
/// Returned:
///   t    Universal Time in two pieces, binary64, and Delta T
///
/// Returns false when the date does not fit the calendar arithmetic (julday()).
///
/// Notes:
/// 1. The clock is read as readinputs() reads it, Julian calendar before
///    1582 October 15 included, but held in binary64 throughout.
bool precisemoment(const FieldTexts& f, const ObsInput& obs, PreciseTime& t);

/// The site the fields name, latitude and longitude in binary64 (the
/// decimal comma accepted), for a place that passed readplace().
PreciseSite precisesite(const FieldTexts& f, bool topocentric);

}  // namespace quorvel
