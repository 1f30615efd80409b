#include "guidelanguage.h"

#include <algorithm>
#include <cctype>

namespace quorvel {
namespace {

/// The language part of a locale name, lower case: "de" of "de-DE" or "DE_at".
std::string languagepart(const std::string& name) {
    std::string code = name.substr(0, name.find_first_of("-_.@"));
    std::transform(code.begin(), code.end(), code.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return code;
}

}  // namespace

std::string guidefile(const std::string& guide, const std::string& language) {
    if (language.empty() || language == "en") return guide;
    const size_t dot = guide.rfind('.');
    if (dot == std::string::npos) return guide + "." + language;
    return guide.substr(0, dot) + "." + language + guide.substr(dot);
}

std::string guideforlanguages(const std::string& guide, const std::vector<std::string>& uilanguages,
                              const std::function<bool(const std::string&)>& present) {
    for (const std::string& name : uilanguages) {
        const std::string code = languagepart(name);
        if (code == "en") return guide;
        if (present(guidefile(guide, code))) return guidefile(guide, code);
    }
    return guide;
}

}  // namespace quorvel
