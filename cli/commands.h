// The commands of quorvel_cli. Each returns the exit status: 0 success,
// 1 an input that fails its check, 2 a usage error (thrown as UsageError).
#pragma once

#include <string>
#include <vector>

namespace quorvel::cli {

int ephemcommand(const std::vector<std::string>& args);
int tablecommand(const std::vector<std::string>& args);
int rendercommand(const std::vector<std::string>& args);

/// The nine field options shared by ephem and render, with their help lines.
extern const char* const FIELD_OPTIONS_HELP;

}  // namespace quorvel::cli
