// Takes the screenshots of the AppStream metadata with the programs' own
// windows, offscreen: quorvel and quorvel_g drawn for 2006 June 21, 12:00 at
// London, with the grid, the position angles and both arrows. The windows
// start as on a new account, from a folder without settings files.
//
// usage: screenshots FOLDER      (writes quorvel.png and quorvel_g.png there)
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <utility>

#include "desktop.h"
#include "graphicswindow.h"
#include "mainwindow.h"

namespace {

/// The moment of the pictures, as the windows' clock.
class PictureClock : public quorvel::Clock {
public:
    QDateTime now() const override { return QDateTime(QDate(2006, 6, 21), QTime(12, 0)); }
};

/// A message box would stand in the picture: each message is printed and
/// fails the run.
class MessagesFail : public quorvel::MessageBoxes {
public:
    void showmessage(const std::string& title, const std::string& text) override {
        std::fprintf(stderr, "screenshots: %s: %s\n", title.c_str(), text.c_str());
        failed = true;
    }
    bool failed = false;
};

/// Types the observation into the window's fields, ticks the overlays and
/// presses the view button; false when the window lacks one of them.
bool drawexample(QWidget& window, const char* button) {
    const std::pair<const char*, const char*> fields[] = {
        {"txtday", "21"}, {"txtmonth", "6"}, {"txtyear", "2006"}, {"txthour", "12"},
        {"txtmin", "0"},  {"txttz", "0"},    {"txtlat", "51.5"},  {"txtlong", "0"}};
    for (const auto& [name, text] : fields) {
        auto* field = window.findChild<QLineEdit*>(name);
        if (!field) return false;
        field->setText(text);
    }
    for (const char* name : {"chkgrid", "chkposang", "chkdrift", "chksunrot"})
        if (auto* box = window.findChild<QCheckBox*>(name)) box->setChecked(true);
    auto* press = window.findChild<QPushButton*>(button);
    if (!press) return false;
    press->setFocus();  // as a click of the mouse leaves it
    press->click();
    return true;
}

/// The window shown, drawn by its view button once laid out, as a PNG file.
bool grabwindow(QWidget& window, const char* button, const QString& path) {
    window.show();
    QApplication::processEvents();
    if (!drawexample(window, button)) return false;
    QApplication::processEvents();
    return window.grab().save(path, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots FOLDER\n");
        return 2;
    }
    QApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir folder;  // the settings of a first start, written there
    const std::string settings = folder.path().toStdString();
    PictureClock clock;
    MessagesFail messages;
    quorvel::QtProgramEnd end;
    quorvel::DesktopShell shell;

    quorvel::MainWindow viewer({messages, end, shell, clock, quorvel::Folders(settings)});
    viewer.Form_Load();
    bool taken = grabwindow(viewer, "butdraw", out + "/quorvel.png");

    quorvel::QtColourChooser colours;
    quorvel::QtClipboard clipboard;
    quorvel::GraphicsWindow graphics({messages, end, shell, clock, quorvel::Folders(settings)}, {colours, clipboard});
    graphics.Form_Load();
    taken = taken && grabwindow(graphics, "comgraph", out + "/quorvel_g.png");
    if (!taken) std::fprintf(stderr, "screenshots: a window could not be drawn or saved in %s\n", argv[1]);
    return taken && !messages.failed && !end.ended() ? 0 : 1;
}
