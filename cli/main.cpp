// quorvel_cli: the command-line companion of Quorvel.
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "options.h"

namespace {

const char* const USAGE =
    "usage: quorvel_cli COMMAND [options]\n"
    "Commands:\n"
    "  ephem   the captions of the result labels for one case, or --batch\n"
    "  table   the raw values over a range of dates and times, as CSV\n"
    "  render  the normal view of the disk, to a PNG or SVG file\n"
    "Run 'quorvel_cli COMMAND --help' for the options of a command.\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace quorvel::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? std::cerr : std::cout) << USAGE;
        return args.empty() ? 2 : 0;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    try {
        if (command == "ephem") return ephemcommand(args);
        if (command == "table") return tablecommand(args);
        if (command == "render") return rendercommand(args);
        throw UsageError("unknown command '" + command + "'");
    } catch (const UsageError& e) {
        std::cerr << "quorvel_cli: " << e.what() << "\n" << USAGE;
        return 2;
    }
}
