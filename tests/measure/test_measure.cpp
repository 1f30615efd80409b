// The measuring core on synthetic images: the limb comes back, and spots
// placed by the test's own projection read back their heliographic
// coordinates for every orientation choice.
#include <gtest/gtest.h>

#include "diskmoment.h"
#include "levels.h"
#include "limbfind.h"
#include "measurecsv.h"
#include "syntheticsun.h"

namespace quorvel {
namespace {

using test::Look;
using test::Scene;

constexpr double kLimbOnLargeDisk = 0.5;  // pixels, on the 1000-pixel disk
constexpr double kLimbElsewhere = 1.0;    // pixels, the other scenes
constexpr double kSpotDegrees = 0.3;      // latitude and longitude, within 60 degrees of the centre

TEST(Limb, ComesBackInEveryScene) {
    const struct { const char* name; Scene scene; } scenes[] = {
        {"large, noisy", {1200, 1100, 600.3, 540.7, 500, Look::whitelight, 0.05}},
        {"small", {300, 260, 151.2, 128.9, 100, Look::whitelight, 0.02}},
        {"cut by the frame", {900, 700, 560.4, 330.2, 420, Look::whitelight, 0.02}},
        {"prominences", {1000, 1000, 497.5, 502.5, 400, Look::halpha, 0.02}},
        {"drawn circle", {1400, 1500, 700.0, 760.0, 600, Look::drawing, 0.01}}};
    for (const auto& [name, sc] : scenes) {
        SCOPED_TRACE(name);
        LimbFit limb;
        ASSERT_TRUE(findlimb(test::makeimage(sc, {}), limb).done());
        const LimbFit* fit = &limb;
        const double tol = sc.r == 500 && sc.look == Look::whitelight ? kLimbOnLargeDisk : kLimbElsewhere;
        EXPECT_NEAR(fit->circle.cx, sc.cx, tol);
        EXPECT_NEAR(fit->circle.cy, sc.cy, tol);
        EXPECT_NEAR(fit->circle.r, sc.r, tol);
        EXPECT_LT(fit->scatter, 1.0);
    }
}

TEST(Limb, NoDiskInNoise) {
    Scene sc{400, 300, 0, 0, 0, Look::whitelight, 0.05};
    sc.r = -10;  // no disk at all: sky and noise
    LimbFit limb;
    EXPECT_EQ(findlimb(test::makeimage(sc, {}), limb).message, "no solar disk was found");
}

TEST(Limb, NothingReadBeyondTheImage) {
    // Images too small for a disk, limbs by hand no image can hold: no disk, no
    // scatter, and (in the sanitizer build) no read outside the pixels.
    const Scene row{50, 1, 25, 0, 10, Look::whitelight, 0}, column{1, 50, 0, 25, 10, Look::whitelight, 0},
        seven{7, 7, 3, 3, 3, Look::whitelight, 0}, disk{300, 300, 150, 150, 100, Look::whitelight, 0};
    const std::pair<Scene, Circle> cases[] = {{row, {25, 0, 10}}, {column, {0, 25, 10}}, {seven, {3, 3, 3}},
        {disk, {150, 150, 1e300}}, {disk, {150, 150, INFINITY}}, {disk, {NAN, 150, 100}}, {disk, {-1e12, 150, 100}}};
    for (const auto& [sc, hand] : cases) {
        const GrayImage img = test::makeimage(sc, {});
        EXPECT_TRUE(std::isnan(limbscatter(img, hand))) << sc.width << "x" << sc.height << ", r " << hand.r;
        LimbFit limb;
        EXPECT_EQ(findlimb(img, limb).done(), sc.width == 300);
    }
}

const struct {
    const char* name;
    Orientation o;
} ORIENTATIONS[] = {{"telescope", {OrientKind::telescope, false, false, false, 0}},
                    {"alt-az, flipped", {OrientKind::telescope, true, true, false, 0}},
                    {"alt-az, inverted, turned", {OrientKind::telescope, true, false, true, 33}},
                    {"flipped, turned", {OrientKind::telescope, false, true, false, -20}},
                    {"north up, turned", {OrientKind::north, false, false, false, 75}},
                    {"solar", {OrientKind::solar, false, false, false, 0}},
                    {"solar, turned", {OrientKind::solar, false, false, false, -140}}};
const test::Spot SPOTS[] = {{0, 0}, {25, -40}, {-35, 30}, {12, 55}, {-50, -10}, {55, 20}, {5, 88}};

DiskMoment afternoon() {  // B0 near +7
    const FieldTexts f{"8", "9", "2006", "16", "20", "0", false, "51.5", "-10"};
    DiskMoment m;
    EXPECT_TRUE(diskmoment(f, DiskModel::classic, m).done());
    return m;
}

TEST(Spots, ReadBackInEveryOrientation) {
    const DiskMoment m = afternoon();
    const Scene sc{1200, 1100, 600.3, 540.7, 500, Look::whitelight, 0.03};
    const std::vector<test::Spot> spots(SPOTS, SPOTS + 6);
    for (const auto& [name, o] : ORIENTATIONS) {
        SCOPED_TRACE(name);
        std::vector<std::pair<double, double>> pixels;
        for (const auto& s : spots) {
            double x, y;
            ASSERT_TRUE(test::projectspot(s, m.sun.p, m.sun.b0, m.sun.gamma, o, sc, x, y));
            pixels.push_back({x, y});
        }
        LimbFit fit;
        ASSERT_TRUE(findlimb(test::makeimage(sc, pixels), fit).done());
        const ImageFrame frame = imageframe(m.sun, o, fit.circle);
        for (size_t i = 0; i < pixels.size(); ++i) {
            const SpotRow row = measurespot(frame, pixels[i].first, pixels[i].second, 1);
            SCOPED_TRACE(spotline(row));
            ASSERT_TRUE(row.disk.ondisk);
            EXPECT_NEAR(row.disk.lat, spots[i].lat, kSpotDegrees);
            EXPECT_NEAR(std::remainder(row.disk.cmd - spots[i].cmd, 360.0), 0, kSpotDegrees);
            EXPECT_NEAR(std::remainder(row.disk.carrington - m.sun.l0 - spots[i].cmd, 360.0), 0, kSpotDegrees);
        }
    }
}

// A predicted place drawn on an image lands where the test's own projection
// puts it, from near and infinitely far, in every orientation; a place
// behind the limb has no pixel.
TEST(Spots, PlacedOnTheImageInEveryOrientation) {
    const DiskMoment m = afternoon();
    for (double sunradiusdeg : {0.0, 0.27, 1.0}) {
        const Scene sc{1200, 1100, 600.3, 540.7, 500, Look::whitelight, 0, sunradiusdeg};
        for (const auto& [name, o] : ORIENTATIONS) {
            SCOPED_TRACE(std::string(name) + ", S " + std::to_string(sunradiusdeg));
            ImageFrame frame = imageframe(m.sun, o, {sc.cx, sc.cy, sc.r});
            frame.sunradiusdeg = sunradiusdeg;
            for (const test::Spot& s : SPOTS) {
                double x, y;
                const bool seen = test::projectspot(s, m.sun.p, m.sun.b0, m.sun.gamma, o, sc, x, y);
                const std::optional<ImagePoint> at = imagepoint(frame, s.lat, s.cmd);
                ASSERT_EQ(at.has_value(), seen) << s.lat << ", " << s.cmd;
                if (!seen) continue;
                EXPECT_NEAR(at->x, x, 0.01) << s.lat << ", " << s.cmd;
                EXPECT_NEAR(at->y, y, 0.01) << s.lat << ", " << s.cmd;
            }
            EXPECT_FALSE(imagepoint(frame, 0, 95)) << "behind the west limb";
        }
    }
}

// The contrast stretch: the levels a histogram gives and how a level shows.
TEST(Levels, AutoStretchAndMap) {
    const auto hist = [](std::initializer_list<std::pair<int, uint64_t>> bins) {
        Histogram h{};
        for (const auto& [level, n] : bins) h[static_cast<size_t>(level)] = n;
        return h;
    };
    const struct {
        const char* name;
        Histogram h;
        Levels expected;
    } cases[] = {
        {"empty", Histogram{}, {0, 255}},
        {"one level", hist({{90, 1000}}), {0, 255}},
        {"faint limb: 1000 pixels 40..79, 0.4 % outliers each side", [] {
             Histogram h{};
             for (int v = 40; v < 80; ++v) h[static_cast<size_t>(v)] = 25;
             h[0] = 4, h[255] = 4;
             return h;
         }(), {40, 79}},
        {"0.5 % exactly dark: the next level is black", hist({{10, 5}, {20, 990}, {30, 5}}), {20, 30}},
        {"two levels", hist({{50, 500}, {60, 500}}), {50, 60}},
    };
    for (const auto& c : cases) EXPECT_EQ(autolevels(c.h), c.expected) << c.name;
    // Level shown for levels 0, black, between, white, 255.
    const struct { Levels l; std::array<int, 5> at, shown; } maps[] = {
        {{0, 255}, {0, 1, 128, 254, 255}, {0, 1, 128, 254, 255}},
        {{40, 80}, {0, 40, 60, 80, 255}, {0, 0, 128, 255, 255}},
        {{100, 101}, {99, 100, 101, 102, 0}, {0, 0, 255, 255, 0}},
    };
    for (const auto& m : maps) {
        const auto map = levelmap(m.l);
        for (size_t i = 0; i < 5; ++i) EXPECT_EQ(map[static_cast<size_t>(m.at[i])], m.shown[i]) << m.l.black << " " << m.at[i];
    }
}

}  // namespace
}  // namespace quorvel
