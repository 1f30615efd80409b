// Where the disk's orientation of a moment comes from: the one seam for the
// source of P, B0 and L0 of the measuring tool.
#pragma once

#include <cstdint>

#include "obsinput.h"
#include "sunstate.h"

namespace quorvel {

struct DiskMoment {
    ObsInput obs;      ///< the inputs as read
    SunState sun;      ///< jd, jdfrac, p, b0, l0, gamma (the parallactic angle), ...
    int32_t rotation = 0;  ///< Carrington rotation number
};

/// The orientation of the disk at the moment and place of the field texts,
/// with the same checks and messages as the windows.
///
/// Returns the fault of the first failing check, or none.
InputFault diskmoment(const FieldTexts& fields, DiskMoment& moment);

}  // namespace quorvel
