// quorvel_cli: the command-line companion of Quorvel.
#include <string>
#include <vector>

#include "commandtable.h"
#include "output.h"

int main(int argc, char** argv) {
    using namespace quorvel::cli;
    using quorvel::Outcome;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return reportoutcome(Outcome::usage("a command is needed"));
    if (args[0] == "--help" || args[0] == "-h")
        return reportoutcome(writeandflush(stdout, usagetext() + EXIT_STATUS_HELP));
    if (args[0] == "--version") return reportoutcome(writeandflush(stdout, "quorvel_cli " QUORVEL_VERSION "\n"));
    const std::string command = args[0];
    args.erase(args.begin());
    for (const CommandEntry& c : commandtable())
        if (command == c.name) return reportoutcome(c.run(args));
    return reportoutcome(Outcome::usage("unknown command '" + command + "'"));
}
