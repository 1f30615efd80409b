// Whole-record file access: read the first record, replace a file atomically.
#pragma once

#include <string>

#include "outcome.h"
#include "settingsrec.h"

namespace quorvel {

/// Reads the first record of a file; a short file is padded with zeros.
/// Returns done, or an I/O outcome with FAULT_FILE_NOT_FOUND,
/// FAULT_PERMISSION_DENIED or FAULT_DEVICE_IO.
Outcome readrecordfile(const std::string& path, SettingsBytes& bytes);

/// Replaces path by a regular file holding exactly data, atomically: a
/// failure leaves the old file as it was, a symbolic link is replaced, never
/// written through (writefile). Returns done, or an I/O outcome whose
/// message is the reason of the failure alone.
Outcome replacefile(const std::string& path, const std::string& data);

/// Copies from to to (replacing it). Returns done, or the I/O outcome of the
/// read or the write.
Outcome copyfile(const std::string& from, const std::string& to);

}  // namespace quorvel
