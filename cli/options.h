// A small command-line option reader: "--name value", "--name=value", flags,
// operands, and "--", after which every argument is an operand.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "outcome.h"

namespace quorvel::cli {

/// The options a command accepts, by name without "--".
struct OptionNames {
    std::set<std::string> valued;  ///< take a value: "--lat 51.5" or "--lat=51.5"
    std::set<std::string> flags;   ///< stand alone: "--grid"
    size_t operands = 0;           ///< how many other arguments it takes at most
    std::set<std::string> repeated{};  ///< take a value and may come again: "--group A --group B"
};

class Options {
public:
    /// Reads args into opts; a usage outcome names the first wrong argument.
    ///
    /// Notes:
    /// 1. A valued option takes the next argument whatever it looks like, so
    ///    "--long -5" works.
    /// 2. "--" ends the options; a lone "-" is an operand.
    static Outcome read(const std::vector<std::string>& args, const OptionNames& names, Options& opts);

    bool has(const std::string& name) const { return values_.count(name) > 0; }
    bool flag(const std::string& name) const { return has(name); }
    std::optional<std::string> get(const std::string& name) const;
    std::string get(const std::string& name, const std::string& fallback) const;
    /// Every value of a repeated option, in the order given.
    std::vector<std::string> all(const std::string& name) const;
    const std::vector<std::string>& operands() const { return operands_; }
    /// Arguments in all, operands included (0 for none).
    size_t count() const { return count_; }

private:
    std::map<std::string, std::string> values_;
    std::map<std::string, std::vector<std::string>> lists_;
    std::vector<std::string> operands_;
    size_t count_ = 0;
};

}  // namespace quorvel::cli
