// Tile-compressed FITS images written here with cfitsio in each layout and
// pixel type: every pixel read as the same image stored plain reads, NaN
// where the data are blank; a tile cut short refused.
#include <fitsio.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstring>
#include <filesystem>

#include "imageload.h"

namespace quorvel {
namespace {

constexpr long W = 301, H = 203;

struct Layout {
    const char* name;
    int bitpix, compression;
    long tile1, tile2;  // 0: cfitsio's default (whole rows, one a tile)
    double bscale, bzero;
    bool blank;         // a corner of blank pixels
};

/// The values as T (a compressed image takes its own pixel type only).
template <class T>
void put(fitsfile* f, int type, const std::vector<int>& v, int& status) {
    std::vector<T> t(v.begin(), v.end());
    fits_write_img(f, type, 1, LONGLONG(t.size()), t.data(), &status);
}

/// Writes a ramp with a ripple, in the pixel type and storage of l (plain when compression is 0).
void write(const std::string& path, const Layout& l, bool plain) {
    fitsfile* f = nullptr;
    int status = 0;
    long naxes[2] = {W, H}, tile[2] = {l.tile1, l.tile2};
    fits_create_file(&f, ("!" + path).c_str(), &status);
    if (!plain) fits_set_compression_type(f, l.compression, &status);
    if (!plain && l.tile1) fits_set_tile_dim(f, 2, tile, &status);
    if (!plain && l.bitpix == FLOAT_IMG) fits_set_quantize_level(f, 0, &status);  // stored losslessly
    fits_create_img(f, l.bitpix, 2, naxes, &status);
    if (l.bscale != 1 || l.bzero != 0) {
        fits_write_key(f, TDOUBLE, "BSCALE", const_cast<double*>(&l.bscale), nullptr, &status);
        fits_write_key(f, TDOUBLE, "BZERO", const_cast<double*>(&l.bzero), nullptr, &status);
        fits_set_bscale(f, 1, 0, &status);  // the stored values are written as they are
    }
    long blank = l.bitpix == 8 ? 255 : -7;
    if (l.blank) fits_write_key(f, TLONG, "BLANK", &blank, nullptr, &status);
    std::vector<int> v(size_t(W * H));
    const double top = l.bitpix == BYTE_IMG ? 250 : l.bitpix == SHORT_IMG ? 30000 : l.bitpix == USHORT_IMG ? 60000 : 2e9;
    for (long y = 0; y < H; ++y)
        for (long x = 0; x < W; ++x)
            v[size_t(y * W + x)] = int(top * (0.05 + 0.9 * double(x + y) / (W + H)) + 40 * std::sin(x * 0.7 + y * 1.3));
    if (l.blank)
        for (long y = 0; y < 9; ++y) std::fill_n(&v[size_t(y * W)], 11, int(blank));
    if (l.bitpix == BYTE_IMG) put<unsigned char>(f, TBYTE, v, status);
    else if (l.bitpix == SHORT_IMG) put<short>(f, TSHORT, v, status);
    else if (l.bitpix == USHORT_IMG) put<unsigned short>(f, TUSHORT, v, status);
    else if (l.bitpix == LONG_IMG) put<int>(f, TINT, v, status);
    else put<float>(f, TFLOAT, v, status);
    fits_close_file(f, &status);
    ASSERT_EQ(status, 0) << l.name;
}

TEST(FitsTiles, EveryLayoutReadsAsThePlainImage) {
    const Layout layouts[] = {{"uint16, one tile", USHORT_IMG, RICE_1, W, H, 1, 0, false},
                              {"int16, a row a tile", SHORT_IMG, RICE_1, 0, 0, 1, 0, false},
                              {"int16, 7 rows a tile, the last short", SHORT_IMG, RICE_1, W, 7, 1, 0, true},
                              {"uint8, one tile, blank", BYTE_IMG, RICE_1, W, H, 1, 0, true},
                              {"int32, scaled", LONG_IMG, RICE_1, W, 50, 0.5, 10, false},
                              {"int16, square tiles", SHORT_IMG, RICE_1, 64, 64, 1, 0, true},
                              {"int16, GZIP", SHORT_IMG, GZIP_1, W, H, 1, 0, false},
                              {"float32, GZIP", FLOAT_IMG, GZIP_1, W, H, 1, 0, false}};
    QTemporaryDir dir;
    const std::string plain = dir.filePath("plain.fits").toStdString(), packed = dir.filePath("packed.fits").toStdString();
    for (const Layout& l : layouts) {
        SCOPED_TRACE(l.name);
        write(plain, l, true);
        write(packed, l, false);
        LoadedImage a, b;
        ASSERT_TRUE(loadimage(plain, a).done());
        const Outcome read = loadimage(packed, b);
        ASSERT_TRUE(read.done()) << read.message;
        ASSERT_EQ(a.gray.pixels.size(), b.gray.pixels.size());
        EXPECT_EQ(std::memcmp(a.gray.pixels.data(), b.gray.pixels.data(), a.gray.pixels.size() * sizeof(float)), 0);
        EXPECT_EQ(std::isnan(b.gray.at(0, H - 1)), l.blank);
    }
}

TEST(FitsTiles, TileCutShortRefused) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("packed.fits").toStdString();
    write(path, {"uint16, one tile", USHORT_IMG, RICE_1, W, H, 1, 0, false}, false);
    std::filesystem::resize_file(path, 4 * 2880);  // two headers and the tile's first bytes
    LoadedImage image;
    const Outcome read = loadimage(path, image);
    EXPECT_EQ(read.kind, OutcomeKind::inputfault);
    EXPECT_NE(read.message.find("its compressed tile 1 cannot be read."), std::string::npos) << read.message;
}

}  // namespace
}  // namespace quorvel
