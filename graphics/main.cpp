// quorvel_g: the oriented solar disk as a presentation graphic.
#include <QApplication>

#include "desktop.h"
#include "desktopstart.h"
#include "graphicswindow.h"

int main(int argc, char** argv) {
    if (const auto status = quorvel::commandline(argc, argv,
            "Quorvel-G draws the oriented solar disk as a presentation graphic in chosen colours and sizes, "
            "and copies it to the clipboard, saves it at a true scale (PNG, SVG, PDF) and prints it."))
        return *status;
    QApplication app(argc, argv);
    quorvel::Desktop desktop("quorvel_g", "org.quorvel.QuorvelG");
    quorvel::QtColourChooser colours;
    quorvel::QtClipboard clipboard;
    quorvel::GraphicsWindow f1({desktop.messages, desktop.end, desktop.shell, desktop.clock, quorvel::desktopfolders("orrag.ini")},
                    {colours, clipboard});
    colours.setparent(&f1);
    return desktop.run(f1, [&] { f1.Form_Load(); });
}
