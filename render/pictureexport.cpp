#include "pictureexport.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QSvgGenerator>
#include <cmath>

#include "filewrite.h"
#include "headless.h"
#include "graphicsview.h"
#include "picture.h"
#include "qpaintersurface.h"
#include "messagetext.h"

namespace quorvel {

bool hasending(const std::string& path, const std::string& ending) {
    return path.size() >= ending.size() &&
           std::equal(ending.rbegin(), ending.rend(), path.rbegin(),
                      [](char e, char c) { return std::tolower(static_cast<unsigned char>(c)) == e; });
}

bool writesformat(const std::string& path, const std::string& ending) {
    return path == STANDARD_OUTPUT ? ending == ".png" : hasending(path, ending);
}

Outcome savefile(const std::string& path, const QByteArray& data) {
    const Outcome written =
        writefile(path, std::string_view(data.constData(), static_cast<size_t>(data.size())), WriteTarget::streamable);
    if (written.done()) return written;
    return Outcome::io(fillin(MESSAGE_TEXT("Message", "cannot write %1: %2"),
                              {path == STANDARD_OUTPUT ? std::string(MESSAGE_TEXT("Message", "standard output")) : path,
                               written.message}));
}

std::optional<Outcome> writeimagefile(const std::string& path, QSize logical, double scale, double ratio,
                                      const std::function<Outcome(QPaintDevice&, double)>& draw) {
    QByteArray data;
    const QSize device(static_cast<int>(std::ceil(logical.width() * scale)),
                       static_cast<int>(std::ceil(logical.height() * scale)));
    if (writesformat(path, ".svg")) {
        QBuffer buffer(&data);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(device);
        svg.setViewBox(QRect(QPoint(0, 0), device));
        svg.setResolution(static_cast<int>(std::lround(96 * scale)));  // a logical pixel is 1/96 inch
        svg.setTitle("Quorvel");
        if (Outcome o = draw(svg, scale); !o.done()) return o;
    } else if (writesformat(path, ".png")) {
        QImage image = ratioimage(logical, scale);
        if (image.isNull())
            return Outcome::input(
                    fillin(MESSAGE_TEXT("Message", "could not make an image of %1 x %2 pixels: not enough memory"),
                           {std::to_string(device.width()), std::to_string(device.height())}));
        const int dotspermetre = static_cast<int>(std::lround(96 * ratio / 0.0254));
        image.setDotsPerMeterX(dotspermetre);
        image.setDotsPerMeterY(dotspermetre);
        if (Outcome o = draw(image, 1); !o.done()) return o;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            return Outcome::io(fillin(MESSAGE_TEXT("Message", "could not encode the PNG image for %1"), {path}));
    } else {
        return std::nullopt;
    }
    return savefile(path, data);
}

Outcome writeredrawlog(const std::string& path, const HeadlessRedraw& redraw, const RecordingSurface& surface) {
    return savefile(path, QByteArray::fromStdString(redraw.captions() + surface.log()));
}

Outcome exportpicture(const ExportRequest& r) {
    const PictureStep picture =
        r.graphicsnormal ? PictureStep([&](Surface& s, RedrawState& st, const PictureControls& c, ArrowPoints& pts) {
            drawnormalgpicture(s, st, c, r.style, r.sizes, pts);
        })
                         : PictureStep(drawpicture);
    HeadlessRedraw redraw(r.checked);
    auto draw = [&](Surface& surface) {
        return redraw.draw(surface, r.fields, r.altaz, picture,
                           r.graphicsnormal ? CaptionStyle::graphics : CaptionStyle::viewer);
    };
    if (writesformat(r.path, ".log")) {
        RecordingSurface surface(static_cast<float>(r.sizetwips.width()), static_cast<float>(r.sizetwips.height()),
                                 r.twipsperpixel);
        if (Outcome o = draw(surface); !o.done()) return o;
        return writeredrawlog(r.path, redraw, surface);
    }
    const auto result = writeimagefile(
        r.path, pixelsof(r.sizetwips, r.twipsperpixel), 1, 1, [&](QPaintDevice& device, double devicescale) {
            QPainterSurface surface(device, r.sizetwips, r.twipsperpixel, devicescale);
            return draw(surface);
        });
    return result ? *result : Outcome::usage(MESSAGE_TEXT("Message", "the output file must end in .png, .svg or .log"));
}

}  // namespace quorvel
