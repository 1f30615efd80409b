#include "spotoverlay.h"

#include <QPainter>
#include <algorithm>

#include "outline.h"
#include "spotgroup.h"

namespace quorvel {
namespace {

void paintpixels(QImage& picture, const std::vector<int64_t>& pixels, int32_t width, const QColor& colour) {
    for (int64_t i : pixels) {
        const int x = static_cast<int>(i % width), y = static_cast<int>(i / width);
        if (x < picture.width() && y < picture.height()) picture.setPixelColor(x, y, colour);
    }
}

}  // namespace

void drawspots(QImage& picture, const SpotSurvey& survey, double l0, const QColor& penumbra, const QColor& umbra) {
    if (picture.format() != QImage::Format_ARGB32 && picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_ARGB32);
    const int32_t width = picture.width();
    for (const SpotOutline& o : spotoutlines(survey, width)) paintpixels(picture, o.edge, width, o.umbra ? umbra : penumbra);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const int size = std::max(12, std::min(picture.width(), picture.height()) / 60);  // pixels
    QFont font;
    font.setPixelSize(size);
    p.setFont(font);
    p.setPen(QPen(penumbra, std::max(1, size / 8)));
    const std::vector<SpotGroup> groups = spotgroups(survey, l0);
    for (const SpotGroup& g : groups) {
        const Spot* west = nullptr;
        for (const Spot& s : survey.spots) {
            if (s.pixels.empty() && s.group == g.id)  // a point: a small cross
                p.drawLine(QPointF(s.row.x - size / 3.0, s.row.y), QPointF(s.row.x + size / 3.0, s.row.y)),
                    p.drawLine(QPointF(s.row.x, s.row.y - size / 3.0), QPointF(s.row.x, s.row.y + size / 3.0));
            if (s.group == g.id && (!west || s.row.disk.cmd > west->row.disk.cmd)) west = &s;
        }
        if (west) p.drawText(QPointF(west->row.x + size * 0.8, west->row.y - size * 0.5), QString::number(g.number));
    }
}

}  // namespace quorvel
