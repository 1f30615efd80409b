// Writes a large synthetic solar image for the opening benchmark: a
// limb-darkened disk with noise, 16 bits a pixel, as FITS, as PNG and, when
// a fourth name is given, as a FITS image stored as one RICE-compressed tile.
// usage: make_sun_image SIDE OUT.fits OUT.png [TILED.fits]
#include <fitsio.h>

#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: make_sun_image SIDE OUT.fits OUT.png [TILED.fits]\n");
        return 2;
    }
    const long side = std::stol(argv[1]);
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
    int status = 0;
    for (int i = 2; i < argc; i += 2) {  // the plain FITS file, then the tiled one
        fitsfile* f = nullptr;
        long naxes[2] = {side, side};
        fits_create_file(&f, (std::string("!") + argv[i]).c_str(), &status);
        if (i == 4) fits_set_compression_type(f, RICE_1, &status), fits_set_tile_dim(f, 2, naxes, &status);
        fits_create_img(f, USHORT_IMG, 2, naxes, &status);
        char date[] = "2024-05-10T12:34:56";
        fits_write_key(f, TSTRING, "DATE-OBS", date, "UT", &status);
        fits_write_img(f, TUSHORT, 1, side * side, pixels.data(), &status);
        fits_close_file(f, &status);
    }
    QImage png(reinterpret_cast<const uchar*>(pixels.data()), static_cast<int>(side), static_cast<int>(side),
               static_cast<qsizetype>(side * 2), QImage::Format_Grayscale16);
    const bool saved = png.save(argv[3], "PNG", 90);
    if (status != 0 || !saved) std::fprintf(stderr, "make_sun_image: writing failed\n");
    return status != 0 || !saved;
}
