// What the measure command takes from the image's own description: the
// orientation, the date and time, and the place a FITS header gives, each
// unless an option gives it, with a note for each.
#pragma once

#include <string>
#include <vector>

#include "fitsheader.h"
#include "imageframe.h"
#include "obsinput.h"
#include "options.h"
#include "outcome.h"

namespace quorvel::cli {

/// The orientation of the options, or the header's when none of --orient,
/// --altaz, --flip, --invert and --rotate is given. A usage outcome for
/// options that contradict each other.
Outcome measureorientation(const Options& opts, const FitsHeader& header, Orientation& o,
                           std::vector<std::string>& notes);

/// The field texts of the options, completed by the header.
///
/// Returns an input outcome, naming the options still needed, when the date
/// or time is not known: an image without a date, a header date that cannot
/// be read (quoted), or a header day without a time of day.
///
/// Notes:
/// 1. Each of --day, --month, --year, --hour and --min replaces just its own
///    part of the header's moment; the others come from the header, in the
///    zone of --tz and --dst (UT when they are not given). So --hour 9 --tz 1
///    on a header of 2006-09-08 23:30 UT keeps the local day, 2006-09-09, and
///    its minute, 30.
/// 2. --lat and --long replace the header's site (SITELAT, SITELONG, OBSGEO).
Outcome measurefields(const Options& opts, const FitsHeader& header, bool fits, const std::string& path,
                      FieldTexts& f, std::vector<std::string>& notes);

/// The place of a FITS header (SITELAT, SITELONG, OBSGEO) for what --lat and
/// --long do not give, with a note.
void headersite(const Options& opts, const FitsHeader& header, FieldTexts& f, std::vector<std::string>& notes);

/// Whether some of --day, --month, --year, --hour and --min are given, not all.
bool datepartlygiven(const Options& opts);

}  // namespace quorvel::cli
