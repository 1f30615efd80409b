#include "options.h"

namespace quorvel::cli {

Outcome Options::read(const std::vector<std::string>& args, const OptionNames& names, Options& opts) {
    opts = Options();
    opts.count_ = args.size();
    bool optionsended = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsended || a == "-" || a.empty() || a[0] != '-') {
            if (opts.operands_.size() >= names.operands) return Outcome::usage("unexpected argument '" + a + "'");
            opts.operands_.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsended = true;
            continue;
        }
        if (a.rfind("--", 0) != 0) return Outcome::usage("unknown option " + a);
        std::string name = a.substr(2);
        std::optional<std::string> value;
        if (const size_t eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        if (names.flags.count(name)) {
            if (value) return Outcome::usage("option --" + name + " takes no value");
            opts.values_[name] = "";
        } else if (names.valued.count(name) || names.repeated.count(name)) {
            if (!value) {
                if (i + 1 >= args.size()) return Outcome::usage("option --" + name + " needs a value");
                value = args[++i];
            }
            opts.values_[name] = *value;
            opts.lists_[name].push_back(*value);
        } else {
            return Outcome::usage("unknown option --" + name);
        }
    }
    return Outcome::ok();
}

std::optional<std::string> Options::get(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::string Options::get(const std::string& name, const std::string& fallback) const {
    return get(name).value_or(fallback);
}

std::vector<std::string> Options::all(const std::string& name) const {
    auto it = lists_.find(name);
    return it == lists_.end() ? std::vector<std::string>() : it->second;
}

}  // namespace quorvel::cli
