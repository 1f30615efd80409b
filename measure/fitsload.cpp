#include <fitsio.h>

#include <cmath>
#include <memory>

#include "imageload.h"

namespace quorvel {
namespace {

constexpr long LARGEST_SIDE = 65536;         // pixels
constexpr long long MOST_PIXELS = 400000000;  // 1.6 GB of binary32 values

std::string fitserror(int status) {
    char text[FLEN_STATUS] = {};
    fits_get_errstatus(status, text);
    return text;
}

struct FitsCloser {
    void operator()(fitsfile* f) const {
        int status = 0;
        fits_close_file(f, &status);
    }
};
using FitsFile = std::unique_ptr<fitsfile, FitsCloser>;

/// A string keyword of the current HDU, "" when absent.
std::string keyword(fitsfile* f, const char* name) {
    char value[FLEN_VALUE] = {};
    int status = 0;
    if (fits_read_key(f, TSTRING, name, value, nullptr, &status) != 0) return "";
    return value;
}

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

/// DATE-OBS and TIME-OBS of the image HDU, else of the primary one.
std::optional<ObsDate> headerdate(fitsfile* f, std::string& dateobs) {
    std::string date = keyword(f, "DATE-OBS"), time = keyword(f, "TIME-OBS");
    if (date.empty()) {
        int status = 0, type = 0, here = 1;
        fits_get_hdu_num(f, &here);
        if (here != 1 && fits_movabs_hdu(f, 1, &type, &status) == 0) {
            date = keyword(f, "DATE-OBS");
            time = keyword(f, "TIME-OBS");
        }
    }
    dateobs = date;
    return parseobsdate(date, time);
}

}  // namespace

Outcome loadfits(const std::string& path, LoadedImage& out) {
    fitsfile* raw = nullptr;
    int status = 0;
    if (fits_open_diskfile(&raw, path.c_str(), READONLY, &status) != 0)
        return Outcome::input("The FITS file " + path + " cannot be read: " + fitserror(status) + ".");
    FitsFile f(raw);
    long naxes[3];
    if (!firstimage(f.get(), naxes, status))
        return Outcome::input(status ? "The FITS file " + path + " is damaged: " + fitserror(status) + "."
                                     : "The FITS file " + path + " holds no image.");
    if (naxes[0] > LARGEST_SIDE || naxes[1] > LARGEST_SIDE || naxes[0] * naxes[1] > MOST_PIXELS)
        return Outcome::input("The FITS image " + path + " is too large to measure.");
    LoadedImage next;
    next.fits = true;
    next.gray.width = static_cast<int32_t>(naxes[0]);
    next.gray.height = static_cast<int32_t>(naxes[1]);
    next.gray.pixels.resize(static_cast<size_t>(naxes[0] * naxes[1]));
    float blank = NAN;
    int anyblank = 0;
    for (long row = 1; row <= naxes[1]; ++row) {  // the first FITS row is the bottom of the picture
        long first[3] = {1, row, 1};
        float* dst = &next.gray.pixels[static_cast<size_t>((naxes[1] - row) * naxes[0])];
        if (fits_read_pix(f.get(), TFLOAT, first, naxes[0], &blank, dst, &anyblank, &status) != 0)
            return Outcome::input("The FITS file " + path + " is damaged or cut short: " + fitserror(status) + ".");
    }
    next.date = headerdate(f.get(), next.dateobs);
    next.picture = stretchedpicture(next.gray);
    out = std::move(next);
    return Outcome::ok();
}

}  // namespace quorvel
