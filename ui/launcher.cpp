#include "launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "messagetext.h"

namespace quorvel {
namespace {

bool isseparator(char c) { return c == '\\' || c == '/'; }

/// A program rather than a document: an ELF file or a script.
bool isprogramfile(const QFileInfo& info) {
    QFile f(info.absoluteFilePath());
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = f.read(4);
    return head == QByteArray("\x7f" "ELF", 4) || head.startsWith("#!");
}

std::string notrunnable(const QFileInfo& info) {
    return info.fileName().toStdString() + " is there but may not be run (it is not executable)";
}

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

Outcome launch(ShellService& shell, std::string& command, const std::optional<std::string>& folder) {
    const SplitCommand s = splitcommand(command, folder);
    command = s.command;
    if (shell.open(s.file, s.parameters, s.folder).done()) return Outcome::ok();
    return shell.startprogram(command, s.folder);
}

Outcome DesktopShell::open(const std::string& file, const std::string& parameters, const std::string& folder) {
    const QDir base(folder.empty() ? QDir::currentPath() : QString::fromStdString(folder));
    const QFileInfo info(base, QString::fromStdString(file));
    if (!info.exists()) return Outcome::io(file + " was not found", FAULT_FILE_NOT_FOUND);
    if (info.isFile() && isprogramfile(info)) {
        if (!info.isExecutable()) return Outcome::io(notrunnable(info), FAULT_PERMISSION_DENIED);
        const QStringList args = QProcess::splitCommand(QString::fromStdString(parameters));
        if (QProcess::startDetached(info.absoluteFilePath(), args, base.absolutePath())) return Outcome::ok();
        return Outcome::io(file + " could not be started");
    }
    // The opener may run as long as the document's viewer: its end is watched, not awaited.
    auto* opener = new QProcess(QCoreApplication::instance());
    opener->setProgram(QString::fromStdString(opener_));
    opener->setArguments({info.absoluteFilePath()});
    opener->start();
    if (!opener->waitForStarted()) {
        delete opener;
        return Outcome::io(opener_ + " was not found");
    }
    const std::string path = info.absoluteFilePath().toStdString(), name = info.fileName().toStdString();
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, path, name, report = failed, tool = opener_](int code, QProcess::ExitStatus how) {
                         opener->deleteLater();
                         if ((code == 0 && how == QProcess::NormalExit) || !report) return;
                         report(fillin(MESSAGE_TEXT("Message", "The document viewer could not open '%1' (%2 ended with "
                                                                "status %3). Install a PDF viewer, or open the file "
                                                                "yourself: %4"),
                                       {name, tool, std::to_string(code), path}));
                     });
    return Outcome::ok();
}

Outcome DesktopShell::startprogram(const std::string& commandline, const std::string& folder) {
    QStringList parts = QProcess::splitCommand(QString::fromStdString(commandline));
    if (parts.isEmpty()) return Outcome::io("nothing to start", FAULT_FILE_NOT_FOUND);
    const QString program = parts.takeFirst();
    const QFileInfo info(folder.empty() ? QDir::current() : QDir(QString::fromStdString(folder)), program);
    if (!info.exists()) return Outcome::io(program.toStdString() + " was not found", FAULT_FILE_NOT_FOUND);
    if (info.isFile() && !info.isExecutable()) return Outcome::io(notrunnable(info), FAULT_PERMISSION_DENIED);
    if (!QProcess::startDetached(info.absoluteFilePath(), parts))
        return Outcome::io(program.toStdString() + " could not be started");
    return Outcome::ok();
}

}  // namespace quorvel
