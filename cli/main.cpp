// quorvel_cli: the command-line companion of Quorvel. It links no Qt: the
// commands that draw run in the private program quorvel_cli_qt.
#include <string>
#include <vector>

#include "commandtable.h"
#include "qthelper.h"

int main(int argc, char** argv) {
    using namespace quorvel::cli;
    return runcommandline(std::vector<std::string>(argv + 1, argv + argc),
                          [&](const CommandEntry& c, const std::vector<std::string>&) {
                              return execqthelper(c.name, argv);
                          });
}
