#include "windowfigures.h"

#include <QApplication>
#include <QFile>

#include "figuresun.h"
#include "graphicswindow.h"
#include "measurewindow.h"
#include "windowgrab.h"

namespace {

constexpr QSize MEASURE_WINDOW(1180, 740);  // logical pixels: the window on a 1366 x 768 screen

}  // namespace

QImage graphicswindowfigure() {
    FirstStart start("makehelp");
    quorvel::GraphicsWindow graphics(start.services(), start.graphics());
    graphics.Form_Load();
    const QImage picture = grabexample(graphics, "comgraph");
    return start.failed() ? QImage() : picture;
}

QImage measurewindowfigure(const QString& folder) {
    const QString path = folder + "/sun.png";
    if (!figuresun().save(path, "PNG")) return {};
    MessagesFail messages("makehelp");
    quorvel::QtClipboard clipboard;
    quorvel::MeasureServices services;
    services.messages = &messages;
    services.clipboard = &clipboard;
    services.confirm = [](const std::string&) { return true; };
    quorvel::MeasureStart start;
    start.fields = {"21", "6", "2006", "15", "30", "0", false, "51.5", "-10"};
    quorvel::MeasureWindow window(start, services);
    window.resize(MEASURE_WINDOW);
    window.show();
    QApplication::processEvents();
    bool measured = window.openimage(path.toStdString()).done();
    window.keepdate();
    for (const auto& spot : FIGURE_SPOTS) measured = measured && window.addspot(spot[0], spot[1]);
    QApplication::processEvents();
    const QImage picture = window.grab().toImage();
    QFile::remove(path);
    return measured && !messages.failed ? picture : QImage();
}
