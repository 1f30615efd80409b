#include "imagerows.h"

#include <cstring>
#include <new>
#include <vector>

namespace quorvel {

QImage::Format RowLayout::format() const {
    return colour ? (wide ? QImage::Format_RGBX64 : QImage::Format_RGB888)
                  : (wide ? QImage::Format_Grayscale16 : QImage::Format_Grayscale8);
}

namespace {

/// The red, green and blue of the pixel at p of a row of that format, 16 bits each.
struct Rgb16 {
    unsigned r, g, b;
};
Rgb16 rgbat(const uchar* p, bool wide, bool packed) {
    if (wide) {
        const auto* c = reinterpret_cast<const QRgba64*>(p);
        return {c->red(), c->green(), c->blue()};
    }
    if (packed) return {p[0] * 257u, p[1] * 257u, p[2] * 257u};
    const QRgb c = *reinterpret_cast<const QRgb*>(p);
    return {qRed(c) * 257u, qGreen(c) * 257u, qBlue(c) * 257u};
}

}  // namespace

void Luminances::brightness(const QImage& row, float* to, int step) {
    const bool wide = row.depth() == 64, packed = row.format() == QImage::Format_RGB888;
    const int bytes = packed ? 3 : wide ? 8 : 4, w = row.width();
    coloured_.resize(static_cast<size_t>(w)), which_.resize(static_cast<size_t>(w));
    distinct_.resize(static_cast<size_t>(w) * static_cast<size_t>(bytes));
    int colours = 0, runs = 0;  // pixels not grey, and runs of one colour among them
    const uchar* p = row.constScanLine(0);
    Rgb16 last{0, 0, 0};
    for (int i = 0; i < w; ++i, p += bytes) {
        const Rgb16 c = rgbat(p, wide, packed);
        if (c.r == c.g && c.g == c.b) {
            to[static_cast<ptrdiff_t>(i) * step] = c.r * (1.0f / 65535);
            continue;
        }
        if (colours == 0 || coloured_[static_cast<size_t>(colours - 1)] != i - 1 || c.r != last.r || c.g != last.g || c.b != last.b)
            std::memcpy(&distinct_[static_cast<size_t>(runs++) * static_cast<size_t>(bytes)], p, static_cast<size_t>(bytes));
        last = c;
        coloured_[static_cast<size_t>(colours)] = i, which_[static_cast<size_t>(colours++)] = runs - 1;
    }
    if (colours == 0) return;
    QImage distinct(distinct_.data(), runs, 1, row.format());
    distinct.setColorSpace(row.colorSpace());
    const QImage luminance =  // from 32 bits, not 24: Qt keeps 16 bits of it then
            (packed ? distinct.convertToFormat(QImage::Format_RGB32) : distinct).convertToFormat(QImage::Format_Grayscale16);
    const auto* l = reinterpret_cast<const quint16*>(luminance.constScanLine(0));
    for (size_t k = 0; k < static_cast<size_t>(colours); ++k)
        to[static_cast<ptrdiff_t>(coloured_[k]) * step] = l[which_[k]] * (1.0f / 65535);
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
    luminances_.brightness(in, to, step);
    uchar* at = out_.picture.scanLine(y) + 3 * x0;
    const ptrdiff_t next = 3 * step;
    if (!layout_.wide) {
        for (int i = 0; i < n; ++i, at += next) std::memcpy(at, row + 3 * i, 3);
        return;
    }
    const auto* wide = reinterpret_cast<const quint16*>(row);
    for (int i = 0; i < n; ++i, at += next, wide += 4)
        at[0] = eightbits(wide[0]), at[1] = eightbits(wide[1]), at[2] = eightbits(wide[2]);
}

void RowSink::finish() {
    if (!layout_.colour) out_.picture = stretchedpicture(out_.gray);
}

}  // namespace quorvel
