// Find Spots on a 4096 x 4096 16-bit image once it is open: the photosphere
// fitted, the spots found, sized and grouped, on one core. Target: 300 ms.
// The image is a limb-darkened disk with noise and 40 spots (penumbrae with
// umbrae), its values held as 16-bit integers.
// usage: bench_spots [SIDE]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "grouping.h"
#include "spotcounts.h"
#include "spotfind.h"

namespace {

/// The processor time of this thread, milliseconds: the figure on one core, however busy the machine is.
double threadms() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

quorvel::GrayImage spottedsun(int32_t side, double cx, double cy, double r) {
    quorvel::GrayImage img{side, side, std::vector<float>(static_cast<size_t>(side) * side)};
    uint32_t seed = 2024;
    for (int32_t y = 0; y < side; ++y) {
        for (int32_t x = 0; x < side; ++x) {
            seed = seed * 1664525u + 1013904223u;  // a cheap noise of +-300
            const double d = std::hypot(x - cx, y - cy) / r;
            const double v = d < 1 ? 40000 * (0.4 + 0.6 * std::sqrt(1 - d * d)) : 2000;
            img.pixels[static_cast<size_t>(y) * side + x] = static_cast<float>(v + (seed >> 23) * 1.2 - 300);
        }
    }
    for (int k = 0; k < 40; ++k) {  // spots on a spiral: umbrae of 8 pixels' radius in penumbrae of 25
        const double a = k * 2.4, s = std::sqrt((k + 0.5) / 40.0) * 0.85 * r;
        const int32_t sx = static_cast<int32_t>(cx + s * std::cos(a)), sy = static_cast<int32_t>(cy + s * std::sin(a));
        for (int32_t y = sy - 25; y <= sy + 25; ++y)
            for (int32_t x = sx - 25; x <= sx + 25; ++x)
                if (const double e = std::hypot(x - sx, y - sy); e < 25)
                    img.pixels[static_cast<size_t>(y) * side + x] *= e < 8 ? 0.4f : 0.8f;
    }
    for (float& v : img.pixels) v = static_cast<float>(static_cast<uint16_t>(v));  // 16-bit values
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    const int32_t side = argc > 1 ? std::atoi(argv[1]) : 4096;
    const double c = side / 2.0 - 0.3, r = side * 0.46;
    const quorvel::GrayImage img = spottedsun(side, c, c, r);
    quorvel::ImageFrame frame;
    frame.cx = frame.cy = c;
    frame.sun.radius = static_cast<float>(r);
    std::vector<double> ms, cpu;
    quorvel::SpotCounts counts;
    for (int run = 0; run < 7; ++run) {
        const auto t0 = std::chrono::steady_clock::now();
        const double c0 = threadms();
        const quorvel::SpotField field = quorvel::spotfield(img, frame, quorvel::CountSettings{});
        quorvel::SpotSurvey survey = quorvel::findspots(field);
        quorvel::groupspots(survey, field.settings.groupdeg);
        counts = quorvel::countspots(quorvel::spotgroups(survey, 0));
        cpu.push_back(threadms() - c0);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("Find Spots, %dx%d 16-bit image, one core: median %.0f ms of processor time (best %.0f), %.0f ms elapsed"
                " (%d groups, %d spots)\n", side, side, cpu[cpu.size() / 2], cpu.front(), ms[ms.size() / 2], counts.g, counts.f);
    return 0;
}
