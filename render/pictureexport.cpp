#include "pictureexport.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QSaveFile>
#include <QSvgGenerator>

#include "drawroutine.h"
#include "qpaintersurface.h"

namespace quorvel {
namespace {

class RequestControls : public PictureControls {
public:
    explicit RequestControls(const std::set<CheckBox>& on) : on_(on) {}
    bool checked(CheckBox box) const override { return on_.count(box) > 0; }

private:
    const std::set<CheckBox>& on_;
};

class NoLabels : public LabelSink {
public:
    void setcaption(ResultLabel, const std::string&) override {}
};

class KeptMessages : public MessageBoxes {
public:
    void showmessage(const std::string&, const std::string& text) override { last = text; }
    std::string last;
};

class NoEnd : public ProgramEnd {
public:
    void endprogram() override {}
};

bool endswith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && std::equal(tail.rbegin(), tail.rend(), s.rbegin(),
                                                 [](char a, char b) { return std::tolower(a) == b; });
}

/// Draws the request on a surface over device; "" or the message of a failure.
std::string drawon(const ExportRequest& r, QPaintDevice& device) {
    QPainterSurface surface(device, r.sizetwips, r.twipsperpixel);
    RequestControls controls(r.checked);
    NoLabels labels;
    KeptMessages messages;
    NoEnd end;
    DrawPlatform platform{surface, controls, labels, messages, end, '.'};
    DrawRoutine routine;
    const DrawOutcome outcome = routine.draw(r.fields, r.altaz, platform);
    surface.finish();
    return outcome == DrawOutcome::drawn ? "" : messages.last;
}

std::string save(const std::string& path, const QByteArray& data) {
    QSaveFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.commit())
        return "cannot write " + path + ": " + f.errorString().toStdString();
    return "";
}

}  // namespace

ExportResult exportpicture(const ExportRequest& r) {
    const QSize pixels = pixelsof(r.sizetwips, r.twipsperpixel);
    QByteArray data;
    std::string failure;
    if (endswith(r.path, ".svg")) {
        QBuffer buffer(&data);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(pixels);
        svg.setViewBox(QRect(QPoint(0, 0), pixels));
        svg.setTitle("Quorvel");
        failure = drawon(r, svg);
    } else if (endswith(r.path, ".png")) {
        QImage image(pixels, QImage::Format_RGB32);
        failure = drawon(r, image);
        if (failure.empty()) {
            QBuffer buffer(&data);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
        }
    } else {
        return {false, "the output file must end in .png or .svg"};
    }
    if (failure.empty()) failure = save(r.path, data);
    return {failure.empty(), failure};
}

}  // namespace quorvel
