// quorvel_g: the oriented solar disk as a presentation graphic.
#include <QApplication>
#include <QDir>

#include "graphicswindow.h"
#include "launcher.h"
#include "platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The settings and help files live in the program folder, which is the current folder.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    quorvel::QtProgramEnd end;
    quorvel::DesktopShell shell;
    quorvel::Clock clock;
    quorvel::QtMessageBoxes messages;
    quorvel::QtColourChooser colours;
    quorvel::QtClipboard clipboard;
    quorvel::F1G f1({messages, end, shell, clock, QDir::currentPath().toStdString()}, {colours, clipboard});
    messages.setparent(&f1);
    shell.failed = [&messages](const std::string& why) { messages.showmessage("Help Error", why); };
    colours.setparent(&f1);
    f1.Form_Load();
    if (end.ended()) return app.exec();
    f1.show();
    return app.exec();
}
