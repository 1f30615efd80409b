// Writing a command's results: nothing lost without saying so.
#pragma once

#include <cstdio>
#include <string_view>

#include "outcome.h"

namespace quorvel::cli {

/// Writes text to out (buffered). An io outcome names the failure, such as a
/// full disk; the caller stops writing then.
Outcome writeall(std::FILE* out, std::string_view text);

/// Flushes out; an io outcome when the buffered text could not all be written.
Outcome flushall(std::FILE* out);

/// Writes text to out and flushes it.
Outcome writeandflush(std::FILE* out, std::string_view text);

}  // namespace quorvel::cli
