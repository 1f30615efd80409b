// Hostile files for quorvel_cli measure, each written here by its own simple
// model and opened in a child process under a memory limit: the status and
// the message compared with hostile.txt (store anew with
// QUORVEL_UPDATE_GOLDEN=1), the processor time and the peak memory with bounds.
#include <fitsio.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <fstream>
#include <functional>
#include <sstream>

#include "exifbytes.h"
#include "pngchunks.h"
#include "syntheticsun.h"

namespace quorvel {
namespace {

using test::be32;
using test::chunk;

#if defined(__has_feature)
constexpr bool SANITIZED = __has_feature(address_sanitizer);  // no memory limits, slower code
#else
constexpr bool SANITIZED = false;
#endif
constexpr double CPU_SECONDS = SANITIZED ? 10 : 2;
constexpr long BASE_KB = 64 * 1024;  // the program with Qt, before any image
constexpr rlim_t DATA_LIMIT = rlim_t{1} << 30;

void save(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string fitsheader(int bitpix, long n1, long n2) {
    std::string h;
    for (std::string c : std::vector<std::string>{"SIMPLE  =                    T", "BITPIX  = " + std::to_string(bitpix),
                                                  "NAXIS   =                    2", "NAXIS1  = " + std::to_string(n1),
                                                  "NAXIS2  = " + std::to_string(n2), "END"})
        h += c.append(80 - c.size(), ' ');
    return h.append(2880 - h.size(), ' ');
}

/// An 8-bit grey PNG of w x h pixels of value(x, y), its data cut to the first rows.
std::string greypng(uint32_t w, uint32_t h, uint32_t rows, const std::function<char(uint32_t, uint32_t)>& value) {
    std::string raw(size_t(w + 1) * rows, '\0');
    for (uint32_t y = 0; y < rows && value; ++y)
        for (uint32_t x = 0; x < w; ++x) raw[size_t(y) * (w + 1) + 1 + x] = value(x, y);
    std::string z(compressBound(uLong(raw.size())), '\0');
    uLongf n = uLongf(z.size());
    compress(reinterpret_cast<Bytef*>(z.data()), &n, reinterpret_cast<const Bytef*>(raw.data()), uLong(raw.size()));
    return "\x89PNG\r\n\x1a\n" + chunk("IHDR", be32(w) + be32(h) + std::string("\x08\0\0\0\0", 5)) +
           chunk("IDAT", z.substr(0, n)) + chunk("IEND", "");
}
std::string blackpng(uint32_t w, uint32_t h, uint32_t rows) { return greypng(w, h, rows, nullptr); }

/// A JPEG whose frame header declares w x h pixels.
std::string jpegbomb(uint16_t w, uint16_t h) {
    QImage img(16, 16, QImage::Format_Grayscale8);
    img.fill(128);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "JPEG");
    const qsizetype sof = data.indexOf("\xff\xc0");
    data[sof + 5] = char(h >> 8), data[sof + 6] = char(h), data[sof + 7] = char(w >> 8), data[sof + 8] = char(w);
    return data.toStdString();
}

/// The test's disk of 4096 x 4096 pixels, 16 bits (or 32 across their whole
/// range), stored as one tile compressed with compression (without noise
/// under PLIO, a code for smooth images).
std::function<void(const std::string&)> tiledfits(int compression, bool wide = false) {
    return [=](const std::string& path) {
        const double noise = compression == PLIO_1 ? 0 : 0.01;
        const GrayImage img = test::makeimage({4096, 4096, 2000, 2060, 1800, test::Look::whitelight, noise}, {});
        std::vector<int> v(img.pixels.size());
        std::vector<short> narrow(wide ? 0 : v.size());
        for (size_t i = 0; i < v.size(); ++i) v[i] = wide ? int(4e9 * std::min(img.pixels[i], 1.0f) - 2e9) : int(20000 * img.pixels[i]);
        std::copy(v.begin(), v.begin() + ptrdiff_t(narrow.size()), narrow.begin());
        fitsfile* f = nullptr;
        int status = 0;
        long naxes[2] = {4096, 4096};
        fits_create_file(&f, path.c_str(), &status);
        fits_set_compression_type(f, compression, &status);
        fits_set_tile_dim(f, 2, naxes, &status);
        fits_create_img(f, wide ? LONG_IMG : SHORT_IMG, 2, naxes, &status);
        if (wide) fits_write_img(f, TINT, 1, LONGLONG(v.size()), v.data(), &status);
        else fits_write_img(f, TSHORT, 1, LONGLONG(narrow.size()), narrow.data(), &status);
        fits_close_file(f, &status);
        ASSERT_EQ(status, 0);
    };
}

/// A constant float image of 4096 x 4096 in one RICE_1 tile: too flat to be
/// quantized, cfitsio stores it as it is under GZIP_1 in a column of its own.
void constantfits(const std::string& path) {
    std::vector<float> v(size_t{4096} * 4096, 5.5f);
    fitsfile* f = nullptr;
    int status = 0;
    long naxes[2] = {4096, 4096};
    fits_create_file(&f, path.c_str(), &status);
    fits_set_compression_type(f, RICE_1, &status);
    fits_set_tile_dim(f, 2, naxes, &status);
    fits_create_img(f, FLOAT_IMG, 2, naxes, &status);
    fits_write_img(f, TFLOAT, 1, LONGLONG(v.size()), v.data(), &status);
    fits_close_file(f, &status);
    ASSERT_EQ(status, 0);
}

/// A PNG of w x h black pixels of 16 bits a channel, red, green, blue and
/// alpha: every row deflated in turn, a few hundred kilobytes for 128 MB of pixels.
std::string blackcolourpng(uint32_t w, uint32_t h) {
    z_stream z{};
    deflateInit(&z, 9);
    const std::string row(size_t(w) * 8 + 1, '\0');
    std::string out, piece(1 << 16, '\0');
    for (uint32_t y = 0; y <= h; ++y) {
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(row.data()));
        z.avail_in = y < h ? uInt(row.size()) : 0;
        do {
            z.next_out = reinterpret_cast<Bytef*>(piece.data());
            z.avail_out = uInt(piece.size());
            deflate(&z, y < h ? Z_NO_FLUSH : Z_FINISH);
            out.append(piece.data(), piece.size() - z.avail_out);
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    return "\x89PNG\r\n\x1a\n" + chunk("IHDR", be32(w) + be32(h) + std::string("\x10\x06\0\0\0", 5)) + chunk("IDAT", out) +
           chunk("IEND", "");
}

/// A small disk as a JPEG whose EXIF IFD0 counts 65535 entries and points beyond its block.
std::string lyingexif() {
    std::string block = test::tiffblock(true, {{0x8769, 4, std::string("\xf0\xff\xff\xff", 4)}}, {});
    block[8] = block[9] = '\xff';
    QImage img(64, 64, QImage::Format_Grayscale8);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) img.scanLine(y)[x] = (x - 32) * (x - 32) + (y - 32) * (y - 32) < 576 ? 220 : 20;
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "JPEG");
    return test::exifjpeg(block, data.toStdString().substr(2));
}

/// A reddish disk of 4096 x 4096 pixels, 16 bits a channel, as an uncompressed TIFF.
void colourtiff(const std::string& path) {
    QImage img(4096, 4096, QImage::Format_RGBX64);
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgba64*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const quint16 v = (x - 2000) * (x - 2000) + (y - 2100) * (y - 2100) < 1800 * 1800 ? 50000 : 3000;
            row[x] = QRgba64::fromRgba64(v, quint16(v * 0.6), quint16(v * 0.3), 65535);
        }
    }
    ASSERT_TRUE(img.save(QString::fromStdString(path), "TIFF"));
}

struct ChildRun {
    int status = -1;  // 128 + signal when killed, -1 when it hung
    std::string err;
    double cpu = 0;  // seconds, user and system
    long maxrsskb = 0;
};

/// quorvel_cli measure DIR/FILE at a date, with the options of more (DIR standing for dir).
ChildRun runmeasure(const std::string& dir, const std::string& file, rlim_t limit, const std::string& more) {
    std::vector<std::string> args{"measure", dir + "/" + file, "--day", "21", "--month", "6", "--year", "2006", "--hour", "12"};
    std::istringstream words(more);
    for (std::string w; words >> w;) args.push_back(w.rfind("DIR", 0) == 0 ? dir + w.substr(3) : w);
    std::vector<char*> argv{const_cast<char*>(QUORVEL_CLI)};
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const rlimit r{limit, limit};
        if (!SANITIZED) setrlimit(RLIMIT_DATA, &r);
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        if (!freopen("/dev/null", "w", stdout) || !freopen((dir + "/err").c_str(), "w", stderr)) _exit(126);
        execv(QUORVEL_CLI, argv.data());
        _exit(127);
    }
    ChildRun run;
    int st = 0;
    rusage ru{};
    pid_t done = 0;
    for (int tick = 0; tick < 3000 && (done = wait4(pid, &st, WNOHANG, &ru)) == 0; ++tick) usleep(10000);
    if (done == 0) kill(pid, SIGKILL), wait4(pid, &st, 0, &ru);
    else run.status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
    run.cpu = double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) + 1e-6 * double(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec);
    run.maxrsskb = ru.ru_maxrss;
    std::ifstream e(dir + "/err");
    std::getline(e, run.err);
    for (size_t at; (at = run.err.find(dir)) != std::string::npos;) run.err.replace(at, dir.size(), "DIR");
    return run;
}

TEST(Hostile, EveryFileRefusedOrMeasuredInBounds) {
    QTemporaryDir tmp;
    const std::string dir = tmp.path().toStdString();
    const rlim_t TIGHT = rlim_t{200} << 20, OVERLAY_TIGHT = rlim_t{420} << 20;  // bytes: a load fails, an overlay fails
    const std::string overlay = "--min 0 --limb 4096,4096,3000 --overlay DIR/o.png";
    const struct { const char* name; const char* file; std::function<void(const std::string&)> make; double pixels; rlim_t limit; std::string more; } cases[] = {
        {"a header declaring 20000 x 20000", "huge.fits", [](auto& p) { save(p, fitsheader(16, 20000, 20000) + std::string(2880, '\0')); }, 0, DATA_LIMIT, ""},
        {"a header declaring more than the file", "short.fits", [](auto& p) { save(p, fitsheader(-32, 4000, 4000) + std::string(2880, '\0')); }, 0, DATA_LIMIT, ""},
        {"one pixel", "one.png", [](auto& p) { save(p, blackpng(1, 1, 1)); }, 0, DATA_LIMIT, ""},
        {"one tile-compressed disk", "tiled.fits", tiledfits(RICE_1), 4096.0 * 4096, DATA_LIMIT, "--min 0"},
        {"one GZIP_2 tile", "gzip2.fits", tiledfits(GZIP_2), 4096.0 * 4096, DATA_LIMIT, "--min 0"},
        {"one PLIO tile", "plio.fits", tiledfits(PLIO_1), 4096.0 * 4096, DATA_LIMIT, "--min 0"},
        {"one HCOMPRESS tile", "hcompress.fits", tiledfits(HCOMPRESS_1), 4096.0 * 4096, DATA_LIMIT, "--min 0"},
        {"one HCOMPRESS tile across the 32-bit range", "hcompress32.fits", tiledfits(HCOMPRESS_1, true), 4096.0 * 4096, DATA_LIMIT, "--min 0"},
        {"one constant float tile", "constant.fits", constantfits, 4096.0 * 4096, DATA_LIMIT, "--min 0"},
        {"a 16-bit colour PNG bomb", "bomb16.png", [](auto& p) { save(p, blackcolourpng(4096, 4096)); }, 4096.0 * 4096, DATA_LIMIT, "--min 0"},
        {"a 16-bit colour TIFF", "colour.tif", colourtiff, 4096.0 * 4096, DATA_LIMIT, "--min 0"},
        {"a 16-bit colour TIFF in too little memory", "colour.tif", nullptr, 4096.0 * 4096, rlim_t{120} << 20, "--min 0"},
        {"a small corner", "corner.png", [](auto& p) { save(p, greypng(300, 300, 300, [](auto x, auto y) { return x > 200 && y > 200 ? 'x' : 0; })); }, 0, DATA_LIMIT, ""},
        {"a faint gradient", "faint.png", [](auto& p) { save(p, greypng(400, 400, 400, [](auto x, auto y) { return char((x + y) / 200); })); }, 0, DATA_LIMIT, ""},
        {"a small arc", "arc.png", [](auto& p) { save(p, greypng(300, 300, 300, [](auto x, auto y) { return (x - 40) * (x - 40) + (y - 40) * (y - 40) < 3600 && x > 20 && y > 20 ? 'x' : 0; })); }, 0, DATA_LIMIT, ""},
        {"a JPEG with a lying EXIF block", "exif.jpg", [](auto& p) { save(p, lyingexif()); }, 0, DATA_LIMIT, ""},
        {"a PNG bomb", "bomb.png", [](auto& p) { save(p, blackpng(30000, 30000, 1)); }, 0, DATA_LIMIT, ""},
        {"a JPEG bomb", "bomb.jpg", [](auto& p) { save(p, jpegbomb(30000, 30000)); }, 0, DATA_LIMIT, ""},
        {"the largest image, black", "black.png", [](auto& p) { save(p, blackpng(8192, 8192, 8192)); }, 8192.0 * 8192, DATA_LIMIT, "--min 0"},
        {"the largest image in too little memory", "black.png", nullptr, 8192.0 * 8192, TIGHT, "--min 0"},
        {"its overlay in too little memory", "black.png", nullptr, 8192.0 * 8192, OVERLAY_TIGHT, overlay},
        {"an SVG named .png", "svg.png", [](auto& p) { save(p, "<svg xmlns='http://www.w3.org/2000/svg'/>"); }, 0, DATA_LIMIT, ""},
        {"a named pipe", "pipe.png", [](auto& p) { mkfifo(p.c_str(), 0600); }, 0, DATA_LIMIT, ""}};
    std::string report, skipped;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.make) c.make(dir + "/" + c.file);
        if (SANITIZED && c.limit != DATA_LIMIT) skipped += std::string(c.name) + ":";  // the sanitizers need the memory
        if (SANITIZED && c.limit != DATA_LIMIT) continue;
        const ChildRun run = runmeasure(dir, c.file, c.limit, c.more);
        report += std::string(c.name) + ": status " + std::to_string(run.status) + ": " + run.err +
                  (std::remove((dir + "/o.png").c_str()) == 0 ? " (overlay written)\n" : "\n");
        EXPECT_LE(run.cpu, CPU_SECONDS);
        if (!SANITIZED) {
            EXPECT_LE(run.maxrsskb, BASE_KB + long(8 * c.pixels / 1024));
        }
    }
    const std::string stored = std::string(QUORVEL_SOURCE_DIR) + "/hostile.txt";
    if (getenv("QUORVEL_UPDATE_GOLDEN")) save(stored, report);
    std::ifstream f(stored);
    std::string expected;
    for (std::string line; std::getline(f, line);)
        if (skipped.find(line.substr(0, line.find(':') + 1)) == std::string::npos) expected += line + "\n";
    EXPECT_EQ(report, expected);
}

}  // namespace
}  // namespace quorvel
