// Writes the test's spotted sun and a spotless one as 16-bit PNG files for
// the command-line tests: a 700 x 660 image, disk radius 300, solar north up.
// usage: make_spotted_sun DIR
#include <QImage>
#include <cstdio>
#include <string>

#include "spotsky.h"

namespace {

bool save(const quorvel::GrayImage& img, const std::string& path) {
    QImage png(img.width, img.height, QImage::Format_Grayscale16);
    for (int32_t y = 0; y < img.height; ++y) {
        auto* row = reinterpret_cast<quint16*>(png.scanLine(y));
        for (int32_t x = 0; x < img.width; ++x)
            row[x] = static_cast<quint16>(std::clamp(img.at(x, y), 0.0f, 65535.0f));
    }
    return png.save(QString::fromStdString(path), "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_spotted_sun DIR\n");
        return 2;
    }
    using namespace quorvel::test;
    const Sky sky{700, 660, 350.3, 329.6, 300, 5, 0.01, 0.06, -0.04, 40000};
    std::vector<DrawnRegion> regions{kInMargin};
    for (const DrawnGroup& g : kDay) regions.insert(regions.end(), g.regions.begin(), g.regions.end());
    const bool saved = save(drawsky(sky, regions), std::string(argv[1]) + "/spots.png") &&
                       save(drawsky(sky, {}), std::string(argv[1]) + "/spotless.png");
    return saved ? 0 : 1;
}
