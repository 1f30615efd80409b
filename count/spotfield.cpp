#include "spotfield.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "heliocentric.h"
#include "outline.h"
#include "textvalue.h"

namespace quorvel {

bool thresholdsok(double penumbra, double umbra) { return umbra > 0 && umbra < penumbra && penumbra < 1; }
bool groupdistanceok(double deg) { return deg >= 0 && deg <= 180; }
bool limbmarginok(double mu) { return mu >= 0 && mu < 1; }
bool minsizeok(double size) { return size >= 0 && size <= 10000; }

double pixelsperarcsec(const ImageFrame& f) {
    const double au = std::sqrt(static_cast<double>(f.sun.x) * f.sun.x + static_cast<double>(f.sun.y) * f.sun.y +
                                static_cast<double>(f.sun.z) * f.sun.z);
    return au > 0 ? f.sun.radius / (959.63 / au) : 0;
}

std::optional<double> sizetext(const std::string& text, const ImageFrame& frame) {
    const bool arcsec = text.size() > 6 && text.compare(text.size() - 6, 6, "arcsec") == 0;
    const auto n = strictnumber(arcsec ? text.substr(0, text.size() - 6) : text);
    if (!n || (arcsec && pixelsperarcsec(frame) <= 0)) return std::nullopt;
    return arcsec ? *n * pixelsperarcsec(frame) : *n;
}

SpotField spotfield(const GrayImage& image, const ImageFrame& frame, const CountSettings& settings) {
    SpotField f;
    f.image = &image;
    f.frame = frame;
    f.settings = settings;
    const double r = frame.sun.radius;
    const double inside = r > 2 ? 1 - 2 / r : 0;  // 2 pixels inside the limb, in radii
    f.minmu = std::max(settings.limbmargin / 2, muat(inside, 0));
    f.fit = fitphotosphere(image, Circle{frame.cx, frame.cy, r}, f.minmu);
    return f;
}

double SpotField::muof(int64_t i) const {
    return muatpoint(static_cast<double>(i % image->width), static_cast<double>(i / image->width));
}

double SpotField::muatpoint(double x, double y) const {
    const double r = frame.sun.radius;
    if (!(r > 0)) return 0;
    return muatrho(std::hypot(x - frame.cx, y - frame.cy) / r, frame.sunradiusdeg * std::numbers::pi / 180);
}

double SpotField::ratio(int64_t i) const {
    const double r = frame.sun.radius;
    const double x = (static_cast<double>(i % image->width) - frame.cx) / r;
    const double y = (static_cast<double>(i / image->width) - frame.cy) / r;
    const double mu = muat(x, y);
    if (!(mu >= minmu) || mu <= 0 || fit.samples == 0) return 1;
    const double model = fit.at(x, y, mu);
    const double v = image->pixels[static_cast<size_t>(i)];
    return model > 0 && std::isfinite(v) ? v / model : 1;
}

void measurepixels(const SpotField& field, double x, double y, Spot& spot) {
    const double r = field.frame.sun.radius;
    const double disk = std::numbers::pi * r * r;  // pixels
    spot.spotpx = static_cast<int32_t>(spot.pixels.size());
    spot.areadisk = spot.spotpx / disk * 1e6;
    spot.areamsh = spot.umbramsh = 0;
    for (size_t k = 0; k < spot.pixels.size(); ++k) {
        const double msh = 1e6 / (2 * disk * std::max(field.muof(spot.pixels[k]), field.minmu));
        spot.areamsh += msh;
        if (k < static_cast<size_t>(spot.umbrapx)) spot.umbramsh += msh;
    }
    spot.row = measurespot(field.frame, x, y, spot.row.number);
    spot.cmdmin = spot.cmdmax = spot.row.disk.cmd;
    const int32_t w = field.image->width;
    for (int64_t i : outline(spot.pixels, w)) {
        const SpotRow edge = measurespot(field.frame, static_cast<double>(i % w), static_cast<double>(i / w), 0);
        if (!edge.disk.ondisk) continue;
        spot.cmdmin = std::min(spot.cmdmin, edge.disk.cmd);
        spot.cmdmax = std::max(spot.cmdmax, edge.disk.cmd);
    }
}

}  // namespace quorvel
