#include "fitstiles.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

#include "messagetext.h"
#include "tilecodecs.h"
#include "tilevalues.h"

namespace quorvel {
namespace {

/// What the header says of the tiles, once checked to be readable here.
struct TileLayout {
    long tilewidth = 1, tileheight = 1;  ///< pixels
    TileCoding coding;
    TileValues values;  ///< as for every tile, before a tile's own ZSCALE, ZZERO and ZBLANK
    int zscale = 0, zzero = 0, zblank = 0;  ///< the columns of those, 0 where there is none
    long dither0 = 1;                       ///< ZDITHER0
    std::optional<TileCoding> mask;         ///< how a tile's mask of null pixels is stored, where there is one
    std::optional<TileCoding> whole;        ///< how a float tile that could not be quantized is stored, where one may be
    int uncompressed = 0;                   ///< the column of tiles stored as they are, 0 where there is none
    bool floating = false;                  ///< a float image
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

std::string stringkey(fitsfile* f, const char* name) {
    char value[FLEN_VALUE] = {};
    int status = 0;
    fits_read_key(f, TSTRING, name, value, nullptr, &status);
    return value;
}

/// The column's number, 0 when there is none.
int column(fitsfile* f, const char* name) {
    int number = 0, status = 0;
    return fits_get_colnum(f, CASEINSEN, const_cast<char*>(name), &number, &status) == 0 ? number : 0;
}

std::optional<TileCodec> codecnamed(const std::string& name) {
    if (name == "RICE_1" || name == "RICE_ONE") return TileCodec::rice;
    if (name == "GZIP_1") return TileCodec::gzip1;
    if (name == "GZIP_2") return TileCodec::gzip2;
    if (name == "PLIO_1") return TileCodec::plio;
    if (name == "HCOMPRESS_1") return TileCodec::hcompress;
    return std::nullopt;
}

std::optional<Quantize> quantizenamed(const std::string& name) {
    if (name.empty() || name == "NO_DITHER" || name == "NONE") return Quantize::nodither;  // NONE: floats as they are
    if (name == "SUBTRACTIVE_DITHER_1") return Quantize::subtractive1;
    if (name == "SUBTRACTIVE_DITHER_2") return Quantize::subtractive2;
    return std::nullopt;
}

/// The compression's parameters (ZNAMEi and ZVALi) into c.
void readparameters(fitsfile* f, TileCoding& c) {
    for (int i = 1; i <= 9; ++i) {
        char key[FLEN_KEYWORD];
        std::snprintf(key, sizeof key, "ZNAME%d", i);
        const std::string name = stringkey(f, key);
        if (name.empty()) break;
        std::snprintf(key, sizeof key, "ZVAL%d", i);
        if (name == "BLOCKSIZE") c.blocksize = static_cast<int>(longkey(f, key, 0));
        if (name == "BYTEPIX") c.bytepix = static_cast<int>(longkey(f, key, 0));
        if (name == "SMOOTH") c.smooth = static_cast<int>(longkey(f, key, 0));
    }
}

/// Whether the pixel type, the quantizing and the code go together as read here.
bool readable(const TileLayout& l, long bitpix) {
    const TileCodec codec = l.coding.codec;
    if (codec == TileCodec::rice && l.coding.blocksize != 16 && l.coding.blocksize != 32) return false;
    if (l.values.quantize != Quantize::none) return bitpix == -32 && codec != TileCodec::plio && l.coding.bytepix == 4;
    if (bitpix == -32) return codec == TileCodec::gzip1 || codec == TileCodec::gzip2;
    return bitpix == 8 || bitpix == 16 || bitpix == 32;
}

/// The layout of an image read here; nullopt for any other.
std::optional<TileLayout> tilelayout(fitsfile* f, long width, long height) {
    const std::optional<TileCodec> codec = codecnamed(stringkey(f, "ZCMPTYPE"));
    const std::optional<Quantize> quantize = quantizenamed(stringkey(f, "ZQUANTIZ"));
    const long bitpix = longkey(f, "ZBITPIX", 0), naxis = longkey(f, "ZNAXIS", 0);
    TileLayout l;
    l.tilewidth = longkey(f, "ZTILE1", width);
    l.tileheight = longkey(f, "ZTILE2", 1);
    l.coding.column = column(f, "COMPRESSED_DATA");
    l.zscale = column(f, "ZSCALE"), l.zzero = column(f, "ZZERO"), l.zblank = column(f, "ZBLANK");
    if (!codec || !quantize || l.coding.column == 0 || l.tilewidth < 1 || l.tilewidth > width || l.tileheight < 1 ||
        l.tileheight > height || (naxis > 2 && longkey(f, "ZTILE3", 1) != 1))
        return std::nullopt;
    l.uncompressed = column(f, "UNCOMPRESSED_DATA");
    l.floating = bitpix == -32;
    if (const int gzipped = column(f, "GZIP_COMPRESSED_DATA")) {  // floats as they are: a constant tile cannot be quantized
        if (bitpix != -32) return std::nullopt;
        l.whole = TileCoding{TileCodec::gzip1, gzipped, 4, 32, 0};
    }
    if (const int mask = column(f, "NULL_PIXEL_MASK")) {  // bytes, 1 for a null pixel; RICE_1 unless ZMASKCMP says otherwise
        const std::string name = stringkey(f, "ZMASKCMP");
        const std::optional<TileCodec> code = codecnamed(name.empty() ? "RICE_1" : name);
        if (!code || (*code != TileCodec::rice && *code != TileCodec::gzip1 && *code != TileCodec::gzip2))
            return std::nullopt;
        l.mask = TileCoding{*code, mask, 1, 32, 0};
    }
    l.coding.codec = *codec;
    l.coding.bytepix = 4;  // RICE's BYTEPIX unless it says otherwise
    readparameters(f, l.coding);
    if (*codec != TileCodec::rice) l.coding.bytepix = static_cast<int>(std::abs(bitpix) / 8);
    const bool quantized = l.zscale || numberkey(f, "ZSCALE");
    l.values.quantize = quantized ? *quantize : Quantize::none;
    if (!readable(l, bitpix) || (l.coding.bytepix != 1 && l.coding.bytepix != 2 && l.coding.bytepix != 4))
        return std::nullopt;
    l.values.bytepix = decodedbytes(l.coding);
    l.values.bigendian = *codec == TileCodec::gzip1 || *codec == TileCodec::gzip2;
    l.values.floating = bitpix == -32 && !quantized;
    l.values.scale = numberkey(f, quantized ? "ZSCALE" : "BSCALE").value_or(1);
    l.values.zero = numberkey(f, quantized ? "ZZERO" : "BZERO").value_or(0);
    l.values.blank = numberkey(f, "ZBLANK");
    if (!l.values.blank && !quantized) l.values.blank = numberkey(f, "BLANK");
    l.dither0 = longkey(f, "ZDITHER0", 1);
    return l;
}

/// The values of a tile of 32-bit floats as they are, in big-endian order or not.
TileValues floatsasthey(bool bigendian) { return {4, bigendian, true, 1, 0, {}, Quantize::none, 1}; }

/// How a tile is stored: in the image's code, as floats under GZIP_1 where
/// it could not be quantized, or as its values are (where it would not compress).
enum class Stored { coded, gzipped, asis };

/// The length of tile number tile as stored (bytes; values where as it is),
/// how, and the coding of a coded one; 0 where it is damaged.
LONGLONG tilelength(fitsfile* f, const TileLayout& l, long tile, int64_t filesize, Stored& how, TileCoding& coding) {
    const auto length = [&](int column, LONGLONG& n) {
        LONGLONG offset = 0;
        int status = 0;
        return column && fits_read_descriptll(f, column, tile, &n, &offset, &status) == 0 && n >= 0 && n <= filesize &&
               n <= INT_MAX;
    };
    LONGLONG n = 0;
    if (!length(l.coding.column, n)) return 0;
    coding = l.coding, how = Stored::coded;
    if (n > 0) return n;
    if (l.whole && length(l.whole->column, n) && n > 0) return coding = *l.whole, how = Stored::gzipped, n;
    if (length(l.uncompressed, n) && n > 0) return how = Stored::asis, n;
    return 0;
}

/// Reads a tile stored as it is: count values into out, as 32-bit integers
/// or floats (as the image is), with the values for them; false when it is
/// not count values long or cannot be read.
bool readasis(fitsfile* f, const TileLayout& l, long tile, LONGLONG length, size_t count, unsigned char* out,
              TileValues& values) {
    int status = 0, anynull = 0;
    if (static_cast<size_t>(length) != count ||
        fits_read_col(f, l.floating ? TFLOAT : TINT, l.uncompressed, tile, 1, length, nullptr, out, &anynull, &status) != 0)
        return false;
    values = l.floating ? floatsasthey(false) : l.values;
    values.bytepix = 4, values.bigendian = false, values.quantize = Quantize::none;
    return true;
}

/// Makes the count floats at out NaN where tile number tile's mask of null
/// pixels marks them (a tile without nulls stores no mask); false when the
/// mask is damaged.
bool applymask(fitsfile* f, const TileCoding& mask, long tile, int64_t filesize, size_t count, float* out,
               std::vector<unsigned char>& marks) {
    LONGLONG bytes = 0, offset = 0;
    int status = 0;
    if (fits_read_descriptll(f, mask.column, tile, &bytes, &offset, &status) != 0 || bytes < 0 || bytes > filesize ||
        bytes > INT_MAX)
        return false;
    if (bytes == 0) return true;
    marks.resize(count);
    if (!decodetile(f, mask, tile, bytes, count, marks.data())) return false;
    for (size_t i = 0; i < count; ++i)
        if (marks[i]) out[i] = NAN;
    return true;
}

/// The values of tile number tile: the layout's, with the tile's own ZSCALE, ZZERO and ZBLANK over them.
TileValues tilevalues(fitsfile* f, const TileLayout& l, long tile) {
    TileValues v = l.values;
    v.ditherrow = tile + l.dither0 - 1;
    const auto cell = [&](int column, double& value) {
        int status = 0, anynull = 0;
        return column && fits_read_col(f, TDOUBLE, column, tile, 1, 1, nullptr, &value, &anynull, &status) == 0;
    };
    cell(l.zscale, v.scale);
    cell(l.zzero, v.zero);
    if (double blank = 0; cell(l.zblank, blank)) v.blank = blank;
    return v;
}

}  // namespace

Outcome readtiles(fitsfile* f, const std::string& path, int64_t filesize, GrayImage& gray) {
    const std::optional<TileLayout> l = tilelayout(f, gray.width, gray.height);
    // Refused rather than left to cfitsio: its HCOMPRESS decoder waits for ever
    // on a damaged tile, and its general reader takes 12 bytes a pixel or more
    // of a small file declaring one large tile.
    if (!l)
        return Outcome::input(fillin(MESSAGE_TEXT("Message", "The FITS file %1 is tile-compressed in a way Quorvel does "
                                                             "not read: its tiles span several planes, hold 64-bit "
                                                             "values, or use a code or a mask it does not know."),
                                     {path}));
    const auto damaged = [&](long tile) {
        return Outcome::input(
                fillin(MESSAGE_TEXT("Message",
                                    "The FITS file %1 is damaged or cut short: its compressed tile %2 cannot be read."),
                       {path, std::to_string(tile)}));
    };
    const long across = (gray.width + l->tilewidth - 1) / l->tilewidth, width = gray.width;
    const long others = across > 2 ? l->tilewidth : across == 2 ? width - l->tilewidth : 0;  // the widest tile but the first
    std::vector<float> narrow(static_cast<size_t>(others * l->tileheight));
    std::vector<unsigned char> marks;  // a tile's mask of null pixels, where it has one
    for (long tile = 1, y0 = 0; y0 < gray.height; y0 += l->tileheight) {
        const long rows = std::min<long>(l->tileheight, gray.height - y0);
        float* band = &gray.pixels[static_cast<size_t>(y0 * width)];
        for (long x0 = 0; x0 < width; x0 += l->tilewidth, ++tile) {
            const long columns = std::min<long>(l->tilewidth, width - x0);
            const size_t count = static_cast<size_t>(rows * columns);
            Stored how = Stored::coded;
            TileCoding coding;
            TileValues values;
            const LONGLONG length = tilelength(f, *l, tile, filesize, how, coding);
            unsigned char* out = reinterpret_cast<unsigned char*>(x0 == 0 ? band : narrow.data());
            if (length == 0 || (how == Stored::asis ? !readasis(f, *l, tile, length, count, out, values)
                                                   : !decodetile(f, coding, tile, length, count, out)))
                return damaged(tile);
            if (how == Stored::coded) values = tilevalues(f, *l, tile);
            if (how == Stored::gzipped) values = floatsasthey(true);
            tofloats(out, count, values);
            if (l->mask && !applymask(f, *l->mask, tile, filesize, count, reinterpret_cast<float*>(out), marks))
                return damaged(tile);
            for (long y = rows - 1; y >= 0 && x0 == 0 && columns < width; --y)  // the first tile's rows spread out
                std::memmove(&band[y * width], &band[y * columns], static_cast<size_t>(columns) * sizeof(float));
            for (long y = 0; y < rows && x0 > 0; ++y)
                std::copy_n(&narrow[static_cast<size_t>(y * columns)], columns, &band[y * width + x0]);
        }
    }
    return Outcome::ok();
}

}  // namespace quorvel
