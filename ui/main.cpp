// quorvel: how the Sun's disk is oriented in the sky or in a telescope.
#include <QApplication>
#include <string>

#include "desktopstart.h"
#include "mainwindow.h"

int main(int argc, char** argv) {
    std::string image;
    if (const auto status = quorvel::commandline(argc, argv,
            "Quorvel shows how the Sun's disk is oriented in the sky or in a telescope, for a place, date "
            "and time: P, B0, L0, the Sun's position and the parallactic angle, and the disk as drawn.", &image))
        return *status;
    QApplication app(argc, argv);
    quorvel::Desktop desktop("quorvel", "org.quorvel.Quorvel");
    quorvel::MainWindow f1({desktop.messages, desktop.end, desktop.shell, desktop.clock, quorvel::desktopfolders("orra.ini")});
    return desktop.run(f1, [&] {
        f1.Form_Load();
        if (!image.empty()) f1.measureimage(image);
    });
}
