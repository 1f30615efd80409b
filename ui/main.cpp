// quorvel: how the Sun's disk is oriented in the sky or in a telescope.
#include <QApplication>
#include <QDir>

#include "launcher.h"
#include "mainwindow.h"
#include "platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The settings and help files live in the program folder, which is the current folder.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    quorvel::QtProgramEnd end;
    quorvel::DesktopShell shell;
    quorvel::Clock clock;
    quorvel::QtMessageBoxes messages;
    quorvel::F1 f1({messages, end, shell, clock, QDir::currentPath().toStdString()});
    messages.setparent(&f1);
    shell.failed = [&messages](const std::string& why) { messages.showmessage("Help Error", why); };
    f1.Form_Load();
    if (end.ended()) return app.exec();
    f1.show();
    return app.exec();
}
