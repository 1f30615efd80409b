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

}  // namespace

bool hasending(const std::string& path, const std::string& ending) {
    return path.size() >= ending.size() &&
           std::equal(ending.rbegin(), ending.rend(), path.rbegin(),
                      [](char e, char c) { return std::tolower(static_cast<unsigned char>(c)) == e; });
}

Outcome savefile(const std::string& path, const QByteArray& data) {
    QSaveFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.flush() || !f.commit())
        return Outcome::io("cannot write " + path + ": " + f.errorString().toStdString());
    return Outcome::ok();
}

std::optional<Outcome> writeimagefile(const std::string& path, QSize pixels,
                                           const std::function<std::string(QPaintDevice&)>& draw) {
    QByteArray data;
    std::string failure;
    if (hasending(path, ".svg")) {
        QBuffer buffer(&data);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(pixels);
        svg.setViewBox(QRect(QPoint(0, 0), pixels));
        svg.setTitle("Quorvel");
        failure = draw(svg);
    } else if (hasending(path, ".png")) {
        QImage image(pixels, QImage::Format_RGB32);
        if (image.isNull())
            return Outcome::input("could not make an image of " + std::to_string(pixels.width()) + " x " +
                                  std::to_string(pixels.height()) + " pixels: not enough memory");
        failure = draw(image);
        if (failure.empty()) {
            QBuffer buffer(&data);
            buffer.open(QIODevice::WriteOnly);
            if (!image.save(&buffer, "PNG")) return Outcome::io("could not encode the PNG image for " + path);
        }
    } else {
        return std::nullopt;
    }
    if (!failure.empty()) return Outcome::input(failure);
    return savefile(path, data);
}

Outcome exportpicture(const ExportRequest& r) {
    const auto result = writeimagefile(r.path, pixelsof(r.sizetwips, r.twipsperpixel),
                                       [&](QPaintDevice& device) { return drawon(r, device); });
    return result ? *result : Outcome::usage("the output file must end in .png or .svg");
}

}  // namespace quorvel
