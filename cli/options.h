// A small command-line option reader: "--name value", "--name=value" and flags.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvel::cli {

/// A usage error: the message is printed and the program exits with status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Options {
public:
    /// Reads args; valued and flag name the accepted options (without "--").
    Options(const std::vector<std::string>& args, const std::set<std::string>& valued,
            const std::set<std::string>& flags);

    bool has(const std::string& name) const { return values_.count(name) > 0; }
    std::optional<std::string> get(const std::string& name) const;
    std::string get(const std::string& name, const std::string& fallback) const;
    bool flag(const std::string& name) const { return has(name); }

private:
    std::map<std::string, std::string> values_;
};

}  // namespace quorvel::cli
