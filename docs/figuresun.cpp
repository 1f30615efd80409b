#include "figuresun.h"

#include <cmath>

namespace {

constexpr double CX = 410, CY = 340, R = 300;  // the disk, pixels
constexpr double DARKENING = 0.6;               // I(mu) = 1 - DARKENING (1 - mu)

/// A spot: an umbra of radius umbra inside a penumbra of radius penumbra, pixels.
struct Spot {
    double x, y, umbra, penumbra;
};
constexpr Spot SPOTS[] = {{500, 200, 6, 14}, {513, 206, 3, 0}, {300, 420, 5, 11}, {560, 470, 3, 0}};

/// The brightness at (x, y) relative to the disk's centre; -1 off the disk.
double brightness(double x, double y) {
    const double rho2 = ((x - CX) * (x - CX) + (y - CY) * (y - CY)) / (R * R);
    if (rho2 >= 1) return -1;
    double v = 1 - DARKENING * (1 - std::sqrt(1 - rho2));
    for (const Spot& s : SPOTS) {
        const double d = std::hypot(x - s.x, y - s.y);
        if (d < s.umbra) v *= 0.3;
        else if (d < s.penumbra) v *= 0.75;
    }
    return v;
}

}  // namespace

QImage figuresun() {
    QImage image(800, 700, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double v = brightness(x, y);
            const int level = v < 0 ? 12 : static_cast<int>(std::lround(30 + 215 * v));
            image.setPixel(x, y, qRgb(level, level, std::max(0, level - 25)));
        }
    return image;
}
