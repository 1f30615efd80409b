// Where the disk's orientation of a moment comes from: the one seam for the
// source of P, B0 and L0 of the measuring tool.
#pragma once

#include <cstdint>

#include "obsinput.h"
#include "outcome.h"
#include "sunstate.h"

namespace quorvel {

struct DiskMoment {
    ObsInput obs;      ///< the inputs as read
    SunState sun;      ///< jd, jdfrac, p, b0, l0, gamma (the parallactic angle), ...
    int32_t rotation = 0;  ///< Carrington rotation number
};

/// The models that can give P, B0 and L0.
enum class DiskModel {
    classic,  ///< the windows' own values
    precise,  ///< the precise model's (ERFA), for Carrington longitudes to the Almanac's
};

/// The orientation of the disk at the moment and place of the field texts,
/// with the same checks and messages as the windows.
///
/// Returns done, or an input fault with the message of the first failing
/// check (or, for the precise model, of a moment outside its span).
///
/// Notes:
/// 1. The precise model replaces P, B0, L0 and the rotation number; the
///    parallactic angle stays the windows' own.
Outcome diskmoment(const FieldTexts& fields, DiskModel model, DiskMoment& moment);

}  // namespace quorvel
