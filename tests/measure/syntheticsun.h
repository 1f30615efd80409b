// Synthetic solar images for the measuring tests, with a projection of
// heliographic points written here, independent of the product's.
#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "grayimage.h"
#include "imageframe.h"

namespace quorvel::test {

/// whitelight: a limb-darkened disk; halpha: with prominences beyond it;
/// drawing: a pencil circle on paper; euv: a limb-brightened disk, a bright
/// ring just outside it and a corona fading outward, with loops; ring: the
/// bright ring alone; occulted: a coronagraph's dark occulter of radius r
/// in a corona with streamers, cut by a field stop at 2.4 r.
enum class Look { whitelight, halpha, drawing, euv, ring, occulted };

struct Scene {
    int32_t width = 1200, height = 1100;
    double cx = 600, cy = 540, r = 500;  // the true limb, pixels
    Look look = Look::whitelight;
    double noise = 0.02;
    double sunradiusdeg = 0;  // the Sun's angular radius seen from the observer; 0 infinitely far
    double turndeg = 0;       // the frame of a copy turned by this angle: black beyond it
    bool bits8 = false;       // values kept as whole numbers 0 to 255, as in an 8-bit copy
};

struct Spot {
    double lat, cmd;  // degrees, cmd west positive
};

inline double rad(double deg) { return deg * std::numbers::pi / 180; }

/// Image pixel of a heliographic point: solar frame (x west, y north) turned
/// by P (counterclockwise on the sky, east left), then the mount's turn, the
/// flip, the inversion and the extra rotation, all on the screen.
inline bool projectspot(const Spot& s, double p, double b0, double gamma, const Orientation& o, const Scene& sc,
                        double& px, double& py) {
    double x = std::cos(rad(s.lat)) * std::sin(rad(s.cmd));
    double y = std::sin(rad(s.lat)) * std::cos(rad(b0)) - std::cos(rad(s.lat)) * std::cos(rad(s.cmd)) * std::sin(rad(b0));
    const double z = std::sin(rad(s.lat)) * std::sin(rad(b0)) + std::cos(rad(s.lat)) * std::cos(rad(s.cmd)) * std::cos(rad(b0));
    auto turn = [&](double deg) {  // counterclockwise on the screen
        const double c = std::cos(rad(deg)), sn = std::sin(rad(deg)), nx = x * c - y * sn;
        y = x * sn + y * c;
        x = nx;
    };
    const bool telescope = o.kind == OrientKind::telescope;
    turn(o.kind == OrientKind::solar ? 0 : p);
    if (telescope && o.altaz) turn(-gamma);  // zenith up: north lies gamma clockwise of it
    if (telescope && o.flip) x = -x;
    if (telescope && o.invert) turn(180);
    turn(o.rotatedeg);
    if (sc.sunradiusdeg > 0 && std::hypot(x, y) > 0) {  // the ray from an observer at distance d (solar radii)
        const double d = 1 / std::sin(rad(sc.sunradiusdeg)), across = std::hypot(x, y);
        const double k = std::atan(across / (d - z)) / rad(sc.sunradiusdeg) / across;
        x *= k, y *= k;
    }
    px = sc.cx + sc.r * x;
    py = sc.cy - sc.r * y;
    return z > 0;
}

/// Brightness at (x, y) inside the frame, 0 to about 1.
inline double brightness(const Scene& sc, double x, double y) {
    const double dx = x - sc.cx, dy = y - sc.cy, d = std::hypot(dx, dy), q = d / sc.r, a = std::atan2(dy, dx);
    switch (sc.look) {
    case Look::drawing: return std::fabs(d - sc.r) < 1.5 ? 0.2 : 0.95;
    case Look::ring: return std::fabs(q - 1) < 0.03 ? 0.8 : 0.05;
    case Look::occulted: return q < 1 || q > 2.4 ? 0.02 : 0.05 + 0.8 * (1 + 0.5 * std::cos(4 * a)) / (q * q * q);
    case Look::euv: {  // an 8-bit copy stretched to show the corona: saturated from the ring out to 1.05 r
        const double ring = 0.5 * std::exp(-std::pow((q - 1.01) / 0.012, 2));
        if (q < 1) return 0.55 + 0.15 * std::pow(q, 6) + ring;
        const double loops = q < 1.12 && std::cos(7 * a) > 0.9 ? 0.3 : 0;
        return 0.05 + 1.1 * std::exp(-(q - 1) / 0.12) + 0.25 * std::exp(-(q - 1) / 0.8) + ring + loops;
    }
    default: break;
    }
    if (d < sc.r) return 0.05 + 0.9 * (0.4 + 0.6 * std::sqrt(1 - q * q));
    if (sc.look == Look::halpha && q < 1.07 && std::cos(9 * a) > 0.6) return 0.2;
    return 0.05;
}

/// Whether (x, y) lies inside the frame of a copy turned by turndeg about
/// the image's centre (always, unturned).
inline bool inframe(const Scene& sc, double x, double y) {
    const double hx = (sc.width - 1) / 2.0, hy = (sc.height - 1) / 2.0, c = std::cos(rad(sc.turndeg)),
                 s = std::sin(rad(sc.turndeg));
    const double u = (x - hx) * c + (y - hy) * s, v = -(x - hx) * s + (y - hy) * c;
    return std::fabs(u) <= hx + 0.5 && std::fabs(v) <= hy + 0.5;
}

/// The value of pixel (x, y): 4 x 4 samples near an edge of the disk or of
/// the turned frame.
inline double pixelvalue(const Scene& sc, int32_t x, int32_t y) {
    const double d = std::hypot(x - sc.cx, y - sc.cy);
    const bool frame = sc.turndeg != 0 && (inframe(sc, x - 1.5, y - 1.5) + inframe(sc, x + 1.5, y - 1.5) +
                                           inframe(sc, x - 1.5, y + 1.5) + inframe(sc, x + 1.5, y + 1.5)) % 4 != 0;
    if (!frame && std::fabs(d - sc.r) >= 2.5) return inframe(sc, x, y) ? brightness(sc, x, y) : 0;
    double v = 0;
    for (int i = 0; i < 16; ++i) {
        const double sx = x - 0.375 + 0.25 * (i % 4), sy = y - 0.375 + 0.25 * (i / 4);
        v += inframe(sc, sx, sy) ? brightness(sc, sx, sy) / 16 : 0;
    }
    return v;
}

inline GrayImage makeimage(const Scene& sc, const std::vector<std::pair<double, double>>& spotpixels) {
    GrayImage img{sc.width, sc.height, std::vector<float>(static_cast<size_t>(sc.width) * sc.height)};
    std::mt19937 rng(7);
    std::normal_distribution<double> noise(0, sc.noise);
    for (int32_t y = 0; y < sc.height; ++y) {
        for (int32_t x = 0; x < sc.width; ++x) {
            double v = pixelvalue(sc, x, y);
            for (const auto& [sx, sy] : spotpixels)
                if (std::hypot(x - sx, y - sy) < 4) v *= 0.3;
            v += inframe(sc, x, y) ? noise(rng) : 0;
            img.pixels[static_cast<size_t>(y) * sc.width + x] =
                static_cast<float>(sc.bits8 ? std::round(std::clamp(v, 0.0, 1.0) * 255) : v);
        }
    }
    return img;
}

/// One of the 8 lossless turns and flips of an image (k = 0 to 7: bit 2
/// transposes, bit 0 mirrors left-right, bit 1 upside down, in that order),
/// and where a point of the original lands.
inline PixelXY losslesspoint(const GrayImage& img, int k, PixelXY p) {
    const int32_t w = k & 4 ? img.height : img.width, h = k & 4 ? img.width : img.height;
    if (k & 4) std::swap(p.x, p.y);
    if (k & 1) p.x = w - 1 - p.x;
    if (k & 2) p.y = h - 1 - p.y;
    return p;
}

inline GrayImage lossless(const GrayImage& img, int k) {
    GrayImage out{k & 4 ? img.height : img.width, k & 4 ? img.width : img.height, img.pixels};
    for (int32_t y = 0; y < img.height; ++y)
        for (int32_t x = 0; x < img.width; ++x) {
            const PixelXY p = losslesspoint(img, k, {static_cast<double>(x), static_cast<double>(y)});
            out.pixels[static_cast<size_t>(p.y) * out.width + static_cast<size_t>(p.x)] = img.at(x, y);
        }
    return out;
}

}  // namespace quorvel::test
