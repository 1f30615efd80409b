// Takes the screenshots of the AppStream metadata with the programs' own
// windows, offscreen: quorvel and quorvel_g drawn for 2006 June 21, 12:00 at
// London, with the grid, the position angles and both arrows. The windows
// start as on a new account, from a folder without settings files.
//
// usage: screenshots FOLDER      (writes quorvel.png and quorvel_g.png there)
#include <QApplication>
#include <cstdio>

#include "mainwindow.h"
#include "windowgrab.h"

namespace {

/// The window's picture as a PNG file.
bool grabwindow(QWidget& window, const char* button, const QString& path) {
    const QImage picture = grabexample(window, button);
    return !picture.isNull() && picture.save(path, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots FOLDER\n");
        return 2;
    }
    QApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    FirstStart start("screenshots");
    quorvel::MainWindow viewer(start.services());
    viewer.Form_Load();
    bool taken = grabwindow(viewer, "butdraw", out + "/quorvel.png");
    quorvel::GraphicsWindow graphics(start.services(), start.graphics());
    graphics.Form_Load();
    taken = taken && grabwindow(graphics, "comgraph", out + "/quorvel_g.png");
    if (!taken) std::fprintf(stderr, "screenshots: a window could not be drawn or saved in %s\n", argv[1]);
    return taken && !start.failed() ? 0 : 1;
}
