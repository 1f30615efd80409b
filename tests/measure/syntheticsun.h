// Synthetic solar images for the measuring tests, with a projection of
// heliographic points written here, independent of the product's.
#pragma once

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "grayimage.h"
#include "imageframe.h"

namespace quorvel::test {

enum class Look { whitelight, halpha, drawing };

struct Scene {
    int32_t width = 1200, height = 1100;
    double cx = 600, cy = 540, r = 500;  // the true limb, pixels
    Look look = Look::whitelight;
    double noise = 0.02;
    double sunradiusdeg = 0;  // the Sun's angular radius seen from the observer; 0 infinitely far
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

/// Brightness at distance d from the centre: limb-darkened disk, sky,
/// prominences, or a pencil circle on paper.
inline double brightness(const Scene& sc, double x, double y) {
    const double dx = x - sc.cx, dy = y - sc.cy, d = std::hypot(dx, dy);
    if (sc.look == Look::drawing) return std::fabs(d - sc.r) < 1.5 ? 0.2 : 0.95;
    if (d < sc.r) return 0.05 + 0.9 * (0.4 + 0.6 * std::sqrt(1 - (d / sc.r) * (d / sc.r)));
    if (sc.look == Look::halpha && d < 1.07 * sc.r && std::cos(9 * std::atan2(dy, dx)) > 0.6) return 0.2;
    return 0.05;
}

inline GrayImage makeimage(const Scene& sc, const std::vector<std::pair<double, double>>& spotpixels) {
    GrayImage img{sc.width, sc.height, std::vector<float>(static_cast<size_t>(sc.width) * sc.height)};
    std::mt19937 rng(7);
    std::normal_distribution<double> noise(0, sc.noise);
    for (int32_t y = 0; y < sc.height; ++y) {
        for (int32_t x = 0; x < sc.width; ++x) {
            const double d = std::hypot(x - sc.cx, y - sc.cy);
            double v = 0;
            if (std::fabs(d - sc.r) < 2.5) {  // edges: 4 x 4 samples a pixel
                for (int i = 0; i < 16; ++i) v += brightness(sc, x - 0.375 + 0.25 * (i % 4), y - 0.375 + 0.25 * (i / 4)) / 16;
            } else {
                v = brightness(sc, x, y);
            }
            for (const auto& [sx, sy] : spotpixels)
                if (std::hypot(x - sx, y - sy) < 4) v *= 0.3;
            img.pixels[static_cast<size_t>(y) * sc.width + x] = static_cast<float>(v + noise(rng));
        }
    }
    return img;
}

}  // namespace quorvel::test
