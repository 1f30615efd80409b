#include "imageload.h"

#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cmath>

#include "messagetext.h"

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

/// Brightness 0..1 of a Qt image, through the 16-bit grey conversion of each
/// row in turn (no grey copy of the whole image).
GrayImage grayof(const QImage& image) {
    const int w = image.width();
    GrayImage out{w, image.height(), std::vector<float>(static_cast<size_t>(w) * image.height())};
    for (int y = 0; y < image.height(); ++y) {
        const QImage g = image.copy(0, y, w, 1).convertToFormat(QImage::Format_Grayscale16);
        const auto* row = reinterpret_cast<const quint16*>(g.constScanLine(0));
        float* dst = &out.pixels[static_cast<size_t>(y) * w];
        for (int x = 0; x < w; ++x) dst[x] = row[x] * (1.0f / 65535);
    }
    return out;
}

Outcome damaged(const std::string& path, const QImageReader& reader) {
    return Outcome::input(
            fillin(MESSAGE_TEXT("Message", "The image %1 cannot be read; it may be damaged or cut short (%2)."),
                   {path, reader.errorString().toStdString()}));
}

/// A PNG, JPEG, TIFF or BMP image: its size checked from its header before
/// it is decoded, Qt's reader limited to what that size needs; the colour
/// picture shares the decoded pixels, a grey one is made from the brightness.
Outcome loadqt(const std::string& path, QIODevice& device, LoadedImage& out) {
    const QByteArray format = QImageReader::imageFormat(&device);
    if (std::find(std::begin(QT_FORMATS), std::end(QT_FORMATS), format) == std::end(QT_FORMATS))
        return Outcome::input(fillin(MESSAGE_TEXT("Message",
                                                  "%1 is not an image Quorvel can open: by its content it is none of "
                                                  "PNG, JPEG, TIFF, BMP and FITS."),
                                     {path}));
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
    if (!reader.read(&image) || image.isNull()) return damaged(path, reader);
    if (image.allGray()) {
        next.gray = grayof(image);
        image = QImage();
        next.picture = stretchedpicture(next.gray);
    } else {
        image.convertTo(QImage::Format_RGB32);  // in place where the depth allows
        next.gray = grayof(image);
        next.picture = std::move(image);
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
    const Outcome loaded = device.peek(9) == "SIMPLE  =" ? loadfits(path, file, next) : loadqt(path, device, next);
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
