#include "imagerows.h"

#include <cstring>
#include <new>

namespace quorvel {

QImage::Format RowLayout::format() const {
    return colour ? (wide ? QImage::Format_RGBX64 : QImage::Format_RGB888)
                  : (wide ? QImage::Format_Grayscale16 : QImage::Format_Grayscale8);
}

void colourbrightness(const QImage& row, float* to, int step) {
    const bool wide = row.depth() == 64, packed = row.format() == QImage::Format_RGB888;
    const QImage luminance =  // from 32 bits, not 24: Qt keeps 16 bits of it then
            (packed ? row.convertToFormat(QImage::Format_RGB32) : row).convertToFormat(QImage::Format_Grayscale16);
    const auto* l = reinterpret_cast<const quint16*>(luminance.constScanLine(0));
    const uchar* p = row.constScanLine(0);
    const int bytes = packed ? 3 : wide ? 8 : 4;
    for (int i = 0; i < row.width(); ++i, p += bytes) {
        unsigned r, g, b;
        if (wide) {
            const auto* c = reinterpret_cast<const QRgba64*>(p);
            r = c->red(), g = c->green(), b = c->blue();
        } else if (packed) {
            r = p[0] * 257u, g = p[1] * 257u, b = p[2] * 257u;
        } else {
            const QRgb c = *reinterpret_cast<const QRgb*>(p);
            r = qRed(c) * 257u, g = qGreen(c) * 257u, b = qBlue(c) * 257u;
        }
        to[static_cast<ptrdiff_t>(i) * step] = (r == g && g == b ? r : l[i]) * (1.0f / 65535);
    }
}

RowSink::RowSink(RowLayout layout, QColorSpace space, int width, int height, LoadedImage& out)
    : layout_(layout), space_(std::move(space)), out_(out) {
    out.gray.width = width, out.gray.height = height;
    out.gray.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    if (layout.colour) out.picture = QImage(width, height, QImage::Format_RGB888);
    if (layout.colour && out.picture.isNull()) throw std::bad_alloc();
}

void RowSink::put(const uchar* row, int n, int x0, int step, int y) {
    QImage in(row, n, 1, layout_.format());
    float* to = &out_.gray.pixels[static_cast<size_t>(y) * static_cast<size_t>(out_.gray.width)] + x0;
    if (!layout_.colour) {
        const QImage grey = layout_.wide ? in : in.convertToFormat(QImage::Format_Grayscale16);
        const auto* g = reinterpret_cast<const quint16*>(grey.constScanLine(0));
        for (int i = 0; i < n; ++i) to[i * step] = g[i] * (1.0f / 65535);
        return;
    }
    if (space_.isValid()) in.setColorSpace(space_);
    colourbrightness(in, to, step);
    uchar* at = out_.picture.scanLine(y) + 3 * x0;
    const ptrdiff_t next = 3 * step;
    if (!layout_.wide) {
        for (int i = 0; i < n; ++i, at += next) std::memcpy(at, row + 3 * i, 3);
        return;
    }
    const auto* wide = reinterpret_cast<const quint16*>(row);
    for (int i = 0; i < n; ++i, at += next, wide += 4)  // 16 bits rounded to 8
        for (int k = 0; k < 3; ++k) at[k] = static_cast<uchar>((wide[k] * 255u + 32767u) / 65535u);
}

void RowSink::finish() {
    if (!layout_.colour) out_.picture = stretchedpicture(out_.gray);
}

}  // namespace quorvel
