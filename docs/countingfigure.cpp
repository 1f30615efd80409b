#include "countingfigure.h"

#include <QPainter>
#include <cmath>

#include "grouping.h"
#include "spotcounts.h"
#include "spotfind.h"
#include "spotoverlay.h"

namespace {

constexpr int WIDTH = 420, HEIGHT = 170;  // pixels of the patch
constexpr double SCALE = 2;               // the figure's pixels of one patch pixel

/// Darkness of the patch at (x, y): ellipses of given brightness over the photosphere.
float patch(int x, int y) {
    struct Blob { double x, y, rx, ry, v; };
    const Blob blobs[] = {{90, 80, 42, 30, 0.82}, {75, 78, 9, 8, 0.40}, {106, 84, 8, 7, 0.45},   // two umbrae
                          {215, 70, 24, 22, 0.82}, {215, 70, 8, 8, 0.40},                       // one umbra
                          {290, 95, 6, 5, 0.86},                                               // a pore
                          {365, 75, 22, 16, 0.95}};                                            // too faint
    double v = 1;
    for (const Blob& b : blobs)
        if (std::pow((x - b.x) / b.rx, 2) + std::pow((y - b.y) / b.ry, 2) < 1) v = std::min(v, b.v);
    return static_cast<float>(30000 * v);
}

}  // namespace

QImage countingfigure(const FigureLabels& labels) {
    quorvel::GrayImage gray{WIDTH, HEIGHT, std::vector<float>(static_cast<size_t>(WIDTH) * HEIGHT)};
    QImage picture(WIDTH, HEIGHT, QImage::Format_ARGB32);
    for (int y = 0; y < HEIGHT; ++y)
        for (int x = 0; x < WIDTH; ++x) {
            gray.pixels[static_cast<size_t>(y) * WIDTH + x] = patch(x, y);
            const int level = static_cast<int>(patch(x, y) / 30000 * 235);
            picture.setPixelColor(x, y, QColor(level, level, level));
        }
    quorvel::ImageFrame frame;  // the patch at the centre of a disk of 800 pixels' radius: 14 pixels a degree
    frame.cx = WIDTH / 2.0, frame.cy = HEIGHT / 2.0, frame.sun.radius = 800;
    quorvel::CountSettings settings;
    const quorvel::SpotField field = quorvel::spotfield(gray, frame, settings);
    quorvel::SpotSurvey survey = quorvel::findspots(field);
    quorvel::groupspots(survey, settings.groupdeg);
    quorvel::drawspots(picture, survey, 0, QColor(255, 190, 0), QColor(230, 30, 30));
    QImage figure(static_cast<int>(WIDTH * SCALE), static_cast<int>((HEIGHT + 60) * SCALE), QImage::Format_ARGB32);
    figure.fill(Qt::white);
    QPainter p(&figure);
    p.drawImage(QRectF(0, 0, WIDTH * SCALE, HEIGHT * SCALE), picture);
    QFont font("Liberation Sans");
    font.setPixelSize(static_cast<int>(11 * SCALE));
    p.setFont(font);
    const std::pair<double, QString> notes[] = {
        {90, labels.twoumbrae}, {215, labels.oneumbra}, {290, labels.pore}, {365, labels.faint}};
    for (const auto& [x, text] : notes)
        p.drawText(QRectF((x - 60) * SCALE, HEIGHT * SCALE + 4, 120 * SCALE, 34 * SCALE), Qt::AlignHCenter, text);
    const quorvel::SpotCounts c = quorvel::countspots(quorvel::spotgroups(survey, 0));
    p.drawText(QRectF(0, (HEIGHT + 36) * SCALE, WIDTH * SCALE, 20 * SCALE), Qt::AlignHCenter,
               labels.countline.arg(c.g).arg(c.f).arg(c.r));
    return figure;
}
