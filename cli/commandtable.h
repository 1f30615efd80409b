// Which commands quorvel_cli has, and where each one runs.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "outcome.h"

namespace quorvel::cli {

using CommandRun = Outcome (*)(const std::vector<std::string>& args);

struct CommandEntry {
    const char* name;
    const char* summary;  ///< its line in the usage text
    CommandRun run;       ///< nullptr: it needs Qt and runs in the private program quorvel_cli_qt
};

/// Every command, in the order of the usage text.
///
/// Notes:
/// 1. A new command is a row here and a file with its run function; one that
///    needs Qt is also a row of quorvel_cli_qt's own table (qtmain.cpp).
std::span<const CommandEntry> commandtable();

/// The usage text: the command line and a line for each command.
std::string usagetext();

/// The exit statuses, for the help text.
extern const char* const EXIT_STATUS_HELP;

/// Runs the command of a command line, or answers --help and --version.
///
/// Given:
///   args   the arguments after the program's name
///   runqt  runs a command whose run is nullptr, with the command's arguments
/// Returns the exit status, after reporting what went wrong to standard error.
int runcommandline(const std::vector<std::string>& args,
                   const std::function<Outcome(const CommandEntry&, const std::vector<std::string>&)>& runqt);

/// Prints what went wrong, if anything, to standard error and returns the exit status.
///
/// Notes:
/// 1. A usage error is followed by the usage text; an input that fails its
///    check prints its message alone, as the window would show it.
int reportoutcome(const Outcome& outcome);

}  // namespace quorvel::cli
