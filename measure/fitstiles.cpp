#include "fitstiles.h"

#include <zlib.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

extern "C" {  // cfitsio's RICE decoders, exported without a C++ declaration
int fits_rdecomp(unsigned char* c, int clen, unsigned int array[], int nx, int nblock);
int fits_rdecomp_short(unsigned char* c, int clen, unsigned short array[], int nx, int nblock);
int fits_rdecomp_byte(unsigned char* c, int clen, unsigned char array[], int nx, int nblock);
}

namespace quorvel {
namespace {

/// What the header says of the tiles, once checked to be readable here.
struct TileLayout {
    long tilerows = 1;  ///< rows of the image in each tile
    int blocksize = 32, bytepix = 4;
    bool gzip = false;      ///< GZIP_1: big-endian values deflated, else RICE_1
    bool floating = false;  ///< 32-bit float values (GZIP only)
    double bscale = 1, bzero = 0;
    std::optional<double> blank;  ///< the stored value of a pixel without data
    int column = 0;             ///< COMPRESSED_DATA
};

std::optional<double> numberkey(fitsfile* f, const char* name) {
    double v = 0;
    int status = 0;
    return fits_read_key(f, TDOUBLE, name, &v, nullptr, &status) == 0 ? std::optional<double>(v) : std::nullopt;
}

long longkey(fitsfile* f, const char* name, long fallback) {
    const std::optional<double> v = numberkey(f, name);
    return v && std::fabs(*v) < LONG_MAX ? static_cast<long>(*v) : fallback;
}

bool hascolumn(fitsfile* f, const char* name) {
    int column = 0, status = 0;
    return fits_get_colnum(f, CASEINSEN, const_cast<char*>(name), &column, &status) == 0;
}

/// The layout of a RICE_1 integer or GZIP_1 image whose tiles span whole rows; nullopt for any other.
std::optional<TileLayout> tilelayout(fitsfile* f, long width, long height) {
    char type[FLEN_VALUE] = {};
    int status = 0;
    TileLayout l;
    fits_read_key(f, TSTRING, "ZCMPTYPE", type, nullptr, &status);
    l.gzip = std::strcmp(type, "GZIP_1") == 0;
    if (!l.gzip && std::strcmp(type, "RICE_1") != 0 && std::strcmp(type, "RICE_ONE") != 0) return std::nullopt;
    const long bitpix = longkey(f, "ZBITPIX", 0), naxis = longkey(f, "ZNAXIS", 0);
    l.floating = bitpix == -32;
    l.tilerows = longkey(f, "ZTILE2", 1);
    if ((bitpix != 8 && bitpix != 16 && bitpix != 32 && !(l.gzip && l.floating)) || longkey(f, "ZTILE1", width) != width ||
        l.tilerows < 1 || l.tilerows > height || (naxis > 2 && longkey(f, "ZTILE3", 1) != 1))
        return std::nullopt;
    for (const char* other : {"ZSCALE", "ZZERO", "ZBLANK", "UNCOMPRESSED_DATA", "GZIP_COMPRESSED_DATA", "NULL_PIXEL_MASK"})
        if (hascolumn(f, other)) return std::nullopt;
    if (fits_get_colnum(f, CASEINSEN, const_cast<char*>("COMPRESSED_DATA"), &l.column, &status) != 0)
        return std::nullopt;
    for (int i = 1; i <= 9; ++i) {  // ZNAMEi and ZVALi: the compression's parameters
        char name[FLEN_VALUE] = {}, key[FLEN_KEYWORD];
        int st = 0;
        std::snprintf(key, sizeof key, "ZNAME%d", i);
        if (fits_read_key(f, TSTRING, key, name, nullptr, &st) != 0) break;
        std::snprintf(key, sizeof key, "ZVAL%d", i);
        if (std::strcmp(name, "BLOCKSIZE") == 0) l.blocksize = static_cast<int>(longkey(f, key, 0));
        if (std::strcmp(name, "BYTEPIX") == 0) l.bytepix = static_cast<int>(longkey(f, key, 0));
    }
    if (l.gzip) l.bytepix = static_cast<int>(std::abs(bitpix) / 8);
    if ((l.bytepix != 1 && l.bytepix != 2 && l.bytepix != 4) || (l.blocksize != 16 && l.blocksize != 32)) return std::nullopt;
    l.bscale = numberkey(f, "BSCALE").value_or(1);
    l.bzero = numberkey(f, "BZERO").value_or(0);
    l.blank = numberkey(f, "ZBLANK");
    if (!l.blank) l.blank = numberkey(f, "BLANK");
    return l;
}

/// The n-th value of l.bytepix bytes at bytes, as stored: native byte order
/// after RICE, big-endian after GZIP.
double storedvalue(const unsigned char* bytes, size_t n, const TileLayout& l) {
    const unsigned char* at = bytes + n * static_cast<size_t>(l.bytepix);
    if (l.bytepix == 1) return at[0];
    uint32_t u = 0;
    if (l.gzip) {
        for (int i = 0; i < l.bytepix; ++i) u = (u << 8) | at[i];
    } else if (l.bytepix == 2) {
        uint16_t v;
        std::memcpy(&v, at, 2);
        u = v;
    } else {
        std::memcpy(&u, at, 4);
    }
    if (l.bytepix == 2) return static_cast<int16_t>(u);
    if (!l.floating) return static_cast<int32_t>(u);
    float v;
    std::memcpy(&v, &u, 4);
    return v;
}

/// Inflates a GZIP_1 tile of exactly size bytes into out.
bool inflatetile(std::vector<unsigned char>& packed, size_t size, unsigned char* out) {
    z_stream z{};
    if (inflateInit2(&z, 15 + 32) != Z_OK) return false;  // a gzip or zlib header
    z.next_in = packed.data();
    z.avail_in = static_cast<uInt>(packed.size());
    z.next_out = out;
    z.avail_out = static_cast<uInt>(size);
    const int ended = inflate(&z, Z_FINISH);
    const bool whole = ended == Z_STREAM_END && z.total_out == size;
    inflateEnd(&z);
    return whole;
}

/// Decodes one tile of count values into out (bytes of count floats); false when it is damaged.
bool decodetile(std::vector<unsigned char>& packed, const TileLayout& l, size_t count, unsigned char* out) {
    if (l.gzip) return inflatetile(packed, count * static_cast<size_t>(l.bytepix), out);
    const int clen = static_cast<int>(packed.size()), nx = static_cast<int>(count);
    if (l.bytepix == 1) return fits_rdecomp_byte(packed.data(), clen, out, nx, l.blocksize) == 0;
    if (l.bytepix == 2)
        return fits_rdecomp_short(packed.data(), clen, reinterpret_cast<unsigned short*>(out), nx, l.blocksize) == 0;
    return fits_rdecomp(packed.data(), clen, reinterpret_cast<unsigned int*>(out), nx, l.blocksize) == 0;
}

}  // namespace

std::optional<Outcome> readtiles(fitsfile* f, const std::string& path, int64_t filesize, GrayImage& gray) {
    const std::optional<TileLayout> l = tilelayout(f, gray.width, gray.height);
    if (!l) return std::nullopt;
    const auto damaged = [&](long tile) {
        return Outcome::input("The FITS file " + path + " is damaged or cut short: its compressed tile " +
                              std::to_string(tile) + " cannot be read.");
    };
    std::vector<unsigned char> packed;
    for (long tile = 1, y0 = 0; y0 < gray.height; ++tile, y0 += l->tilerows) {
        const size_t count = static_cast<size_t>(std::min<long>(l->tilerows, gray.height - y0)) * static_cast<size_t>(gray.width);
        LONGLONG bytes = 0, offset = 0;
        int status = 0, anynull = 0;
        if (fits_read_descriptll(f, l->column, tile, &bytes, &offset, &status) != 0 || bytes <= 0 || bytes > filesize ||
            bytes > INT_MAX)
            return damaged(tile);
        packed.assign(static_cast<size_t>(bytes), 0);
        unsigned char* out = reinterpret_cast<unsigned char*>(&gray.pixels[static_cast<size_t>(y0) * gray.width]);
        if (fits_read_col(f, TBYTE, l->column, tile, 1, bytes, nullptr, packed.data(), &anynull, &status) != 0 ||
            !decodetile(packed, *l, count, out))
            return damaged(tile);
        for (size_t i = count; i-- > 0;) {
            const double v = storedvalue(out, i, *l);
            const bool blank = !l->floating && l->blank && v == *l->blank;
            const float value = blank ? NAN : static_cast<float>(v * l->bscale + l->bzero);
            std::memcpy(out + 4 * i, &value, 4);
        }
    }
    return Outcome::ok();
}

}  // namespace quorvel
