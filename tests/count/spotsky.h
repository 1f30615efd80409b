// Spotted solar images for the counting tests, drawn with a projection of
// their own: an orthographic view of the sphere (the observer far away),
// solar north up and the east limb left. Spots are circular caps on the
// sphere of known radius: penumbrae, umbrae within them, pores.
#pragma once

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "grayimage.h"

namespace quorvel::test {

inline double radians(double deg) { return deg * std::numbers::pi / 180; }

/// A cap on the Sun: centre latitude and central-meridian distance (west
/// positive), angular radius, degrees.
struct Cap {
    double lat, cmd, radius;
};

/// One spot region: a penumbra (or a pore when it has no umbrae) and its umbrae.
struct DrawnRegion {
    Cap outer;                ///< the penumbra, or the pore
    std::vector<Cap> umbrae;  ///< none for a pore
};

struct Sky {
    int32_t width = 1300, height = 1240;
    double cx = 650.4, cy = 619.7, r = 600;  ///< the limb, pixels
    double b0 = 5;                           ///< degrees
    double noise = 0.01;                     ///< standard deviation, of the centre's brightness
    double tiltx = 0.06, tilty = -0.04;      ///< vignetting: brightness gains across one radius
    double centre = 40000;                   ///< the disk centre's brightness
};

constexpr double kPenumbra = 0.80, kUmbra = 0.35, kPore = 0.84;  // of the photosphere

/// The unit vector toward the observer's frame of a point on the Sun: x west (right), y north (up), z to the observer.
inline void capvector(double lat, double cmd, double b0, double v[3]) {
    const double cl = std::cos(radians(lat)), sl = std::sin(radians(lat));
    v[0] = cl * std::sin(radians(cmd));
    v[1] = sl * std::cos(radians(b0)) - cl * std::cos(radians(cmd)) * std::sin(radians(b0));
    v[2] = sl * std::sin(radians(b0)) + cl * std::cos(radians(cmd)) * std::cos(radians(b0));
}

/// The image pixel of a point on the Sun.
inline void pixelof(const Sky& sky, double lat, double cmd, double& px, double& py) {
    double v[3];
    capvector(lat, cmd, sky.b0, v);
    px = sky.cx + sky.r * v[0];
    py = sky.cy - sky.r * v[1];
}

/// Whether the sphere point under (x, y) radii lies within the cap.
inline bool incap(const Cap& c, double b0, const double p[3]) {
    double v[3];
    capvector(c.lat, c.cmd, b0, v);
    return v[0] * p[0] + v[1] * p[1] + v[2] * p[2] > std::cos(radians(c.radius));
}

/// The darkening of one sample point: the darkest feature covering it.
inline double darkening(const Sky& sky, const std::vector<DrawnRegion>& regions, double x, double y) {
    const double s = 1 - x * x - y * y;
    if (s <= 0) return 1;
    const double p[3] = {x, -y, std::sqrt(s)};
    double d = 1;
    for (const DrawnRegion& reg : regions) {
        if (!incap(reg.outer, sky.b0, p)) continue;
        d = std::min(d, reg.umbrae.empty() ? kPore : kPenumbra);
        for (const Cap& u : reg.umbrae)
            if (incap(u, sky.b0, p)) d = std::min(d, kUmbra);
    }
    return d;
}

/// The limb-darkened, vignetted, noisy disk on a dark sky with the regions
/// drawn, 2 x 2 samples a pixel where a region is near.
inline GrayImage drawsky(const Sky& sky, const std::vector<DrawnRegion>& regions) {
    GrayImage img{sky.width, sky.height, std::vector<float>(static_cast<size_t>(sky.width) * sky.height)};
    std::mt19937 rng(11);
    std::normal_distribution<double> noise(0, sky.noise * sky.centre);
    std::vector<std::pair<double, double>> centres;  // pixels of the regions' centres, with their reach
    for (const DrawnRegion& reg : regions) {
        double px, py;
        pixelof(sky, reg.outer.lat, reg.outer.cmd, px, py);
        centres.push_back({px, py});
    }
    for (int32_t py = 0; py < sky.height; ++py) {
        for (int32_t px = 0; px < sky.width; ++px) {
            const double x = (px - sky.cx) / sky.r, y = (py - sky.cy) / sky.r, d2 = x * x + y * y;
            double v = 0.02;
            if (d2 < 1) {
                const double mu = std::sqrt(1 - d2);
                v = (0.30 + 0.93 * mu - 0.23 * mu * mu) * (1 + sky.tiltx * x + sky.tilty * y);
                bool near = false;
                for (size_t k = 0; k < regions.size(); ++k)
                    near = near || std::hypot(px - centres[k].first, py - centres[k].second) < sky.r * radians(regions[k].outer.radius) + 3;
                double dark = 0;
                for (int i = 0; near && i < 4; ++i)
                    dark += darkening(sky, regions, x + (i % 2 - 0.5) * 0.5 / sky.r, y + (i / 2 - 0.5) * 0.5 / sky.r) / 4;
                if (near) v *= dark;
            }
            img.pixels[static_cast<size_t>(py) * sky.width + px] = static_cast<float>(v * sky.centre + noise(rng));
        }
    }
    return img;
}

struct DrawnGroup {
    const char* name;
    char hemisphere;
    std::vector<DrawnRegion> regions;
};

/// The day's groups: a bipolar group with a two-umbra spot and a pore, a
/// lone pore, a group across the equator, two near the limb (one with an
/// umbra 3 pixels across), and a spot within the limb margin, left out.
inline const std::vector<DrawnGroup> kDay = {
    {"bipolar", 'N',
     {{{15, -20, 1.2}, {{15, -20, 0.4}}},
      {{16, -28, 1.5}, {{16, -28.6, 0.3}, {16, -27.4, 0.3}}},
      {{15.5, -24, 0.25}, {}}}},
    {"lone pore", 'S', {{{-10, 35, 0.3}, {}}}},
    {"across the equator", 'N', {{{1.5, 5, 0.9}, {{1.5, 5, 0.35}}}, {{-1.0, 8, 0.3}, {}}}},
    {"limbward", 'S', {{{-20, -62, 1.6}, {{-20, -62, 0.6}}}}},
    {"small umbra limbward", 'N', {{{25, 70, 0.8}, {{25, 70, 0.3}}}}},
};
inline const DrawnRegion kInMargin{{0, 85, 1.0}, {{0, 85, 0.4}}};

/// The corrected area of a cap, millionths of the hemisphere.
inline double capmsh(double radiusdeg) { return (1 - std::cos(radians(radiusdeg))) * 1e6; }

}  // namespace quorvel::test
