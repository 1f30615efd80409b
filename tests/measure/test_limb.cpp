// The limb an observer means, on synthetic images: the photosphere of a
// limb-darkened disk, the bright ring's edge of an EUV-like disk (never the
// corona's outer fade or a turned copy's frame), the same disk in every
// lossless turn, and no disk at all in a ring or a coronagraph's frame.
#include <gtest/gtest.h>

#include <set>

#include "limbfind.h"
#include "straightedges.h"
#include "syntheticsun.h"

namespace quorvel {
namespace {

using test::Look;
using test::Scene;

constexpr double kCentre = 0.3;          // pixels from the drawn centre
constexpr double kPhotosphere = 0.003;   // of the radius, a white-light disk
constexpr double kBrightened = 0.03;     // of the radius, a limb-brightened disk without a header
constexpr double kSameRadius = 0.002;    // of the radius, between the lossless turns
constexpr double kSameCentre = 0.3;      // pixels, between the lossless turns

Scene scene(Look look, double turndeg, bool bits8) {
    Scene sc{900, 800, 452.6, 395.3, 330, look, look == Look::euv ? 0.01 : 0.02};
    sc.turndeg = turndeg;
    sc.bits8 = bits8;
    return sc;
}

TEST(Limb, TheDiskInEveryLosslessTurn) {
    const struct { const char* name; Scene sc; double radius; } cases[] = {
        {"white light", scene(Look::whitelight, 0, false), kPhotosphere},
        {"white light, 8-bit copy turned 30 degrees", scene(Look::whitelight, 30, true), kPhotosphere},
        {"EUV, 8-bit copy", scene(Look::euv, 0, true), kBrightened},
        {"EUV, 8-bit copy turned 30 degrees", scene(Look::euv, 30, true), kBrightened},
        {"EUV, 8-bit copy, a smaller disk turned 20 degrees", {600, 600, 300.5, 299.5, 200, Look::euv, 0.01, 0, 20, true},
         kBrightened}};
    for (const auto& [name, sc, radius] : cases) {
        const GrayImage img = test::makeimage(sc, {});
        std::optional<LimbFit> first;
        for (int k = 0; k < 8; ++k) {
            SCOPED_TRACE(std::string(name) + ", turn " + std::to_string(k));
            const GrayImage turned = test::lossless(img, k);
            LimbFit fit;
            const Outcome found = findlimb(turned, fit);
            ASSERT_TRUE(found.done()) << found.message;
            const PixelXY centre = test::losslesspoint(img, k, {sc.cx, sc.cy});
            EXPECT_NEAR(fit.circle.cx, centre.x, kCentre);
            EXPECT_NEAR(fit.circle.cy, centre.y, kCentre);
            EXPECT_NEAR(fit.circle.r / sc.r, 1, radius);
            if (!first) first = fit;
            const PixelXY same = test::losslesspoint(img, k, {first->circle.cx, first->circle.cy});
            EXPECT_NEAR(fit.circle.cx, same.x, kSameCentre);
            EXPECT_NEAR(fit.circle.cy, same.y, kSameCentre);
            EXPECT_NEAR(fit.circle.r / first->circle.r, 1, kSameRadius);
        }
    }
}

TEST(Limb, NoDiskInARingOrACoronagraph) {
    const struct { const char* name; Scene sc; } cases[] = {
        {"a bright ring", scene(Look::ring, 0, false)},
        {"a bright ring, 8-bit copy turned 30 degrees", scene(Look::ring, 30, true)},
        {"a coronagraph's occulter", {900, 800, 452.6, 395.3, 150, Look::occulted, 0.01}},
        {"a coronagraph's occulter, 8-bit", {900, 800, 452.6, 395.3, 150, Look::occulted, 0.01, 0, 0, true}}};
    for (const auto& [name, sc] : cases) {
        LimbFit fit;
        const Outcome found = findlimb(test::makeimage(sc, {}), fit);
        EXPECT_FALSE(found.done()) << name << ": " << fit.circle.cx << ", " << fit.circle.cy << ", " << fit.circle.r;
        EXPECT_EQ(found.message.rfind("no solar disk was found", 0), 0u) << name << ": " << found.message;
    }
}

/// Edge pixels of a 512 x 512 reduced image two pixels thick along a curve,
/// their gradients across it: whole pixels, each once, as a raster has them.
std::vector<Edgel> rastered(double cx, double cy, double r, double fromdeg, double todeg, bool straight) {
    std::vector<Edgel> edges;
    std::set<std::pair<float, float>> seen;
    const double length = straight ? r : r * test::rad(todeg - fromdeg);
    for (double s = 0; s <= length; s += 0.5) {
        const double t = straight ? test::rad(fromdeg) : test::rad(fromdeg) + s / r;
        const double nx = std::cos(t), ny = std::sin(t);  // across the edge
        for (int thick = 0; thick < 2; ++thick) {
            const double x = straight ? cx - s * ny + thick * nx : cx + (r + thick) * nx;
            const double y = straight ? cy + s * nx + thick * ny : cy + (r + thick) * ny;
            const auto px = static_cast<float>(std::round(x)), py = static_cast<float>(std::round(y));
            if (seen.insert({px, py}).second) edges.push_back({px, py, static_cast<float>(nx), static_cast<float>(ny), 1});
        }
    }
    return edges;
}

TEST(Limb, StraightEdgesAreNoLimb) {
    const struct { const char* name; std::vector<Edgel> edges; bool line; } cases[] = {
        {"a turned frame's edge, 30 degrees, 200 pixels", rastered(50, 60, 200, 30, 0, true), true},
        {"a frame's edge, 0 degrees, 60 pixels", rastered(100, 20, 60, 0, 0, true), true},
        {"a cut at 137 degrees, 400 pixels", rastered(400, 100, 400, 137, 0, true), true},
        {"a limb of radius 60", rastered(256, 256, 60, 0, 360, false), false},
        {"a limb of radius 250", rastered(256, 256, 250, 0, 360, false), false},
        {"a disk of radius 700 cut by the frame", rastered(256, 900, 700, 235, 305, false), false}};
    for (const auto& [name, edges, line] : cases) {
        const std::vector<bool> online = onstraightlines(edges, 512, 512);
        const auto flagged = std::count(online.begin(), online.end(), true);
        EXPECT_NEAR(static_cast<double>(flagged) / static_cast<double>(edges.size()), line ? 1 : 0, 0.05) << name;
    }
}

}  // namespace
}  // namespace quorvel
