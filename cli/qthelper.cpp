#include "qthelper.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace quorvel::cli {
namespace {

constexpr const char* HELPER = "quorvel_cli_qt";

/// The folder of the running program, links resolved; "" when unknown.
std::string programfolder() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return "";
    const std::string exe(path, static_cast<size_t>(n));
    return exe.substr(0, exe.rfind('/') + 1);
}

}  // namespace

std::vector<std::string> qthelperplaces() {
    const std::string folder = programfolder();
    return {folder + HELPER, folder + "../libexec/quorvel/" + HELPER};
}

Outcome execqthelper(const char* command, char** argv) {
    const std::vector<std::string> places = qthelperplaces();
    for (const std::string& place : places) {
        if (access(place.c_str(), X_OK) != 0) continue;
        std::fflush(nullptr);
        execv(place.c_str(), argv);
        return Outcome::io("cannot start " + place + ": " + std::strerror(errno));
    }
    return Outcome::io(std::string("the ") + command + " command needs the program " + HELPER +
                       ", which is neither at " + places[0] + " nor at " + places[1]);
}

}  // namespace quorvel::cli
