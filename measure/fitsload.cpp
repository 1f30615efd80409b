#include <fitsio.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "fitstiles.h"
#include "imageload.h"
#include "messagetext.h"

namespace quorvel {
namespace {

std::string fitserror(int status) {
    char text[FLEN_STATUS] = {};
    fits_get_errstatus(status, text);
    return text;
}

/// Refuses an image whose declared data the file cannot hold, before anything
/// is allocated for it (a tile-compressed image aside: checkimagesize bounds it).
Outcome checkdeclared(fitsfile* f, const std::string& path, const long naxes[3], int64_t filesize) {
    int status = 0, bitpix = 0;
    LONGLONG header = 0, data = 0, end = 0;
    if (fits_is_compressed_image(f, &status) || fits_get_img_type(f, &bitpix, &status) != 0 ||
        fits_get_hduaddrll(f, &header, &data, &end, &status) != 0)
        return Outcome::ok();  // the read says what is wrong
    const int64_t needed = static_cast<int64_t>(data) + int64_t{naxes[0]} * naxes[1] * std::abs(bitpix) / 8;
    if (needed <= filesize) return Outcome::ok();
    return Outcome::input(fillin(MESSAGE_TEXT("Message",
                                              "The FITS file %1 is cut short: its header declares %2 x %3 pixels, %4 "
                                              "bytes in all, but the file holds %5."),
                                 {path, std::to_string(naxes[0]), std::to_string(naxes[1]), std::to_string(needed),
                                  std::to_string(filesize)}));
}

/// The first plane in one read (a tile-compressed image tile by tile into
/// gray, readtiles), its rows turned so that the first FITS row is at the bottom.
Outcome readplane(fitsfile* f, const std::string& path, int64_t filesize, GrayImage& gray) {
    long first[3] = {1, 1, 1};
    float blank = NAN;
    int anyblank = 0, status = 0;
    if (fits_is_compressed_image(f, &status)) {
        if (Outcome read = readtiles(f, path, filesize, gray); !read.done()) return read;
    } else if (fits_read_pix(f, TFLOAT, first, static_cast<LONGLONG>(gray.pixels.size()), &blank, gray.pixels.data(),
                             &anyblank, &status) != 0) {
        return Outcome::input(fillin(MESSAGE_TEXT("Message", "The FITS file %1 is damaged or cut short: %2."),
                                     {path, fitserror(status)}));
    }
    const auto row = [&](int32_t y) { return gray.pixels.begin() + static_cast<std::ptrdiff_t>(y) * gray.width; };
    for (int32_t y = 0; y < gray.height / 2; ++y) std::swap_ranges(row(y), row(y + 1), row(gray.height - 1 - y));
    return Outcome::ok();
}

struct FitsCloser {
    void operator()(fitsfile* f) const {
        int status = 0;
        fits_close_file(f, &status);
    }
};
using FitsFile = std::unique_ptr<fitsfile, FitsCloser>;

/// Moves to the first image HDU with two axes or more; false when there is none.
bool firstimage(fitsfile* f, long naxes[3], int& status) {
    int count = 0;
    if (fits_get_num_hdus(f, &count, &status) != 0) return false;
    for (int i = 1; i <= count; ++i) {
        int type = 0, bitpix = 0, naxis = 0;
        naxes[0] = naxes[1] = naxes[2] = 1;
        if (fits_movabs_hdu(f, i, &type, &status) != 0) return false;
        if (type != IMAGE_HDU || fits_get_img_param(f, 3, &bitpix, &naxis, naxes, &status) != 0) continue;
        if (naxis >= 2 && naxes[0] > 0 && naxes[1] > 0) return true;
    }
    return false;
}

/// The cards of the current HDU into cards, a value already there replaced.
void readcards(fitsfile* f, HeaderCards& cards) {
    int count = 0, status = 0;
    if (fits_get_hdrspace(f, &count, nullptr, &status) != 0) return;
    for (int i = 1; i <= count; ++i) {
        char name[FLEN_KEYWORD] = {}, value[FLEN_VALUE] = {}, comment[FLEN_COMMENT] = {};
        if (fits_read_keyn(f, i, name, value, comment, &status) != 0) return;
        std::string v = value;
        if (v.size() >= 2 && v.front() == '\'' && v.back() == '\'') {  // a string: quotes off, '' for '
            std::string unquoted;
            for (size_t k = 1; k + 1 < v.size(); ++k) {
                unquoted += v[k];
                if (v[k] == '\'' && v[k + 1] == '\'') ++k;
            }
            v = unquoted;
        }
        while (!v.empty() && v.back() == ' ') v.pop_back();
        if (*name && !v.empty()) cards[name] = v;
    }
}

/// The cards of the primary HDU, then those of the image's HDU over them.
HeaderCards headercards(fitsfile* f) {
    HeaderCards cards;
    int status = 0, type = 0, here = 1;
    fits_get_hdu_num(f, &here);
    if (here != 1 && fits_movabs_hdu(f, 1, &type, &status) == 0) {
        readcards(f, cards);
        fits_movabs_hdu(f, here, &type, &status);
    }
    readcards(f, cards);
    return cards;
}

}  // namespace

Outcome loadfits(const std::string& path, const InputFile& file, LoadedImage& out) {
    fitsfile* raw = nullptr;
    int status = 0;
    if (fits_open_diskfile(&raw, file.procname().c_str(), READONLY, &status) != 0)
        return Outcome::input(
                fillin(MESSAGE_TEXT("Message", "The FITS file %1 cannot be read: %2."), {path, fitserror(status)}));
    FitsFile f(raw);
    long naxes[3];
    if (!firstimage(f.get(), naxes, status))
        return Outcome::input(
                status ? fillin(MESSAGE_TEXT("Message", "The FITS file %1 is damaged: %2."), {path, fitserror(status)})
                       : fillin(MESSAGE_TEXT("Message", "The FITS file %1 holds no image."), {path}));
    if (Outcome fits = checkimagesize(path, naxes[0], naxes[1]); !fits.done()) return fits;
    if (Outcome fits = checkdeclared(f.get(), path, naxes, file.size()); !fits.done()) return fits;
    LoadedImage next;
    next.fits = true;
    next.gray.width = static_cast<int32_t>(naxes[0]);
    next.gray.height = static_cast<int32_t>(naxes[1]);
    next.gray.pixels.resize(static_cast<size_t>(naxes[0] * naxes[1]));
    if (Outcome read = readplane(f.get(), path, file.size(), next.gray); !read.done()) return read;
    next.cards = headercards(f.get());
    next.picture = stretchedpicture(next.gray);
    out = std::move(next);
    return Outcome::ok();
}

}  // namespace quorvel
