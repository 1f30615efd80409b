// The readout is the inverse of the grid's projection: grid points projected
// by the drawing code read back as their latitude and longitude.
#include <gtest/gtest.h>

#include <cmath>

#include "gridprojection.h"
#include "readout.h"

namespace quorvel {
namespace {

constexpr double kExact = 0.01;    // degrees, arithmetic alone

TEST(Readout, GridPointsReadBack) {
    const struct { const char* name; double b0; float rot; int16_t flip, invsign; } views[] = {
        {"plain", 3.5, -7.0f, -1, 1}, {"north tilt, flipped", 7.2, 25.0f, 1, 1},
        {"south tilt, inverted", -6.9, 12.0f, -1, -1}, {"flat, alt-azimuth", 0.0001, -170.0f, 1, -1}};
    for (const auto& v : views) {
        SCOPED_TRACE(v.name);
        SunState sun;
        sun.b0 = v.b0, sun.rot = v.rot, sun.l0 = 350;
        sun.radius = 2145.0f;  // the default picture box's disk, twips
        ViewOpts opts;
        opts.flip = v.flip, opts.invsign = v.invsign;
        const ViewMap map{v.flip, v.invsign};
        const GridProjection proj(sun.b0, sun.rot, sun.radius);
        int checked = 0;
        for (float phi = -80; phi <= 80; phi += 10) {
            for (float l = -80; l <= 80; l += 10) {
                float x, y;
                if (!proj.project(phi, l, x, y)) continue;
                SCOPED_TRACE(testing::Message() << "grid point " << phi << ", " << l);
                const DiskReadout r = readdisk(map.sx(x), map.sy(y), sun, opts);
                ASSERT_TRUE(r.ondisk);
                // The grid counts latitude and longitude the other way round from north and west.
                EXPECT_NEAR(r.lat, -phi, kExact);
                EXPECT_NEAR(r.cmd, -l, kExact);
                EXPECT_NEAR(std::remainder(r.carrington - (350 - l), 360.0), 0, kExact);
                ++checked;
            }
        }
        EXPECT_GT(checked, 100);
    }
}

TEST(Readout, NorthUpAndEastLeftInThePlainView) {
    SunState sun;
    sun.radius = 1000;
    ViewOpts opts;  // not flipped, not inverted, equatorial
    const DiskReadout top = readdisk(0, -500, sun, opts), left = readdisk(-500, 0, sun, opts);
    EXPECT_NEAR(top.lat, 30, kExact);  // asin(0.5) north of the centre
    EXPECT_NEAR(top.pa, 0, kExact);
    EXPECT_NEAR(left.cmd, -30, kExact);  // east of the central meridian
    EXPECT_NEAR(left.pa, 90, kExact);    // position angles run through east
}

TEST(Readout, OffTheDiskSaysSo) {
    SunState sun;
    sun.radius = 1000;
    const DiskReadout r = readdisk(1100, 0, sun, ViewOpts{});
    EXPECT_FALSE(r.ondisk);
    EXPECT_NEAR(r.rho, 1.1, 1e-9);
    EXPECT_EQ(readouttext(r).rfind("Off the disk", 0), 0u);
    EXPECT_FALSE(readdisk(0, 0, SunState{}, ViewOpts{}).ondisk);  // nothing drawn yet
}

TEST(Readout, CopiedLineIsOneSpreadsheetRow) {
    SunState sun;
    sun.radius = 1000;
    sun.l0 = 10;
    const DiskReadout r = readdisk(0, 0, sun, ViewOpts{});
    const std::string line = readoutline(2453908, 0.0f, r);  // 2006 June 21, 12:00 UT
    EXPECT_EQ(line, "2006-06-21 12:00:00\t0.000\t0.000\t10.000\t0.000\t0.0000");
    EXPECT_EQ(readoutline(2453907, 0.75f, r).substr(0, 20), "2006-06-21 06:00:00\t");  // after midnight
}

}  // namespace
}  // namespace quorvel
