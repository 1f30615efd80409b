// PNG images of every kind, written here by the test's own encoder (colour
// types, bit depths, palettes with transparency, Adam7 interlacing), and
// TIFF and BMP images written by Qt, read back pixel for pixel: the
// brightness and the picture.
#include <gtest/gtest.h>
#include <tiffio.h>
#include <zlib.h>

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <fstream>
#include <functional>

#include "imageload.h"
#include "pngchunks.h"

namespace quorvel {
namespace {

using test::be32;
using test::chunk;

constexpr int W = 37, H = 23;

/// A pixel of the test's pattern: red, green, blue and alpha, 0..65535.
struct Rgba {
    int r, g, b, a;
};
Rgba pattern(int x, int y) {
    return {(x * 1771 + y * 37) % 65536, (y * 2851 + x * 91) % 65536, ((x ^ y) * 1499) % 65536, 65535 - x * 300};
}

struct Kind {
    const char* name;
    int colourtype, depth;  // as PNG stores them
    bool interlaced;
};


/// The stored samples of pixel (x, y) under k: a palette index is x % 16.
std::vector<int> samples(const Kind& k, int x, int y) {
    const Rgba p = pattern(x, y);
    const int grey = p.g, top = (1 << k.depth) - 1;
    const auto scaled = [&](int v) { return int(int64_t{v} * top / 65535); };
    switch (k.colourtype) {
        case 0: return {scaled(grey)};
        case 2: return {scaled(p.r), scaled(p.g), scaled(p.b)};
        case 3: return {x % 16};
        case 4: return {scaled(grey), scaled(p.a)};
        default: return {scaled(p.r), scaled(p.g), scaled(p.b), scaled(p.a)};
    }
}

/// One row of the pixels at x0, x0 + dx, ... of row y, filter byte first, samples packed big-endian.
std::string row(const Kind& k, int y, int x0, int dx) {
    std::string out(1, '\0');
    unsigned bits = 0, held = 0;
    for (int x = x0; x < W; x += dx)
        for (int s : samples(k, x, y)) {
            if (k.depth == 16) out += char(s >> 8), out += char(s);
            else bits = bits << k.depth | unsigned(s), held += unsigned(k.depth);
            if (held == 8) out += char(bits), bits = held = 0;
        }
    if (held) out += char(bits << (8 - held));
    return out;
}

/// The PNG of the pattern under k, with a palette of 16 greys (half of them transparent) where it has one.
std::string encode(const Kind& k) {
    std::string raw;
    const int X0[] = {0, 4, 0, 2, 0, 1, 0}, DX[] = {8, 8, 4, 4, 2, 2, 1}, Y0[] = {0, 0, 4, 0, 2, 0, 1}, DY[] = {8, 8, 8, 4, 4, 2, 2};
    for (int pass = 0; pass < (k.interlaced ? 7 : 1); ++pass) {
        const int x0 = k.interlaced ? X0[pass] : 0, dx = k.interlaced ? DX[pass] : 1;
        const int y0 = k.interlaced ? Y0[pass] : 0, dy = k.interlaced ? DY[pass] : 1;
        for (int y = y0; y < H && x0 < W; y += dy) raw += row(k, y, x0, dx);
    }
    std::string z(compressBound(uLong(raw.size())), '\0');
    uLongf n = uLongf(z.size());
    compress(reinterpret_cast<Bytef*>(z.data()), &n, reinterpret_cast<const Bytef*>(raw.data()), uLong(raw.size()));
    std::string palette, alpha;
    for (int i = 0; i < 16; ++i) palette += std::string(3, char(i * 17)), alpha += char(i < 8 ? 0 : 255);
    const std::string header = be32(W) + be32(H) + char(k.depth) + char(k.colourtype) + std::string(2, '\0') + char(k.interlaced);
    return "\x89PNG\r\n\x1a\n" + chunk("IHDR", header) +
           (k.colourtype == 3 ? chunk("PLTE", palette) + chunk("tRNS", alpha) : "") + chunk("IDAT", z.substr(0, n)) +
           chunk("IEND", "");
}

/// The brightness of a one-pixel colour image: a grey its grey, any other
/// colour Qt's own luminance of it.
float luminance(const QImage& one) {
    const QRgba64 c = one.pixelColor(0, 0).rgba64();
    if (c.red() == c.green() && c.green() == c.blue()) return c.red() / 65535.0f;
    return reinterpret_cast<const quint16*>(one.convertToFormat(QImage::Format_Grayscale16).constScanLine(0))[0] / 65535.0f;
}

/// What the loader should give at (x, y): the brightness (0..1), and the
/// picture's colour (8 bits a channel) with Qt's own luminance of it as stored.
std::pair<float, QRgb> expected(const Kind& k, int x, int y) {
    const std::vector<int> s = samples(k, x, y);
    const int top = (1 << k.depth) - 1;
    if (k.colourtype == 0 || k.colourtype == 4) return {float(s[0] / double(top)), 0};  // grey: its value, alpha ignored
    const std::vector<int> c = k.colourtype == 3 ? std::vector<int>(3, s[0] * 17) : s;
    QImage one(1, 1, k.depth == 16 ? QImage::Format_RGBX64 : QImage::Format_RGB32);
    if (k.depth == 16) one.setPixelColor(0, 0, QColor::fromRgba64(quint16(c[0]), quint16(c[1]), quint16(c[2])));
    else one.setPixel(0, 0, qRgb(c[0], c[1], c[2]));
    const auto to8 = [&](int v) { return k.depth == 16 ? (v * 255 + 32767) / 65535 : v; };
    return {luminance(one), qRgb(to8(c[0]), to8(c[1]), to8(c[2]))};
}

TEST(ImageLoad, EveryPngKindReadsAsWritten) {
    const Kind kinds[] = {{"grey, 1 bit", 0, 1, false},          {"grey, 4 bits, interlaced", 0, 4, true},
                          {"grey, 16 bits, interlaced", 0, 16, true}, {"grey and alpha, 8 bits", 4, 8, false},
                          {"RGB, 8 bits", 2, 8, false},          {"RGB, 16 bits, interlaced", 2, 16, true},
                          {"RGBA, 16 bits", 6, 16, false},       {"RGBA, 8 bits, interlaced", 6, 8, true},
                          {"palette with transparency, 4 bits, interlaced", 3, 4, true}};
    QTemporaryDir dir;
    const std::string path = dir.filePath("kind.png").toStdString();
    for (const Kind& k : kinds) {
        SCOPED_TRACE(k.name);
        std::ofstream(path, std::ios::binary) << encode(k);
        LoadedImage image;
        ASSERT_TRUE(loadimage(path, image).done());
        ASSERT_EQ(image.gray.width, W);
        ASSERT_EQ(image.gray.height, H);
        const bool colour = k.colourtype == 2 || k.colourtype == 3 || k.colourtype == 6;
        int wrong = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const auto [grey, rgb] = expected(k, x, y);
                const bool same = std::abs(image.gray.at(x, y) - grey) < 1e-6f && (!colour || image.picture.pixel(x, y) == rgb);
                if (!same && wrong++ == 0)
                    ADD_FAILURE() << "first at " << x << "," << y << ": " << image.gray.at(x, y) << " for " << grey;
            }
        EXPECT_EQ(wrong, 0);
        EXPECT_EQ(image.picture.format(), colour ? QImage::Format_RGB888 : QImage::Format_Grayscale8);
    }
}

TEST(ImageLoad, PngAndTiffCutShortRefused) {
    QTemporaryDir dir;
    QImage colour(W, H, QImage::Format_RGBX64);
    colour.fill(QColor(200, 120, 40));
    QByteArray tiff;
    QBuffer buffer(&tiff);
    buffer.open(QIODevice::WriteOnly);
    colour.save(&buffer, "TIFF");
    const std::string png = encode({"RGB", 2, 16, true});
    for (const auto& [name, whole] : {std::pair<const char*, std::string>{"cut.png", png}, {"cut.tif", tiff.toStdString()}}) {
        SCOPED_TRACE(name);
        const std::string path = dir.filePath(name).toStdString();
        std::ofstream(path, std::ios::binary) << whole.substr(0, whole.size() / 2);
        LoadedImage image;
        const Outcome o = loadimage(path, image);
        EXPECT_FALSE(o.done());
        EXPECT_NE(o.message.find("cannot be read; it may be damaged or cut short"), std::string::npos) << o.message;
        EXPECT_TRUE(image.picture.isNull());
    }
}

/// The image as a TIFF of 16 x 16 tiles, red, green and blue of 16 bits (written with libtiff: Qt writes strips only).
bool tiledtiff(const QString& path, const QImage& image) {
    TIFF* t = TIFFOpen(path.toLocal8Bit().constData(), "w");
    if (!t) return false;
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, uint32_t(W)), TIFFSetField(t, TIFFTAG_IMAGELENGTH, uint32_t(H));
    TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 16), TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB), TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(t, TIFFTAG_TILEWIDTH, 16), TIFFSetField(t, TIFFTAG_TILELENGTH, 16);
    TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE);
    bool ok = true;
    for (int y0 = 0; y0 < H; y0 += 16)
        for (int x0 = 0; x0 < W; x0 += 16) {
            std::vector<uint16_t> tile(16 * 16 * 3, 0);
            for (int y = y0; y < std::min(H, y0 + 16); ++y)
                for (int x = x0; x < std::min(W, x0 + 16); ++x) {
                    const QRgba64 c = image.pixelColor(x, y).rgba64();
                    uint16_t* at = &tile[size_t(((y - y0) * 16 + (x - x0)) * 3)];
                    at[0] = c.red(), at[1] = c.green(), at[2] = c.blue();
                }
            ok = ok && TIFFWriteTile(t, tile.data(), uint32_t(x0), uint32_t(y0), 0, 0) >= 0;
        }
    TIFFClose(t);
    return ok;
}

TEST(ImageLoad, TiffAndBmpReadAsWritten) {
    struct Case {
        const char* name;
        QImage::Format format;
        const char* type;
        bool grey;  // the same in every channel
        bool tiles = false;
    };
    const Case cases[] = {{"TIFF, 16 bits a channel", QImage::Format_RGBA64, "TIFF", false},
                          {"TIFF, 16-bit greys", QImage::Format_RGBX64, "TIFF", true},
                          {"TIFF, 8 bits a channel", QImage::Format_RGB32, "TIFF", false},
                          {"TIFF in tiles, 16 bits a channel", QImage::Format_RGBX64, "TIFF", false, true},
                          {"BMP, 8-bit greys", QImage::Format_RGB32, "BMP", true}};
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage written(W, H, c.format);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const Rgba p = pattern(x, y);
                written.setPixelColor(x, y, c.grey ? QColor::fromRgba64(quint16(p.g), quint16(p.g), quint16(p.g))
                                                   : QColor::fromRgba64(quint16(p.r), quint16(p.g), quint16(p.b)));
            }
        const QString path = dir.filePath(QString("kind.") + c.type);
        ASSERT_TRUE(c.tiles ? tiledtiff(path, written) : written.save(path, c.type));
        const QImage stored = QImage(path).convertToFormat(c.format);  // as the file holds it
        LoadedImage image;
        ASSERT_TRUE(loadimage(path.toStdString(), image).done());
        int wrong = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const QImage one = stored.copy(x, y, 1, 1);
                const QRgba64 p = one.pixelColor(0, 0).rgba64();
                const float grey = luminance(one);
                const QRgb rgb = qRgb((p.red() * 255 + 32767) / 65535, (p.green() * 255 + 32767) / 65535, (p.blue() * 255 + 32767) / 65535);
                const bool same = std::abs(image.gray.at(x, y) - grey) < 1e-6f && (c.grey || image.picture.pixel(x, y) == rgb);
                if (!same && wrong++ == 0)
                    ADD_FAILURE() << "first at " << x << "," << y << ": " << image.gray.at(x, y) << " for " << grey;
            }
        EXPECT_EQ(wrong, 0);
    }
}

}  // namespace
}  // namespace quorvel
