#include "messagetext.h"

#include <mutex>
#include <set>

namespace quorvel {
namespace {

std::mutex patternslock;
std::set<std::string>& patterns() {
    static std::set<std::string> seen;
    return seen;
}

}  // namespace

std::string fillin(const char* pattern, std::initializer_list<std::string> values) {
    {
        const std::lock_guard<std::mutex> lock(patternslock);
        patterns().insert(pattern);
    }
    std::string out;
    for (const char* p = pattern; *p; ++p) {
        const size_t n = p[0] == '%' && p[1] >= '1' && p[1] <= '9' ? static_cast<size_t>(p[1] - '1') : values.size();
        if (n < values.size()) {
            out += values.begin()[n];
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

size_t filledcount() {
    const std::lock_guard<std::mutex> lock(patternslock);
    return patterns().size();
}

std::vector<std::string> filledpatterns() {
    const std::lock_guard<std::mutex> lock(patternslock);
    return {patterns().begin(), patterns().end()};
}

}  // namespace quorvel
