// Lengths in twips (1/1440 inch), as the window is laid out, to device pixels.
#pragma once

#include <QRect>
#include <QWidget>
#include <cmath>

namespace quorvel {

/// Twips per pixel of the screen a widget is on: 15 at 96 dpi.
inline double twipsperpixel(const QWidget* w) {
    const int dpi = w ? w->logicalDpiX() : 96;
    return 1440.0 / (dpi > 0 ? dpi : 96);
}

inline int topixels(double twips, double tpp) { return static_cast<int>(std::lround(twips / tpp)); }

/// Places a widget at left, top, width, height given in twips.
inline void placetwips(QWidget* w, double left, double top, double width, double height, double tpp) {
    w->setGeometry(QRect(topixels(left, tpp), topixels(top, tpp), std::max(1, topixels(width, tpp)),
                         std::max(1, topixels(height, tpp))));
}

}  // namespace quorvel
