// Finding and starting quorvel_cli_qt, the private program of the commands
// that need Qt.
#pragma once

#include <string>
#include <vector>

#include "outcome.h"

namespace quorvel::cli {

/// Where quorvel_cli_qt is looked for, in order: beside the running program,
/// then in ../libexec/quorvel/ from the running program's real folder
/// (/proc/self/exe, links resolved).
std::vector<std::string> qthelperplaces();

/// Replaces this process by quorvel_cli_qt with the same arguments; returns
/// only when that failed, with an io outcome that says why (exit status 3).
///
/// Given:
///   command  the command's name, for the message
///   argv     this program's arguments, null-terminated
Outcome execqthelper(const char* command, char** argv);

/// Runs quorvel_cli_qt with args as a child process, `input` on its standard
/// input, and waits for it; its messages go to standard error.
///
/// Returns the child's outcome by its exit status; an io outcome when the
/// program is missing or cannot start.
Outcome runqthelper(const std::vector<std::string>& args, const std::string& input);

}  // namespace quorvel::cli
