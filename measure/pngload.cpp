#include "pngload.h"

#include <png.h>

#include <QColorSpace>
#include <climits>
#include <csetjmp>
#include <cstring>
#include <vector>

#include "imagerows.h"

namespace quorvel {
namespace {

/// libpng's reading state, freed with it.
struct PngState {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::string error;  ///< libpng's message for the error that stopped it
    ~PngState() { png_destroy_read_struct(&png, &info, nullptr); }
};

void readbytes(png_structp png, png_bytep data, size_t n) {
    auto* device = static_cast<QIODevice*>(png_get_io_ptr(png));
    if (device->read(reinterpret_cast<char*>(data), static_cast<qint64>(n)) != static_cast<qint64>(n))
        png_error(png, "the file ends before the image does");
}

void onerror(png_structp png, png_const_charp message) {
    static_cast<PngState*>(png_get_error_ptr(png))->error = message;
    png_longjmp(png, 1);
}

void onwarning(png_structp, png_const_charp) {}

/// The image's colour space as Qt's own reader takes it: its ICC profile, its
/// sRGB chunk, else its gamma with sRGB's primaries; none (sRGB) without them.
QColorSpace colourspace(png_structp png, png_infop info) {
    png_charp name = nullptr;
    png_bytep profile = nullptr;
    png_uint_32 length = 0;
    int compression = 0, intent = 0;
    if (png_get_iCCP(png, info, &name, &compression, &profile, &length) && length > 0) {
        const QColorSpace cs = QColorSpace::fromIccProfile(
                QByteArray(reinterpret_cast<const char*>(profile), static_cast<qsizetype>(length)));
        if (cs.isValid()) return cs;
    }
    if (png_get_sRGB(png, info, &intent)) return QColorSpace::SRgb;
    if (double gamma = 0; png_get_gAMA(png, info, &gamma) && gamma > 0)
        return QColorSpace(QColorSpace::Primaries::SRgb, static_cast<float>(1 / gamma));
    return {};
}

/// Sets libpng to deliver rows of one layout, whatever the file's.
RowLayout settransforms(png_structp png, png_infop info) {
    const int type = png_get_color_type(png, info), depth = png_get_bit_depth(png, info);
    png_set_expand(png);  // palettes to RGB, grey below 8 bits to 8, transparency to alpha
    RowLayout l{(type & PNG_COLOR_MASK_COLOR) != 0, depth == 16};
    if (l.wide) png_set_swap(png);  // native 16-bit values
    if (l.colour && l.wide) png_set_filler(png, 0xffff, PNG_FILLER_AFTER);  // where there is no alpha to stand in its place
    else png_set_strip_alpha(png);
    png_read_update_info(png, info);
    return l;
}

/// The image's rows, pass by pass where it is interlaced, put in place.
void readrows(png_structp png, int width, int height, bool interlaced, png_byte* row, RowSink& sink) {
    for (int pass = 0; pass < (interlaced ? 7 : 1); ++pass) {
        const int columns = interlaced ? static_cast<int>(PNG_PASS_COLS(width, pass)) : width;
        const int rows = interlaced ? static_cast<int>(PNG_PASS_ROWS(height, pass)) : height;
        if (columns == 0 || rows == 0) continue;  // libpng skips an empty pass
        const int x0 = interlaced ? PNG_PASS_START_COL(pass) : 0, dx = interlaced ? 1 << PNG_PASS_COL_SHIFT(pass) : 1;
        const int y0 = interlaced ? PNG_PASS_START_ROW(pass) : 0, dy = interlaced ? 1 << PNG_PASS_ROW_SHIFT(pass) : 1;
        for (int r = 0; r < rows; ++r) {
            png_read_row(png, row, nullptr);
            sink.put(row, columns, x0, dx, y0 + r * dy);
        }
    }
}

/// What the header says, and how the rows come once libpng turns them.
struct PngHeader {
    int width = 0, height = 0;
    bool interlaced = false;
    RowLayout layout;
    size_t rowbytes = 0;
    QColorSpace space;
};

// Where libpng stops, it jumps back to the setjmp of the function that called
// it: these two make nothing with a destructor that a jump would pass over.

/// The header into h and libpng set for its rows; false, with libpng's message in s.error, when it stops.
bool readheader(PngState& s, PngHeader& h) {
    if (setjmp(png_jmpbuf(s.png))) return false;
    png_read_info(s.png, s.info);
    h.width = static_cast<int>(std::min<png_uint_32>(png_get_image_width(s.png, s.info), INT_MAX));
    h.height = static_cast<int>(std::min<png_uint_32>(png_get_image_height(s.png, s.info), INT_MAX));
    h.interlaced = png_get_interlace_type(s.png, s.info) != PNG_INTERLACE_NONE;
    h.layout = settransforms(s.png, s.info);
    h.rowbytes = png_get_rowbytes(s.png, s.info);
    h.space = colourspace(s.png, s.info);
    return true;
}

/// The rows into sink; false, with libpng's message in s.error, when it stops.
bool readbody(PngState& s, const PngHeader& h, png_byte* row, RowSink& sink) {
    if (setjmp(png_jmpbuf(s.png))) return false;
    readrows(s.png, h.width, h.height, h.interlaced, row, sink);
    png_read_end(s.png, nullptr);
    return true;
}

}  // namespace

Outcome loadpng(const std::string& path, QIODevice& device, LoadedImage& image) {
    PngState s;
    s.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &s, onerror, onwarning);
    if (s.png) s.info = png_create_info_struct(s.png);
    if (!s.info) throw std::bad_alloc();
    png_set_read_fn(s.png, &device, readbytes);
    png_set_option(s.png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);  // the chunks' own checksums are checked
    const auto damaged = [&] { return unreadableimage(path, s.error); };
    PngHeader h;
    if (!readheader(s, h)) return damaged();
    if (Outcome fits = checkimagesize(path, h.width, h.height); !fits.done()) return fits;
    LoadedImage next;
    RowSink sink(h.layout, h.space, h.width, h.height, next);
    std::vector<png_byte> row(h.rowbytes);
    if (!readbody(s, h, row.data(), sink)) return damaged();
    sink.finish();
    image = std::move(next);
    return Outcome::ok();
}

}  // namespace quorvel
