#include "qthelper.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <csignal>
#include <sys/wait.h>
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

Outcome runqthelper(const std::vector<std::string>& args, const std::string& input) {
    const std::vector<std::string> places = qthelperplaces();
    const std::string* place = nullptr;
    for (const std::string& p : places)
        if (!place && access(p.c_str(), X_OK) == 0) place = &p;
    if (!place)
        return Outcome::io(std::string("a PNG plot needs the program ") + HELPER + ", which is neither at " + places[0] +
                           " nor at " + places[1] + " (write an .svg instead)");
    std::vector<char*> argv{const_cast<char*>(HELPER)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int fds[2];
    if (pipe(fds) != 0) return Outcome::io(std::string("cannot start ") + HELPER + ": " + std::strerror(errno));
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        dup2(fds[0], 0);
        close(fds[0]);
        close(fds[1]);
        execv(place->c_str(), argv.data());
        _exit(3);
    }
    close(fds[0]);
    auto previous = std::signal(SIGPIPE, SIG_IGN);  // a child that stops early must not end this process
    for (size_t at = 0; child > 0 && at < input.size();) {
        const ssize_t n = write(fds[1], input.data() + at, input.size() - at);
        if (n <= 0) break;
        at += static_cast<size_t>(n);
    }
    close(fds[1]);
    std::signal(SIGPIPE, previous);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return Outcome::io(std::string("cannot run ") + HELPER);
    const int code = WEXITSTATUS(status);
    if (code == 0) return Outcome::ok();
    return {code == 1 ? OutcomeKind::inputfault : code == 2 ? OutcomeKind::usage : OutcomeKind::io,
            std::string("the plot was not written (") + HELPER + " ended with status " + std::to_string(code) + ")"};
}

}  // namespace quorvel::cli
