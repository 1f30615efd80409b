#include "svgraster.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace quorvel {

Outcome svgtopng(const std::string& svg, const std::string& path) {
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    if (!renderer.isValid()) return Outcome::io("the plot is not a picture the SVG renderer reads");
    QImage image(renderer.defaultSize() * SVG_TO_PNG_SCALE, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.save(QString::fromStdString(path), "PNG") ? Outcome::ok()
                                                         : Outcome::io("cannot write " + path, FAULT_PERMISSION_DENIED);
}

}  // namespace quorvel
