#include "desktopstart.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QStandardPaths>
#include <cstdio>
#include <vector>

#include "language.h"

// The installed documents folder, relative to the installed programs.
#ifndef QUORVEL_DOCS_FROM_PROGRAMS
#define QUORVEL_DOCS_FROM_PROGRAMS "../share/doc/quorvel"
#endif

namespace quorvel {

std::optional<int> commandline(int argc, char** argv, const char* description, std::string* image) {
    // Standard error carries the program's own messages only: Qt's notes on
    // the session it runs in (no XDG_RUNTIME_DIR outside a login) are dropped.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    if (argc <= 1) return std::nullopt;
    // The program's own name in the usage line, however it was started.
    std::string name = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName().toStdString();
    std::vector<char*> args(argv, argv + argc);
    args[0] = name.data();
    int count = argc;
    QCoreApplication core(count, args.data());  // no display is needed to answer
    QCoreApplication::setApplicationVersion(QUORVEL_VERSION);
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(description) +
                                     "\n\nThe window's settings are kept in its settings file.");
    if (image) parser.addPositionalArgument("IMAGE", "An image of the Sun to open in the measuring window.", "[IMAGE]");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const qsizetype taken = image ? 1 : 0;
    if (!parser.parse(QCoreApplication::arguments()) || parser.positionalArguments().size() > taken) {
        const std::string why = parser.errorText().isEmpty() ? "it takes no arguments" : parser.errorText().toStdString();
        std::fprintf(stderr, "%s: %s\nRun '%s --help' for the options.\n", name.c_str(), why.c_str(), name.c_str());
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", name.c_str(), QUORVEL_VERSION);
        return 0;
    }
    if (image && !parser.positionalArguments().isEmpty())
        *image = QFileInfo(parser.positionalArguments().front()).absoluteFilePath().toStdString();
    return std::nullopt;
}

Folders desktopfolders(const char* settingsfile) {
    Folders f;
    f.program = QCoreApplication::applicationDirPath().toStdString();
    // One configuration folder for both programs, whatever their names.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/quorvel";
    f.settings = settingsfolder(f.program, settingsfile, config.toStdString());
    f.viewersettings = settingsfolder(f.program, "orra.ini", config.toStdString());
    if (f.settings != f.program || f.viewersettings != f.program) QDir().mkpath(config);
    // The help documents of a program folder, else the installed ones.
    const QDir program(QString::fromStdString(f.program));
    const bool beside = program.exists("helpqv.pdf") || program.exists("helpqvg.pdf");
    f.documents = beside ? f.program : QDir::cleanPath(program.filePath(QUORVEL_DOCS_FROM_PROGRAMS)).toStdString();
    return f;
}

std::string picturesfolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return (QDir(pictures).exists() ? pictures : QDir::homePath()).toStdString();
}

Desktop::Desktop(const char* name, const char* desktopentry) {
    QCoreApplication::setApplicationName(name);
    installtranslations();
    QGuiApplication::setDesktopFileName(desktopentry);
    QCoreApplication::setApplicationVersion(QUORVEL_VERSION);
    QGuiApplication::setWindowIcon(QIcon(":/icons/org.quorvel.Quorvel.svg"));
    QDir::setCurrent(QString::fromStdString(picturesfolder()));
    shell.failed = [this](const std::string& why) { messages.showmessage(QT_TRANSLATE_NOOP("Message", "Help Error"), why); };
}

int Desktop::run(QWidget& window, const std::function<void()>& load) {
    messages.setparent(&window);
    load();
    if (!end.ended()) window.show();
    return QCoreApplication::exec();
}

}  // namespace quorvel
