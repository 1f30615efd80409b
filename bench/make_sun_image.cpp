// Writes large synthetic solar images for the opening benchmark: a
// limb-darkened disk with noise, 16 bits a channel, into DIR as sun.fits,
// the same compressed as one tile with RICE_1, GZIP_2, HCOMPRESS_1 and PLIO_1
// (sun.tiled.fits, sun.gzip2.fits, sun.hcompress.fits, sun.plio.fits: PLIO
// takes no negative values, so as 32-bit integers), as 32-bit integers in one
// HCOMPRESS_1 tile too (sun.hcompress32.fits), spread across the whole
// 32-bit range (sun.hcompress32wide.fits), as
// 32-bit floats quantized into one RICE_1 tile (sun.float.fits), as RICE_1
// tiles of 512 x 512 (sun.squares.fits), sun.png (grey), and the same disk in
// colour (a reddish filter) as sun.rgb.png and sun.rgb.tif.
// usage: make_sun_image SIDE DIR
#include <fitsio.h>

#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

/// The grey disk, 16 bits a pixel.
std::vector<uint16_t> greydisk(long side) {
    const double c = side / 2.0 - 0.3, r = side * 0.46;
    std::vector<uint16_t> pixels(static_cast<size_t>(side * side));
    uint32_t seed = 12345;
    for (long y = 0; y < side; ++y) {
        for (long x = 0; x < side; ++x) {
            seed = seed * 1664525u + 1013904223u;  // a cheap noise of +-1000
            const double d = std::hypot(x - c, y - c) / r;
            const double v = d < 1 ? 50000 * (0.4 + 0.6 * std::sqrt(1 - d * d)) : 3000;
            pixels[static_cast<size_t>(y * side + x)] = static_cast<uint16_t>(v + (seed >> 22) * 2.0 - 1000);
        }
    }
    return pixels;
}

/// One FITS file of the benchmark: its name, compression (0 for none), tile side (0 for the whole image).
struct FitsKind {
    const char* name;
    int compression;
    long tile;
    bool floating;  ///< written as 32-bit floats (quantized when compressed)
    bool wide;      ///< written as 32-bit integers (of the same 16-bit values)
    bool spread = false;  ///< those values times 65536, less 2^31: across the whole range
};

const FitsKind FITS_KINDS[] = {{"sun.fits", 0, 0, false, false},
                               {"sun.tiled.fits", RICE_1, 0, false, false},
                               {"sun.gzip2.fits", GZIP_2, 0, false, false},
                               {"sun.hcompress.fits", HCOMPRESS_1, 0, false, false},
                               {"sun.hcompress32.fits", HCOMPRESS_1, 0, false, true},
                               {"sun.hcompress32wide.fits", HCOMPRESS_1, 0, false, true, true},
                               {"sun.plio.fits", PLIO_1, 0, false, true},
                               {"sun.float.fits", RICE_1, 0, true, false},
                               {"sun.squares.fits", RICE_1, 512, false, false}};

int writefits(const std::string& path, long side, const FitsKind& kind, std::vector<uint16_t>& pixels) {
    int status = 0;
    fitsfile* f = nullptr;
    long naxes[2] = {side, side}, tile[2] = {kind.tile ? kind.tile : side, kind.tile ? kind.tile : side};
    fits_create_file(&f, ("!" + path).c_str(), &status);
    if (kind.compression) fits_set_compression_type(f, kind.compression, &status), fits_set_tile_dim(f, 2, tile, &status);
    fits_create_img(f, kind.floating ? FLOAT_IMG : kind.wide ? LONG_IMG : USHORT_IMG, 2, naxes, &status);
    char date[] = "2024-05-10T12:34:56";
    fits_write_key(f, TSTRING, "DATE-OBS", date, "UT", &status);
    if (kind.floating) {  // a compressed image is written in its own type only
        std::vector<float> values(pixels.begin(), pixels.end());
        fits_write_img(f, TFLOAT, 1, side * side, values.data(), &status);
    } else if (kind.wide) {
        std::vector<int> values(pixels.begin(), pixels.end());
        for (int& v : values) v = kind.spread ? static_cast<int>(int64_t{v} * 65536 - (int64_t{1} << 31)) : v;
        fits_write_img(f, TINT, 1, side * side, values.data(), &status);
    } else {
        fits_write_img(f, TUSHORT, 1, side * side, pixels.data(), &status);
    }
    fits_close_file(f, &status);
    return status;
}

/// The disk in colour, 16 bits a channel: red full, green 0.6, blue 0.3.
bool writecolour(const std::string& dir, long side, const std::vector<uint16_t>& grey) {
    QImage img(static_cast<int>(side), static_cast<int>(side), QImage::Format_RGBX64);
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgba64*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const uint16_t v = grey[static_cast<size_t>(y) * static_cast<size_t>(side) + static_cast<size_t>(x)];
            row[x] = QRgba64::fromRgba64(v, static_cast<uint16_t>(v * 0.6), static_cast<uint16_t>(v * 0.3), 65535);
        }
    }
    return img.save(QString::fromStdString(dir + "/sun.rgb.png"), "PNG", 90) &&
           img.save(QString::fromStdString(dir + "/sun.rgb.tif"), "TIFF");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_sun_image SIDE DIR\n");
        return 2;
    }
    QGuiApplication app(argc, argv);  // the TIFF writer is a plugin
    const long side = std::stol(argv[1]);
    const std::string dir = argv[2];
    std::vector<uint16_t> pixels = greydisk(side);
    int status = 0;
    for (const FitsKind& kind : FITS_KINDS) {
        const int one = writefits(dir + "/" + kind.name, side, kind, pixels);
        if (one) std::fprintf(stderr, "%s: cfitsio status %d\n", kind.name, one);
        status += one;
    }
    QImage png(reinterpret_cast<const uchar*>(pixels.data()), static_cast<int>(side), static_cast<int>(side),
               static_cast<qsizetype>(side * 2), QImage::Format_Grayscale16);
    const bool saved = png.save(QString::fromStdString(dir + "/sun.png"), "PNG", 90) && writecolour(dir, side, pixels);
    if (status != 0 || !saved) std::fprintf(stderr, "make_sun_image: writing failed\n");
    return status != 0 || !saved;
}
