#include "commandtable.h"

#include <algorithm>
#include <cstdio>
#include <new>

#include "commands.h"
#include "output.h"

namespace quorvel::cli {

std::span<const CommandEntry> commandtable() {
    static const CommandEntry table[] = {
        {"ephem", "the captions of the result labels for one case, or --batch", ephemcommand},
        {"table", "the raw values over a range of dates and times, as CSV", tablecommand},
        {"render", "the normal view of the disk, to a PNG or SVG file", nullptr},
        {"measure", "the limb and spots on your own image of the Sun", nullptr},
        {"log", "the observer's log: save counts, follow groups, write the monthly reports", logcommand},
    };
    return table;
}

std::string usagetext() {
    std::string text = "usage: quorvel_cli COMMAND [options]\nCommands:\n";
    for (const CommandEntry& c : commandtable()) {
        std::string name = c.name;
        name.resize(std::max<size_t>(name.size() + 1, 8), ' ');
        text += "  " + name + c.summary + "\n";
    }
    return text + "Run 'quorvel_cli COMMAND --help' for the options of a command.\n";
}

const char* const EXIT_STATUS_HELP =
    "Exit status:\n"
    "  0  done\n"
    "  1  an input failed its check (the message goes to standard error)\n"
    "  2  a usage error: an unknown option, a value an option does not take,\n"
    "     an output file with an ending its view does not write\n"
    "  3  a file could not be read or written (also standard output, such as a full disk)\n"
    "Other: 'quorvel_cli --version' prints the version; '--' ends the options.\n";

int runcommandline(const std::vector<std::string>& args,
                   const std::function<Outcome(const CommandEntry&, const std::vector<std::string>&)>& runqt) {
    if (args.empty()) return reportoutcome(Outcome::usage("a command is needed"));
    if (args[0] == "--help" || args[0] == "-h")
        return reportoutcome(writeandflush(stdout, usagetext() + EXIT_STATUS_HELP));
    if (args[0] == "--version") return reportoutcome(writeandflush(stdout, "quorvel_cli " QUORVEL_VERSION "\n"));
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const CommandEntry& c : commandtable()) {
        if (args[0] != c.name) continue;
        try {
            return reportoutcome(c.run ? c.run(rest) : runqt(c, rest));
        } catch (const std::bad_alloc&) {
            return reportoutcome(Outcome::input(std::string("not enough memory for the ") + c.name + " command"));
        }
    }
    return reportoutcome(Outcome::usage("unknown command '" + args[0] + "'"));
}

int reportoutcome(const Outcome& outcome) {
    switch (outcome.kind) {
        case OutcomeKind::done: break;
        case OutcomeKind::inputfault:
        case OutcomeKind::fault: std::fprintf(stderr, "%s\n", outcome.message.c_str()); break;
        case OutcomeKind::usage:
            std::fprintf(stderr, "quorvel_cli: %s\n%s", outcome.message.c_str(), usagetext().c_str());
            break;
        case OutcomeKind::io: std::fprintf(stderr, "quorvel_cli: %s\n", outcome.message.c_str()); break;
    }
    return outcome.exitstatus();
}

}  // namespace quorvel::cli
