// Tile-compressed FITS images of the test's own ramp, written with cfitsio in each code, layout and pixel type:
// read as the ramp says (a quantized float as cfitsio restores it); damaged tiles refused with a message.
#include <fitsio.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>

#include "imageload.h"

extern "C" {  // cfitsio's RICE coder of bytes, exported without a C++ declaration
int fits_rcomp_byte(signed char a[], int nx, unsigned char* c, int clen, int nblock);
}

namespace quorvel {
namespace {

constexpr long W = 301, H = 203;
constexpr int LOSSLESS = 99;  // floats stored as they are, not quantized
constexpr int SMOOTHED = 98;  // HCOMPRESS of integers, lossy and smoothed when read
constexpr int NARROW = 97;    // 32-bit integers of a 16-bit range, as cameras write them
constexpr int JUMPS = 96;     // 32-bit integers jumping across their whole range from column to column
constexpr int JUMPS_SMOOTHED = 95;  // the same, lossy and smoothed when read

struct Layout {
    const char* name;
    int bitpix, compression;
    long tile1, tile2;  // 0: cfitsio's default (whole rows, one a tile)
    double bscale, bzero;
    bool blank;     // a corner of blank pixels
    int quantize;   // floats: LOSSLESS, or NO_DITHER, SUBTRACTIVE_DITHER_1 or _2; integers: 0, SMOOTHED, NARROW, JUMPS or JUMPS_SMOOTHED
};

/// The ramp with a ripple, a row of zeros and (where l says) a blank corner, in l's range (under PLIO
/// a small one: cfitsio's writer overruns its buffer where the values jump from pixel to pixel).
std::vector<int> ramp(const Layout& l, int blank) {
    const double top = l.compression == PLIO_1 ? 4000 : l.bitpix == BYTE_IMG ? 240 : l.bitpix == SHORT_IMG ? 30000
                     : l.bitpix == USHORT_IMG || l.quantize == NARROW ? 60000 : l.bitpix == FLOAT_IMG ? 1e6 : 2e9;
    std::vector<int> v(size_t(W * H));
    for (long y = 0; y < H; ++y)
        for (long x = 0; x < W; ++x)
            v[size_t(y * W + x)] = y == 20 && x < 30 ? 0 : int(top * (0.05 + 0.9 * double(x + y) / (W + H)) + std::min(40.0, top / 50) * std::sin(x * 0.7 + y * 1.3));
    for (size_t i = 1; i < v.size() && (l.quantize == JUMPS || l.quantize == JUMPS_SMOOTHED); i += 2) v[i] = -v[i] - 1;
    if (l.blank)
        for (long y = 0; y < 9; ++y) std::fill_n(&v[size_t(y * W)], 11, blank);
    return v;
}

/// The values as T (a compressed image takes its own pixel type only); floats with blank as their null.
template <class T>
void put(fitsfile* f, int type, const std::vector<int>& v, int blank, int& status) {
    std::vector<T> t(v.begin(), v.end());
    T null = T(blank);
    if (type == TFLOAT) fits_write_imgnull(f, type, 1, LONGLONG(t.size()), t.data(), &null, &status);
    else fits_write_img(f, type, 1, LONGLONG(t.size()), t.data(), &status);
}

/// Writes the ramp in the pixel type and storage of l.
void write(const std::string& path, const Layout& l, const std::vector<int>& v, int blank) {
    fitsfile* f = nullptr;
    int status = 0;
    long naxes[2] = {W, H}, tile[2] = {l.tile1, l.tile2};
    fits_create_file(&f, ("!" + path).c_str(), &status);
    fits_set_compression_type(f, l.compression, &status);
    if (l.tile1) fits_set_tile_dim(f, 2, tile, &status);
    if (l.quantize == LOSSLESS) fits_set_quantize_level(f, 0, &status);
    if (l.bitpix == FLOAT_IMG && l.quantize != LOSSLESS) fits_set_quantize_method(f, l.quantize, &status);
    if (l.quantize == SUBTRACTIVE_DITHER_1) fits_set_dither_seed(f, 9990, &status);  // the sequence wraps within the image
    if (l.quantize == SMOOTHED || l.quantize == JUMPS_SMOOTHED) fits_set_hcomp_scale(f, 2.5, &status), fits_set_hcomp_smooth(f, 1, &status);
    fits_create_img(f, l.bitpix, 2, naxes, &status);
    if (l.bscale != 1 || l.bzero != 0) {
        fits_write_key(f, TDOUBLE, "BSCALE", const_cast<double*>(&l.bscale), nullptr, &status);
        fits_write_key(f, TDOUBLE, "BZERO", const_cast<double*>(&l.bzero), nullptr, &status);
        fits_set_bscale(f, 1, 0, &status);  // the stored values are written as they are
    }
    long blankkey = blank;
    if (l.blank && l.bitpix != FLOAT_IMG) fits_write_key(f, TLONG, "BLANK", &blankkey, nullptr, &status);
    if (l.bitpix == BYTE_IMG) put<unsigned char>(f, TBYTE, v, blank, status);
    else if (l.bitpix == SHORT_IMG) put<short>(f, TSHORT, v, blank, status);
    else if (l.bitpix == USHORT_IMG) put<unsigned short>(f, TUSHORT, v, blank, status);
    else if (l.bitpix == LONG_IMG) put<int>(f, TINT, v, blank, status);
    else put<float>(f, TFLOAT, v, blank, status);
    fits_close_file(f, &status);
    ASSERT_EQ(status, 0) << l.name;
}

/// The brightness the test expects, bottom row first as the loader turns it:
/// the ramp scaled, or for quantized floats and smoothed HCOMPRESS what cfitsio's reader restores.
std::vector<float> expected(const std::string& path, const Layout& l, const std::vector<int>& v, int blank) {
    std::vector<float> e(v.size());
    if ((l.bitpix == FLOAT_IMG && l.quantize != LOSSLESS) || l.quantize == SMOOTHED || l.quantize == JUMPS_SMOOTHED) {
        fitsfile* f = nullptr;
        int status = 0, anynull = 0;
        long first[2] = {1, 1};
        float nan = NAN;
        fits_open_image(&f, path.c_str(), READONLY, &status);
        fits_read_pix(f, TFLOAT, first, LONGLONG(e.size()), &nan, e.data(), &anynull, &status);
        fits_close_file(f, &status);
        EXPECT_EQ(status, 0);
    } else {
        for (size_t i = 0; i < v.size(); ++i) e[i] = l.blank && v[i] == blank ? NAN : float(double(v[i]) * l.bscale + l.bzero);
    }
    std::vector<float> turned(e.size());
    for (long y = 0; y < H; ++y) std::copy_n(&e[size_t(y * W)], W, &turned[size_t((H - 1 - y) * W)]);
    return turned;
}

/// The first pixel where got differs from want (NaN matching NaN), the count when there is none.
size_t firstdifference(const std::vector<float>& got, const std::vector<float>& want) {
    const auto same = [](float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); };
    return size_t(std::mismatch(got.begin(), got.end(), want.begin(), want.end(), same).first - got.begin());
}

TEST(FitsTiles, EveryCodeAndLayoutReadsAsTheRamp) {
    const Layout layouts[] = {
        {"uint16, RICE, one tile", USHORT_IMG, RICE_1, W, H, 1, 0, false, 0},
        {"int16, RICE, a row a tile", SHORT_IMG, RICE_1, 0, 0, 1, 0, true, 0},
        {"uint8, RICE, one tile, blank", BYTE_IMG, RICE_1, W, H, 1, 0, true, 0},
        {"int32, RICE, scaled", LONG_IMG, RICE_1, W, 50, 0.5, 10, false, 0},
        {"int16, RICE, two tiles of whole columns, the second narrower", SHORT_IMG, RICE_1, 200, H, 1, 0, true, 0},
        {"int16, GZIP_1", SHORT_IMG, GZIP_1, W, H, 1, 0, false, 0},
        {"float32, GZIP_1", FLOAT_IMG, GZIP_1, W, H, 1, 0, false, LOSSLESS},
        {"uint16, GZIP_2, one tile", USHORT_IMG, GZIP_2, W, H, 1, 0, false, 0},
        {"int32, GZIP_2, scaled, 9 rows a tile", LONG_IMG, GZIP_2, W, 9, 0.25, -3, true, 0},
        {"float32, GZIP_2, square tiles", FLOAT_IMG, GZIP_2, 50, 50, 1, 0, false, LOSSLESS},
        {"int16, PLIO, one tile", SHORT_IMG, PLIO_1, W, H, 1, 0, false, 0},
        {"int32, PLIO, scaled, square tiles", LONG_IMG, PLIO_1, 64, 64, 2, 1, false, 0},
        {"int16, HCOMPRESS, one tile, blank", SHORT_IMG, HCOMPRESS_1, W, H, 1, 0, true, 0},
        {"uint8, HCOMPRESS, 16 rows a tile", BYTE_IMG, HCOMPRESS_1, W, 16, 1, 0, false, 0},
        {"int32, HCOMPRESS, one tile", LONG_IMG, HCOMPRESS_1, W, H, 1, 0, false, 0},
        {"int32 of a 16-bit range, HCOMPRESS, one tile", LONG_IMG, HCOMPRESS_1, W, H, 1, 0, false, NARROW},
        {"int16, HCOMPRESS, lossy, smoothed, 40 rows a tile", SHORT_IMG, HCOMPRESS_1, W, 40, 1, 0, false, SMOOTHED},
        {"int32 across the range, HCOMPRESS, one tile", LONG_IMG, HCOMPRESS_1, W, H, 1, 0, false, JUMPS},
        {"int32 across the range, HCOMPRESS, lossy, smoothed, 40 rows a tile", LONG_IMG, HCOMPRESS_1, W, 40, 1, 0, false, JUMPS_SMOOTHED},
        {"float32, RICE, dithered, one tile, blank", FLOAT_IMG, RICE_1, W, H, 1, 0, true, SUBTRACTIVE_DITHER_1},
        {"float32, GZIP_2, dithered with exact zeros", FLOAT_IMG, GZIP_2, W, 10, 1, 0, true, SUBTRACTIVE_DITHER_2},
        {"float32, RICE, undithered, square tiles", FLOAT_IMG, RICE_1, 64, 64, 1, 0, false, NO_DITHER},
        {"float32, GZIP_1, quantized", FLOAT_IMG, GZIP_1, W, H, 1, 0, true, SUBTRACTIVE_DITHER_1},
        {"float32, HCOMPRESS, dithered, one tile, blank", FLOAT_IMG, HCOMPRESS_1, W, H, 1, 0, true, SUBTRACTIVE_DITHER_1}};
    QTemporaryDir dir;
    const std::string path = dir.filePath("packed.fits").toStdString();
    for (const Layout& l : layouts) {
        SCOPED_TRACE(l.name);
        const int blank = l.bitpix == BYTE_IMG ? 255 : -7;
        const std::vector<int> v = ramp(l, blank);
        write(path, l, v, blank);
        LoadedImage image;
        const Outcome read = loadimage(path, image);
        ASSERT_TRUE(read.done()) << read.message;
        EXPECT_EQ(firstdifference(image.gray.pixels, expected(path, l, v, blank)), size_t(W * H));
    }
}

struct TilePlace { LONGLONG bytes = 0, start = 0, descriptor = 0; };  // tile 1's length, its first byte, its descriptor's

TilePlace tileplace(const std::string& path, const char* column = "COMPRESSED_DATA") {
    fitsfile* f = nullptr;
    int status = 0, number = 0;
    LONGLONG header = 0, data = 0, end = 0, bytes = 0, offset = 0, rowbytes = 0, rows = 0;
    fits_open_image(&f, path.c_str(), READONLY, &status);  // the table holding the tiles
    fits_get_hduaddrll(f, &header, &data, &end, &status);
    fits_read_key(f, TLONGLONG, "NAXIS1", &rowbytes, nullptr, &status);  // the heap follows the table
    fits_read_key(f, TLONGLONG, "NAXIS2", &rows, nullptr, &status);
    fits_get_colnum(f, CASEINSEN, const_cast<char*>(column), &number, &status);
    fits_read_descriptll(f, number, 1, &bytes, &offset, &status);
    fits_close_file(f, &status);
    EXPECT_EQ(status, 0);
    return {bytes, data + rowbytes * rows + offset, data};
}

void overwrite(const std::string& path, LONGLONG at, const std::string& bytes) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(at);
    file.write(bytes.data(), std::streamsize(bytes.size()));
}

TEST(FitsTiles, DamagedTileRefused) {
    const struct { const char* name; int compression; std::function<void(const std::string&, const TilePlace&)> damage; } cases[] = {
        {"RICE, cut short", RICE_1, [](auto& p, auto& t) { std::filesystem::resize_file(p, t.start + t.bytes / 2); }},
        {"GZIP_2, bytes overwritten", GZIP_2, [](auto& p, auto& t) { overwrite(p, t.start + t.bytes / 2, std::string(16, '\xff')); }},
        {"GZIP_1, a stream shorter than the tile", GZIP_1, [](auto& p, auto& t) { overwrite(p, t.descriptor, std::string("\0\0\0\x20", 4)); }},
        {"PLIO, a list longer than the tile", PLIO_1, [](auto& p, auto& t) { overwrite(p, t.start + 4, std::string("\0\0\x7f\xff\x7f\xff", 6)); }},
        {"PLIO, instructions before the list", PLIO_1, [](auto& p, auto& t) { overwrite(p, t.start, std::string("\0\0\x80\0\0\0", 6)); }},
        {"HCOMPRESS, a wider image than the tile", HCOMPRESS_1, [](auto& p, auto& t) { overwrite(p, t.start + 2, std::string("\0\0\x7f\xff", 4)); }},
        {"HCOMPRESS, a stream cut short", HCOMPRESS_1, [](auto& p, auto& t) { overwrite(p, t.descriptor, std::string{'\0', '\0', char(t.bytes / 512), char(t.bytes / 2)}); }},
        {"HCOMPRESS, a plane of an unknown kind", HCOMPRESS_1, [](auto& p, auto& t) { overwrite(p, t.start + 25, "\x55"); }},
        {"HCOMPRESS, not its code", HCOMPRESS_1, [](auto& p, auto& t) { overwrite(p, t.start, "\x1f\x8b"); }},
        {"a tile longer than the file", RICE_1, [](auto& p, auto& t) { overwrite(p, t.descriptor, "\x7f\xff\xff\xff"); }}};
    QTemporaryDir dir;
    const std::string path = dir.filePath("damaged.fits").toStdString();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Layout l{c.name, SHORT_IMG, c.compression, W, H, 1, 0, false, 0};
        write(path, l, ramp(l, 0), 0);
        c.damage(path, tileplace(path));
        LoadedImage image;
        const Outcome read = loadimage(path, image);
        EXPECT_EQ(read.kind, OutcomeKind::inputfault);
        EXPECT_NE(read.message.find("is damaged or cut short: its compressed tile 1 cannot be read."), std::string::npos) << read.message;
    }
}

/// Adds a NULL_PIXEL_MASK column to the tiles' table, under code (written as
/// ZMASKCMP unless empty), with tile 1's mask set to the bytes given (none: no nulls).
void addmask(const std::string& path, const char* code, const std::vector<signed char>& marks) {
    fitsfile* f = nullptr;
    int status = 0;
    fits_open_file(&f, (path + "[1]").c_str(), READWRITE, &status);
    int columns = 0;
    fits_get_num_cols(f, &columns, &status);
    fits_insert_col(f, columns + 1, const_cast<char*>("NULL_PIXEL_MASK"), const_cast<char*>("1PB"), &status);
    if (*code) fits_write_key(f, TSTRING, "ZMASKCMP", const_cast<char*>(code), nullptr, &status);
    if (!marks.empty()) {
        std::vector<signed char> copy = marks;
        std::vector<unsigned char> packed(marks.size() + 64);
        const int n = fits_rcomp_byte(copy.data(), int(copy.size()), packed.data(), int(packed.size()), 32);
        fits_write_col(f, TBYTE, columns + 1, 1, 1, n, packed.data(), &status);
    }
    fits_close_file(f, &status);
    ASSERT_EQ(status, 0);
}

TEST(FitsTiles, MasksAndTilesStoredOtherwise) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("masked.fits").toStdString();
    const Layout l{"masked", SHORT_IMG, RICE_1, W, H, 1, 0, false, 0};
    const std::vector<int> v = ramp(l, 0);
    std::vector<signed char> marks(v.size(), 0);
    for (size_t i = 0; i < marks.size(); i += 7) marks[i] = 1;
    std::vector<float> want = expected(path, l, v, 0);
    for (long y = 0; y < H; ++y)  // the mask in the file's rows, the brightness the first row at the bottom
        for (long x = 0; x < W; ++x)
            if (marks[size_t(y * W + x)]) want[size_t((H - 1 - y) * W + x)] = NAN;
    write(path, l, v, 0);
    addmask(path, "", marks);
    LoadedImage image;
    ASSERT_TRUE(loadimage(path, image).done());
    EXPECT_EQ(firstdifference(image.gray.pixels, want), want.size());

    // A tile that would not compress, stored as it is in a column of its own.
    write(path, l, v, 0);
    {
        fitsfile* f = nullptr;
        int status = 0;
        fits_open_file(&f, (path + "[1]").c_str(), READWRITE, &status);
        fits_insert_col(f, 2, const_cast<char*>("UNCOMPRESSED_DATA"), const_cast<char*>("1PI"), &status);
        std::vector<short> values(v.begin(), v.end());
        fits_write_col(f, TSHORT, 2, 1, 1, LONGLONG(values.size()), values.data(), &status);
        fits_close_file(f, &status);
        ASSERT_EQ(status, 0);
    }
    overwrite(path, tileplace(path).descriptor, std::string(4, '\0'));  // no compressed bytes for it
    ASSERT_TRUE(loadimage(path, image).done());
    EXPECT_EQ(firstdifference(image.gray.pixels, expected(path, l, v, 0)), v.size());

    // A constant float tile cannot be quantized: stored as it is, under GZIP_1.
    const Layout q{"constant tile", FLOAT_IMG, RICE_1, 100, 100, 1, 0, false, SUBTRACTIVE_DITHER_1};
    std::vector<int> flat = ramp(q, 0);
    for (long y = 0; y < 100; ++y) std::fill_n(&flat[size_t(y * W)], 100, 1234);
    write(path, q, flat, 0);
    ASSERT_TRUE(loadimage(path, image).done());
    EXPECT_EQ(firstdifference(image.gray.pixels, expected(path, q, flat, 0)), flat.size());
    EXPECT_EQ(image.gray.at(0, H - 1), 1234.0f);
    overwrite(path, tileplace(path, "GZIP_COMPRESSED_DATA").start + 10, std::string(8, '\x55'));
    EXPECT_NE(loadimage(path, image).message.find("its compressed tile 1 cannot be read"), std::string::npos);

    // Left to cfitsio, a damaged HCOMPRESS tile would wait for ever, and a small
    // file declaring a mask take 12 bytes a pixel: read here, or refused.
    const Layout h{"masked", SHORT_IMG, HCOMPRESS_1, W, H, 1, 0, false, 0};
    write(path, h, ramp(h, 0), 0);
    overwrite(path, tileplace(path).start + 25, "\x55");  // a plane of an unknown kind
    addmask(path, "", {});
    EXPECT_NE(loadimage(path, image).message.find("its compressed tile 1 cannot be read"), std::string::npos);
    write(path, l, v, 0);
    addmask(path, "PLIO_1", {});
    EXPECT_NE(loadimage(path, image).message.find("is tile-compressed in a way Quorvel does not read"), std::string::npos);
}

}  // namespace
}  // namespace quorvel
