#include "launcher.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "runtimefault.h"

namespace quorvel {
namespace {

bool isseparator(char c) { return c == '\\' || c == '/'; }

/// The folder part of a name (positions counted from 1, as the split rule is written).
std::string folderofname(const std::string& name) {
    for (size_t b = name.size(); b >= 1; --b) {
        if (!isseparator(name[b - 1])) continue;
        const bool root = b == 1 || name[b - 2] == ':';
        return name.substr(0, root ? b : b - 1);
    }
    return "";
}

}  // namespace

SplitCommand splitcommand(const std::string& line, const std::optional<std::string>& folder) {
    SplitCommand s;
    s.command = line;
    size_t pos = std::string::npos;  // index of the first character after the name
    if (!line.empty() && line[0] == '"') {
        const size_t q = line.find('"', 1);
        if (q != std::string::npos) {
            s.command = line.substr(1, q - 1) + line.substr(q + 1);
            pos = q - 1;
        } else {
            pos = line.size();  // no closing quote: the whole text is the name
        }
    }
    if (pos == std::string::npos) {
        const size_t blank = s.command.find(' ');
        pos = blank == std::string::npos ? s.command.size() : blank;
    }
    s.file = s.command.substr(0, pos);
    const size_t params = s.command.find_first_not_of(' ', pos);
    s.parameters = params == std::string::npos ? "" : s.command.substr(params);
    s.folder = folder ? *folder : folderofname(s.file);
    return s;
}

int32_t launch(ShellService& shell, std::string& command, int32_t show,
               const std::optional<std::string>& folder) {
    const SplitCommand s = splitcommand(command, folder);
    command = s.command;
    const int32_t result = shell.shellexecute(s.file, s.parameters, s.folder, show);
    if (result < 32) shell.startprogram(command, show);
    return result;
}

int32_t DesktopShell::shellexecute(const std::string& file, const std::string& parameters,
                                   const std::string& folder, int32_t) {
    constexpr int32_t FILE_NOT_FOUND = 2, NO_ASSOCIATION = 31, DONE = 42;
    const QDir base(folder.empty() ? QDir::currentPath() : QString::fromStdString(folder));
    const QFileInfo info(base, QString::fromStdString(file));
    if (!info.exists()) return FILE_NOT_FOUND;
    if (info.isFile() && info.isExecutable()) {
        const QStringList args = QProcess::splitCommand(QString::fromStdString(parameters));
        return QProcess::startDetached(info.absoluteFilePath(), args, base.absolutePath()) ? DONE
                                                                                           : NO_ASSOCIATION;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath())) ? DONE : NO_ASSOCIATION;
}

void DesktopShell::startprogram(const std::string& commandline, int32_t) {
    QStringList parts = QProcess::splitCommand(QString::fromStdString(commandline));
    if (parts.isEmpty()) throw RuntimeFault(53, "nothing to start");
    const QString program = parts.takeFirst();
    const QFileInfo info(QDir::current(), program);
    if (!info.exists()) throw RuntimeFault(53, program.toStdString() + " was not found");
    if (!QProcess::startDetached(info.absoluteFilePath(), parts))
        throw RuntimeFault(5, program.toStdString() + " could not be started");
}

}  // namespace quorvel
