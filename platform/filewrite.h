// Writing a file by name without ever writing through a symbolic link into
// another file or replacing a named pipe with a file.
#pragma once

#include <string>
#include <string_view>

#include "outcome.h"

namespace quorvel {

/// What the name given to writefile may be besides a regular file.
enum class WriteTarget {
    fileonly,    ///< a regular file only: a settings file and its backup
    streamable,  ///< also a named pipe, a character device or "-": the outputs a user names
};

/// The name of standard output among the outputs a user names.
inline constexpr std::string_view STANDARD_OUTPUT = "-";

/// Writes data to the file path.
///
/// Returns done, or an I/O outcome whose message is the reason alone (such
/// as "Permission denied" or "Filename refers to a directory"), for the caller's sentence.
///
/// Notes:
/// 1. A regular file, a new name or a symbolic link is replaced atomically:
///    a new file is written beside it, flushed to the disk and renamed over
///    the name, so a failure leaves the old file as it was. A symbolic link
///    is itself replaced, never written through; a regular file replaced
///    keeps its permissions.
/// 2. streamable: a named pipe or a character device, named itself or by a
///    link, is written in place, as a stream (a pipe waits for its reader),
///    and "-" is standard output. Otherwise these, a folder and any other
///    kind of file are refused.
Outcome writefile(const std::string& path, std::string_view data, WriteTarget target);

}  // namespace quorvel
