// The commands of quorvel_cli. Each reads its arguments (without the command
// name), writes its results to standard output and returns its outcome, whose
// kind is the exit status: 0 done, 1 an input that fails its check, 2 a usage
// error, 3 a file that cannot be read or written.
#pragma once

#include <string>
#include <vector>

#include "outcome.h"

namespace quorvel::cli {

Outcome ephemcommand(const std::vector<std::string>& args);
Outcome tablecommand(const std::vector<std::string>& args);
Outcome rendercommand(const std::vector<std::string>& args);
Outcome measurecommand(const std::vector<std::string>& args);
Outcome logcommand(const std::vector<std::string>& args);

/// Draws the SVG read from standard input into the PNG file args[0], at
/// twice its size: the plots of the log (quorvel_cli_qt only).
Outcome svgtopngcommand(const std::vector<std::string>& args);

/// The nine field options shared by ephem and render, with their help lines.
extern const char* const FIELD_OPTIONS_HELP;

}  // namespace quorvel::cli
