#include "figurelayout.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "diskpicture.h"

namespace {

constexpr double LABEL_PX = 12;   // label height, logical pixels
constexpr double GAP = 6;         // between labels and between a label and its picture, logical pixels
constexpr double CAPTION_PX = 13;

/// A callout placed: its text's box in the column, logical pixels.
struct Placed {
    Callout callout;
    QRectF box;
    bool left = true;
};

/// Stacks the labels of one column from the top, each as near its anchor's height as the others allow.
void stack(std::vector<Placed>& column, double width, double x) {
    std::sort(column.begin(), column.end(),
              [](const Placed& a, const Placed& b) { return a.callout.anchor.y() < b.callout.anchor.y(); });
    const QFontMetricsF metrics(figurefont(LABEL_PX));
    double next = GAP;
    for (Placed& p : column) {
        const QRectF need = metrics.boundingRect(QRectF(0, 0, width * FIGURE_SCALE, 1e6),
                                                 Qt::TextWordWrap, p.callout.text);
        const double h = need.height() / FIGURE_SCALE;
        const double top = std::max(next, p.callout.anchor.y() - h / 2);
        p.box = QRectF(x, top, width, h);
        next = top + h + GAP;
    }
}

QRectF scaled(const QRectF& r) {
    return {r.x() * FIGURE_SCALE, r.y() * FIGURE_SCALE, r.width() * FIGURE_SCALE, r.height() * FIGURE_SCALE};
}

}  // namespace

QFont figurefont(double pixels, bool bold) {
    QFont font("Liberation Sans");
    font.setPixelSize(static_cast<int>(std::lround(pixels * FIGURE_SCALE)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QImage calloutfigure(const QImage& picture, const std::vector<Callout>& callouts, double column) {
    const QSizeF size(picture.width() / FIGURE_SCALE, picture.height() / FIGURE_SCALE);
    const double textwidth = column - 2 * GAP;
    std::vector<Placed> left, right;
    for (const Callout& c : callouts) (c.anchor.x() < size.width() / 2 ? left : right).push_back({c, {}, true});
    for (Placed& p : right) p.left = false;
    stack(left, textwidth, GAP);
    stack(right, textwidth, column + size.width() + GAP);
    double height = size.height();
    for (const auto* side : {&left, &right})
        for (const Placed& p : *side) height = std::max(height, p.box.bottom() + GAP);

    QImage figure(static_cast<int>(std::ceil((size.width() + 2 * column) * FIGURE_SCALE)),
                  static_cast<int>(std::ceil(height * FIGURE_SCALE)), QImage::Format_RGB32);
    figure.fill(Qt::white);
    QPainter p(&figure);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(QPointF(column * FIGURE_SCALE, 0), picture);
    p.setFont(figurefont(LABEL_PX));
    const QColor ink(40, 40, 40);
    for (const auto* side : {&left, &right})
        for (const Placed& placed : *side) {
            const QPointF anchor = (placed.callout.anchor + QPointF(column, 0)) * FIGURE_SCALE;
            const QPointF from((placed.left ? placed.box.right() + 2 : placed.box.left() - 2) * FIGURE_SCALE,
                               placed.box.center().y() * FIGURE_SCALE);
            p.setPen(QPen(ink, 0.8 * FIGURE_SCALE));
            p.drawLine(from, anchor);
            p.setBrush(ink);
            p.drawEllipse(anchor, 2 * FIGURE_SCALE, 2 * FIGURE_SCALE);
            p.drawText(scaled(placed.box), (placed.left ? Qt::AlignRight : Qt::AlignLeft) | Qt::TextWordWrap,
                       placed.callout.text);
        }
    return figure;
}

QImage sidebyside(const std::vector<std::pair<QImage, QString>>& panels) {
    int width = 0, height = 0;
    for (const auto& panel : panels) {
        width += panel.first.width();
        height = std::max(height, panel.first.height());
    }
    const int captionh = static_cast<int>(3 * CAPTION_PX * FIGURE_SCALE);
    QImage figure(width, height + captionh, QImage::Format_RGB32);
    figure.fill(Qt::white);
    QPainter p(&figure);
    p.setFont(figurefont(CAPTION_PX));
    p.setPen(Qt::black);
    int x = 0;
    for (const auto& [image, caption] : panels) {
        p.drawImage(x, 0, image);
        p.drawText(QRect(x, height, image.width(), captionh), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                   caption);
        x += image.width();
    }
    return figure;
}

QImage abovebelow(const QImage& top, const QImage& bottom) {
    QImage figure(std::max(top.width(), bottom.width()), top.height() + bottom.height(), QImage::Format_RGB32);
    figure.fill(Qt::white);
    QPainter p(&figure);
    p.drawImage((figure.width() - top.width()) / 2, 0, top);
    p.drawImage((figure.width() - bottom.width()) / 2, top.height(), bottom);
    return figure;
}
