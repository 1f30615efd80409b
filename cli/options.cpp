#include "options.h"

namespace quorvel::cli {

Options::Options(const std::vector<std::string>& args, const std::set<std::string>& valued,
                 const std::set<std::string>& flags) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0) throw UsageError("unexpected argument '" + a + "'");
        std::string name = a.substr(2);
        std::optional<std::string> value;
        if (const size_t eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        if (flags.count(name)) {
            if (value) throw UsageError("option --" + name + " takes no value");
            values_[name] = "";
        } else if (valued.count(name)) {
            if (!value) {
                if (i + 1 >= args.size()) throw UsageError("option --" + name + " needs a value");
                value = args[++i];
            }
            values_[name] = *value;
        } else {
            throw UsageError("unknown option --" + name);
        }
    }
}

std::optional<std::string> Options::get(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::string Options::get(const std::string& name, const std::string& fallback) const {
    return get(name).value_or(fallback);
}

}  // namespace quorvel::cli
