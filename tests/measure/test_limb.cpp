// The limb an observer means, on synthetic images: the photosphere of a
// limb-darkened disk, the bright ring's edge of an EUV-like disk (never the
// corona's outer fade or a turned copy's frame), the same disk in every
// lossless turn, and no disk at all in a ring or a coronagraph's frame.
#include <gtest/gtest.h>

#include "limbfind.h"
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
        {"EUV, 8-bit copy turned 30 degrees", scene(Look::euv, 30, true), kBrightened}};
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

}  // namespace
}  // namespace quorvel
