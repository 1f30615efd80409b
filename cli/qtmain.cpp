// quorvel_cli_qt: the commands of quorvel_cli that need Qt. quorvel_cli runs
// it with its own command line; it is not meant to be run by hand.
#include <QGuiApplication>
#include <string>
#include <string_view>
#include <vector>

#include "commands.h"
#include "commandtable.h"
#include "logoptions.h"

namespace {

/// The commands with a nullptr run in the command table, by name.
const std::pair<std::string_view, quorvel::cli::CommandRun> QT_COMMANDS[] = {
    {"render", quorvel::cli::rendercommand},
    {"measure", quorvel::cli::measurecommand},
};

}  // namespace

int main(int argc, char** argv) {
    using namespace quorvel::cli;
    // Standard error carries the command's own messages only: Qt's notes on
    // the session it runs in (no XDG_RUNTIME_DIR outside a login) are dropped.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // The pictures' texts need the fonts of a GUI application; no window is shown.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtargc = 1;
    QGuiApplication app(qtargc, argv);
    imageplacer = placeonimage;  // log predict --image runs here
    if (argc == 3 && std::string_view(argv[1]) == "svg-to-png") return reportoutcome(svgtopngcommand({argv[2]}));
    return runcommandline(std::vector<std::string>(argv + 1, argv + argc),
                          [](const CommandEntry& c, const std::vector<std::string>& args) {
                              for (const auto& [name, run] : QT_COMMANDS)
                                  if (name == c.name) return run(args);
                              return quorvel::Outcome::usage(std::string("quorvel_cli_qt has no command ") + c.name);
                          });
}
