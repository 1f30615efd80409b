#include "tiffload.h"

#include <sys/stat.h>
#include <tiffio.h>
#include <unistd.h>

#include <QColorSpace>
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "imagerows.h"

namespace quorvel {
namespace {

/// The most libtiff allocates at once for one file (a strip's buffers).
constexpr tmsize_t LARGEST_ALLOCATION = tmsize_t{256} << 20;

/// The file as libtiff reads it: by position, so that the descriptor's own
/// offset, which Qt's reader goes by, is left alone.
struct Source {
    int fd;
    toff_t size, at = 0;
    std::string error;  ///< libtiff's first error
};

tmsize_t readbytes(thandle_t h, void* into, tmsize_t n) {
    auto* s = static_cast<Source*>(h);
    const ssize_t got = pread(s->fd, into, static_cast<size_t>(n), static_cast<off_t>(s->at));
    if (got > 0) s->at += static_cast<toff_t>(got);
    return got;
}
tmsize_t writebytes(thandle_t, void*, tmsize_t) { return -1; }
toff_t seekto(thandle_t h, toff_t offset, int whence) {
    auto* s = static_cast<Source*>(h);
    s->at = whence == SEEK_SET ? offset : whence == SEEK_CUR ? s->at + offset : s->size + offset;
    return s->at;
}
int closefile(thandle_t) { return 0; }  // the descriptor is the caller's
toff_t filesize(thandle_t h) { return static_cast<Source*>(h)->size; }
int mapnothing(thandle_t, void**, toff_t*) { return 0; }
void unmapnothing(thandle_t, void*, toff_t) {}

int onerror(TIFF*, void* user, const char*, const char* format, va_list args) {
    auto* s = static_cast<Source*>(user);
    if (s->error.empty()) {
        char text[512];
        std::vsnprintf(text, sizeof text, format, args);
        s->error = text;
    }
    return 1;  // handled: nothing printed
}
int onwarning(TIFF*, void*, const char*, const char*, va_list) { return 1; }

/// The open file, closed with it.
struct TiffFile {
    TIFF* tif = nullptr;
    ~TiffFile() {
        if (tif) TIFFClose(tif);
    }
};

/// Bytes of a band of tiles held at once, at most: a larger one is left to Qt.
constexpr uint64_t LARGEST_BAND = uint64_t{64} << 20;

/// How the file's rows are stored, where they are read here.
struct Strips {
    uint32_t width = 0, height = 0;
    uint32_t tilewidth = 0, tileheight = 0;  ///< 0 for strips
    uint16_t samples = 1;                    ///< values a pixel
    RowLayout layout;
    size_t pixelbytes() const { return static_cast<size_t>(layout.wide ? 2 : 1) * samples; }
};

std::optional<Strips> readable(TIFF* t) {
    Strips s;
    uint16_t bits = 1, photometric = 0, planar = 0, format = 0, orientation = 0;
    if (!TIFFGetField(t, TIFFTAG_IMAGEWIDTH, &s.width) || !TIFFGetField(t, TIFFTAG_IMAGELENGTH, &s.height) ||
        !TIFFGetField(t, TIFFTAG_PHOTOMETRIC, &photometric))
        return std::nullopt;
    TIFFGetFieldDefaulted(t, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(t, TIFFTAG_SAMPLESPERPIXEL, &s.samples);
    TIFFGetFieldDefaulted(t, TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetFieldDefaulted(t, TIFFTAG_SAMPLEFORMAT, &format);
    TIFFGetFieldDefaulted(t, TIFFTAG_ORIENTATION, &orientation);
    s.layout = {photometric == PHOTOMETRIC_RGB, bits == 16};
    const uint16_t least = s.layout.colour ? 3 : 1;
    if (planar != PLANARCONFIG_CONTIG || format != SAMPLEFORMAT_UINT || orientation != ORIENTATION_TOPLEFT ||
        (bits != 8 && bits != 16) || (!s.layout.colour && photometric != PHOTOMETRIC_MINISBLACK) || s.samples < least ||
        s.samples > least + 1)
        return std::nullopt;
    if (TIFFIsTiled(t) && (!TIFFGetField(t, TIFFTAG_TILEWIDTH, &s.tilewidth) ||
                           !TIFFGetField(t, TIFFTAG_TILELENGTH, &s.tileheight) || s.tilewidth == 0 || s.tileheight == 0 ||
                           uint64_t{s.tileheight} * std::max(s.width, s.tilewidth) * s.pixelbytes() > LARGEST_BAND))
        return std::nullopt;
    return s;
}

/// The image's ICC profile as a colour space; none (sRGB) without one.
QColorSpace colourspace(TIFF* t) {
    uint32_t length = 0;
    void* profile = nullptr;
    if (!TIFFGetField(t, TIFFTAG_ICCPROFILE, &length, &profile) || length == 0) return {};
    return QColorSpace::fromIccProfile(QByteArray(static_cast<const char*>(profile), static_cast<qsizetype>(length)));
}

/// A stored row of pixels of samples values (of T) in the layout of RowLayout:
/// a grey's alpha or an 8-bit RGB's fourth value left out, a fourth value
/// added to 16-bit RGB.
template <class T>
const uchar* relayout(const uchar* stored, int width, int samples, const RowLayout& l, std::vector<uchar>& room) {
    const int wanted = l.colour ? (l.wide ? 4 : 3) : 1;
    if (samples == wanted) return stored;
    room.resize(static_cast<size_t>(width) * static_cast<size_t>(wanted) * sizeof(T));
    const auto* from = reinterpret_cast<const T*>(stored);
    auto* to = reinterpret_cast<T*>(room.data());
    for (int x = 0; x < width; ++x)
        for (int k = 0; k < wanted; ++k)
            to[x * wanted + k] = k < samples ? from[x * samples + k] : T(~T{0});
    return room.data();
}

/// The rows y0 to y0 + rows of a tiled image into band, a row after the
/// other, through a tile at a time; false where a tile cannot be read.
bool readband(TIFF* t, const Strips& s, int y0, int rows, std::vector<uchar>& band, std::vector<uchar>& tile) {
    const size_t pixel = s.pixelbytes(), rowbytes = pixel * s.width, tilerow = pixel * s.tilewidth;
    tile.resize(std::max<size_t>(static_cast<size_t>(TIFFTileSize64(t)), tilerow * s.tileheight));
    for (uint32_t x0 = 0; x0 < s.width; x0 += s.tilewidth) {
        if (TIFFReadTile(t, tile.data(), x0, static_cast<uint32_t>(y0), 0, 0) < 0) return false;
        const size_t n = pixel * std::min(s.tilewidth, s.width - x0);
        for (int r = 0; r < rows; ++r) std::memcpy(&band[r * rowbytes + pixel * x0], &tile[r * tilerow], n);
    }
    return true;
}

}  // namespace

std::optional<Outcome> loadtiff(const std::string& path, int fd, LoadedImage& image) {
    struct stat st {};
    if (fstat(fd, &st) != 0) return std::nullopt;
    Source source{fd, static_cast<toff_t>(st.st_size), 0, {}};
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (!options) throw std::bad_alloc();
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, LARGEST_ALLOCATION);
    TIFFOpenOptionsSetErrorHandlerExtR(options, onerror, &source);
    TIFFOpenOptionsSetWarningHandlerExtR(options, onwarning, nullptr);
    TiffFile file;
    file.tif = TIFFClientOpenExt(path.c_str(), "rm", &source, readbytes, writebytes, seekto, closefile, filesize,
                                 mapnothing, unmapnothing, options);
    TIFFOpenOptionsFree(options);
    const auto damaged = [&] { return unreadableimage(path, source.error); };
    if (!file.tif) return damaged();
    const std::optional<Strips> s = readable(file.tif);
    if (!s) return std::nullopt;
    if (Outcome fits = checkimagesize(path, s->width, s->height); !fits.done()) return fits;
    const int width = static_cast<int>(s->width), height = static_cast<int>(s->height);
    LoadedImage next;
    RowSink sink(s->layout, colourspace(file.tif), width, height, next);
    const size_t rowbytes = s->pixelbytes() * s->width;
    std::vector<uchar> band, tile, room;
    for (int y0 = 0; y0 < height;) {
        const int rows = s->tileheight ? std::min(height - y0, static_cast<int>(s->tileheight)) : 1;
        band.resize(std::max<size_t>(rows * rowbytes, s->tileheight ? 0 : TIFFScanlineSize64(file.tif)));
        if (s->tileheight ? !readband(file.tif, *s, y0, rows, band, tile)
                          : TIFFReadScanline(file.tif, band.data(), static_cast<uint32_t>(y0), 0) < 0)
            return damaged();
        for (int r = 0; r < rows; ++r, ++y0) {
            const uchar* stored = band.data() + r * rowbytes;
            const uchar* row = s->layout.wide ? relayout<uint16_t>(stored, width, s->samples, s->layout, room)
                                              : relayout<uint8_t>(stored, width, s->samples, s->layout, room);
            sink.put(row, width, 0, 1, y0);
        }
    }
    sink.finish();
    image = std::move(next);
    return Outcome::ok();
}

}  // namespace quorvel
