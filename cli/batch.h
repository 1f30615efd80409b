// The batch interface of "quorvel_cli ephem --batch": one answer a line.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "outcome.h"

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

/// The longest case line answered as a case, in bytes without its line feed.
inline constexpr size_t LONGEST_BATCH_LINE = 1 << 20;

/// Answers every line of in on out, in order, and flushes out. An io outcome
/// when reading or writing failed; the answers stop at the first failed write.
///
/// Notes:
/// 1. A last line without a line feed is answered like the others.
/// 2. A line longer than LONGEST_BATCH_LINE is answered by "error", TAB and
///    a message saying so, and is never held whole: memory stays the same
///    whatever the input.
Outcome runbatch(std::FILE* in, std::FILE* out);

}  // namespace quorvel::cli
