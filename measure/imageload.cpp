#include "imageload.h"

#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <cstring>

#include <sys/mman.h>
#include <unistd.h>

#include "imagerows.h"
#include "messagetext.h"
#include "pngload.h"
#include "tiffload.h"

namespace quorvel {
namespace {

/// The formats Qt's readers open for measuring, as they name them by content.
const QByteArray QT_FORMATS[] = {"png", "jpeg", "tiff", "bmp"};

/// A whole number with a comma between thousands.
std::string thousands(int64_t n) {
    const std::string digits = std::to_string(n);
    std::string t;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) t += ',';
        t += digits[i];
    }
    return t;
}

/// Gives back to the system the whole pages within [from, to): memory of
/// the image that has been read and is not needed again.
void releasepages(const uchar* from, const uchar* to) {
    const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const uintptr_t first = (reinterpret_cast<uintptr_t>(from) + page - 1) / page * page;
    const uintptr_t last = reinterpret_cast<uintptr_t>(to) / page * page;
    if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
}

/// Whether the image's format holds colour as plain (not premultiplied) channels of 8 or 16 bits.
bool plaincolour(const QImage& image, bool& wide) {
    const QImage::Format f = image.format();
    wide = f == QImage::Format_RGBX64 || f == QImage::Format_RGBA64;
    return wide || f == QImage::Format_RGB32 || f == QImage::Format_ARGB32;
}

/// The brightness 0..1 of one row into to: of a colour one as Luminances
/// gives it, else through Qt's 16-bit grey conversion.
void rowbrightness(const QImage& row, Luminances& colour, float* to) {
    bool wide = false;
    if (plaincolour(row, wide)) return colour.brightness(row, to, 1);
    const QImage g = row.convertToFormat(QImage::Format_Grayscale16);
    const auto* grey = reinterpret_cast<const quint16*>(g.constScanLine(0));
    for (int x = 0; x < row.width(); ++x) to[x] = grey[x] * (1.0f / 65535);
}

/// One row in 24-bit colour into to: 16-bit channels rounded to 8.
void rowcolour(const QImage& row, uchar* to) {
    bool wide = false;
    if (!plaincolour(row, wide) || !wide) {
        std::memcpy(to, row.convertToFormat(QImage::Format_RGB888).constScanLine(0), 3 * static_cast<size_t>(row.width()));
        return;
    }
    const auto* p = reinterpret_cast<const QRgba64*>(row.constScanLine(0));
    for (int x = 0; x < row.width(); ++x, to += 3)
        to[0] = eightbits(p[x].red()), to[1] = eightbits(p[x].green()), to[2] = eightbits(p[x].blue());
}

/// Brightness 0..1 of a Qt image, a row at a time (rowbrightness), and,
/// where picture is given, the image in 24-bit colour.
///
/// Notes:
/// 1. The image's rows are given back to the system once they are read, and
///    the brightness and the picture take memory only as they are written:
///    the three together never need more than the larger of the image and
///    the other two (a 16-bit colour image: 8 bytes a pixel, not 15).
GrayImage grayof(QImage& image, QImage* picture) {
    const int w = image.width(), h = image.height();
    GrayImage out{w, h, {}};
    out.pixels.reserve(static_cast<size_t>(w) * h);  // untouched until written
    if (picture) *picture = QImage(w, h, QImage::Format_RGB888);  // the same
    if (picture && picture->isNull()) throw std::bad_alloc();
    const uchar* start = image.bits();  // the only reference: no copy
    std::vector<float> brightness(static_cast<size_t>(w));
    Luminances luminances;
    for (int y = 0; y < h; ++y) {
        const QImage row = image.copy(0, y, w, 1);
        rowbrightness(row, luminances, brightness.data());
        out.pixels.insert(out.pixels.end(), brightness.begin(), brightness.end());
        if (picture) rowcolour(row, picture->scanLine(y));
        releasepages(start, image.constScanLine(y) + image.bytesPerLine());
    }
    image = QImage();
    return out;
}

Outcome damaged(const std::string& path, const QImageReader& reader) {
    return unreadableimage(path, reader.errorString().toStdString());
}

/// A PNG, JPEG, TIFF or BMP image (fd the file): a PNG read by loadpng, most
/// TIFFs by loadtiff; the others by Qt, their size checked from their header
/// before they are decoded, Qt's reader limited to what that size needs, the
/// colour picture made row by row with the brightness, a grey one from the brightness.
Outcome loadqt(const std::string& path, QIODevice& device, int fd, LoadedImage& out) {
    const QByteArray format = QImageReader::imageFormat(&device);
    if (std::find(std::begin(QT_FORMATS), std::end(QT_FORMATS), format) == std::end(QT_FORMATS))
        return Outcome::input(fillin(MESSAGE_TEXT("Message",
                                                  "%1 is not an image Quorvel can open: by its content it is none of "
                                                  "PNG, JPEG, TIFF, BMP and FITS."),
                                     {path}));
    if (format == "png") return loadpng(path, device, out);
    if (format == "tiff")
        if (std::optional<Outcome> read = loadtiff(path, fd, out)) return *read;
    LoadedImage next;
    if (format == "jpeg") {
        const QByteArray start = device.peek(EXIF_BYTES);
        next.camera = exifdate(std::string_view(start.constData(), static_cast<size_t>(start.size())));
    }
    QImageReader reader(&device, format);
    const QSize size = reader.size();
    if (!size.isValid()) return damaged(path, reader);
    if (Outcome fits = checkimagesize(path, size.width(), size.height()); !fits.done()) return fits;
    reader.setAllocationLimit(static_cast<int>(int64_t{size.width()} * size.height() * 8 / (1 << 20)) + 1);
    QImage image;
    if (const QImage::Format f = reader.imageFormat(); f != QImage::Format_Invalid) {
        image = QImage(size, f);  // the reader decodes into it: a failure to allocate is told as such
        if (image.isNull()) throw std::bad_alloc();
    }
    if (!reader.read(&image) || image.isNull()) return damaged(path, reader);
    if (image.allGray()) {
        next.gray = grayof(image, nullptr);
        next.picture = stretchedpicture(next.gray);
    } else {
        next.gray = grayof(image, &next.picture);
    }
    out = std::move(next);
    return Outcome::ok();
}

float percentileof(std::vector<float>& v, double q) {
    const auto k = v.begin() + static_cast<std::ptrdiff_t>(q * static_cast<double>(v.size() - 1));
    std::nth_element(v.begin(), k, v.end());
    return *k;
}

}  // namespace

Outcome checkimagesize(const std::string& path, int64_t width, int64_t height) {
    const std::string w = std::to_string(width), h = std::to_string(height);
    if (width < SMALLEST_SIDE || height < SMALLEST_SIDE)
        return Outcome::input(
                fillin(MESSAGE_TEXT("Message", "The image %1 (%2 x %3 pixels) is too small to hold a solar disk."),
                       {path, w, h}));
    if (width > LARGEST_IMAGE_SIDE || height > LARGEST_IMAGE_SIDE || width * height > LARGEST_IMAGE_PIXELS)
        return Outcome::input(fillin(MESSAGE_TEXT("Message",
                                                  "The image %1 (%2 x %3 pixels) is larger than Quorvel measures: at "
                                                  "most %4 pixels, %5 on a side."),
                                     {path, w, h, thousands(LARGEST_IMAGE_PIXELS), thousands(LARGEST_IMAGE_SIDE)}));
    return Outcome::ok();
}

Outcome unreadableimage(const std::string& path, const std::string& why) {
    return Outcome::input(
            fillin(MESSAGE_TEXT("Message", "The image %1 cannot be read; it may be damaged or cut short (%2)."), {path, why}));
}

Outcome withinmemory(const std::string& path, const std::function<Outcome()>& step) {
    try {
        return step();
    } catch (const std::bad_alloc&) {
        return Outcome::input(fillin(MESSAGE_TEXT("Message", "%1: not enough memory for this image"), {path}));
    }
}

Outcome loadimage(const std::string& path, LoadedImage& image) {
    InputFile file;
    if (Outcome opened = file.open(path); !opened.done()) return opened;
    QFile device;
    if (!device.open(file.fd(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return Outcome::io(
                fillin(MESSAGE_TEXT("Message", "cannot read %1: %2"), {path, device.errorString().toStdString()}));
    LoadedImage next;
    const Outcome loaded = device.peek(9) == "SIMPLE  =" ? loadfits(path, file, next) : loadqt(path, device, file.fd(), next);
    if (!loaded.done()) return loaded;
    image = std::move(next);
    return Outcome::ok();
}

QImage stretchedpicture(const GrayImage& g) {
    std::vector<float> some;  // about a million samples decide the stretch
    const size_t n = g.pixels.size(), step = std::max<size_t>(1, n / 1000000);
    for (size_t i = 0; i < n; i += step)
        if (!std::isnan(g.pixels[i])) some.push_back(g.pixels[i]);
    float lo = 0, hi = 1;
    if (!some.empty()) {
        lo = percentileof(some, 0.005);
        hi = percentileof(some, 0.999);
    }
    const float scale = hi > lo ? 255.0f / (hi - lo) : 0.0f;
    QImage picture(g.width, g.height, QImage::Format_Grayscale8);
    if (picture.isNull()) throw std::bad_alloc();  // no memory for it
    for (int32_t y = 0; y < g.height; ++y) {
        uchar* row = picture.scanLine(y);
        const float* src = &g.pixels[static_cast<size_t>(y) * g.width];
        for (int32_t x = 0; x < g.width; ++x) {
            float v = (src[x] - lo) * scale + 0.5f;
            v = v > 0 ? v : 0;  // NaN too
            row[x] = static_cast<uchar>(v < 255 ? v : 255);
        }
    }
    return picture;
}

}  // namespace quorvel
