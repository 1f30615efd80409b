#include "imageload.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

constexpr int ALLOCATION_LIMIT_MB = 2048;  // Qt's readers refuse larger images

/// Brightness 0..1 of a Qt image, through its 16-bit grey conversion.
GrayImage grayof(const QImage& image) {
    const QImage g = image.convertToFormat(QImage::Format_Grayscale16);
    GrayImage out{g.width(), g.height(), std::vector<float>(static_cast<size_t>(g.width()) * g.height())};
    for (int y = 0; y < g.height(); ++y) {
        const auto* row = reinterpret_cast<const quint16*>(g.constScanLine(y));
        float* dst = &out.pixels[static_cast<size_t>(y) * g.width()];
        for (int x = 0; x < g.width(); ++x) dst[x] = row[x] * (1.0f / 65535);
    }
    return out;
}

Outcome loadqt(const std::string& path, LoadedImage& out) {
    QImageReader reader(QString::fromStdString(path));
    reader.setAllocationLimit(ALLOCATION_LIMIT_MB);
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        if (reader.error() == QImageReader::UnsupportedFormatError)
            return Outcome::input(path + " is not an image Quorvel can open (PNG, JPEG, TIFF, BMP or FITS).");
        return Outcome::input("The image " + path + " cannot be read; it may be damaged or cut short (" +
                              reader.errorString().toStdString() + ").");
    }
    LoadedImage next;
    next.gray = grayof(image);
    next.picture = image.allGray() ? stretchedpicture(next.gray) : image.convertToFormat(QImage::Format_RGB32);
    out = std::move(next);
    return Outcome::ok();
}

float percentileof(std::vector<float>& v, double q) {
    const auto k = v.begin() + static_cast<std::ptrdiff_t>(q * static_cast<double>(v.size() - 1));
    std::nth_element(v.begin(), k, v.end());
    return *k;
}

}  // namespace

Outcome loadimage(const std::string& path, LoadedImage& image) {
    const QFileInfo info(QString::fromStdString(path));
    if (!info.exists()) return Outcome::io("cannot read " + path + ": there is no such file");
    QFile file(info.filePath());
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        return Outcome::io("cannot read " + path + ": " + (info.isDir() ? "it is a folder" : file.errorString().toStdString()));
    const QByteArray head = file.read(9);
    file.close();
    LoadedImage next;
    const Outcome loaded = head == "SIMPLE  =" ? loadfits(path, next) : loadqt(path, next);
    if (!loaded.done()) return loaded;
    if (!next.gray.holdsdisk())
        return Outcome::input("The image " + path + " (" + std::to_string(next.gray.width) + " x " +
                              std::to_string(next.gray.height) + " pixels) is too small to hold a solar disk.");
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
