// The batch interface of "quorvel_cli ephem --batch": one answer a line.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace quorvel::cli {

/// Appends the answer to one case line (without its line feed) to out, with
/// its line feed: the 11 captions separated by TAB, or "error", TAB and the
/// message.
///
/// Notes:
/// 1. Fields, TAB separated: day, month, year, hour, min, tz, dst, lat, long;
///    dst "1" means checked, anything else not.
/// 2. Any bytes are accepted; a line without exactly nine fields gets an
///    error answer of its own.
void answerbatchline(std::string_view line, std::string& out);

/// Answers every line of in on out; the output is written at the end.
/// Returns false when reading or writing failed.
bool runbatch(std::FILE* in, std::FILE* out);

}  // namespace quorvel::cli
