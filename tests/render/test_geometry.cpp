// Geometry of the oriented disk, checked through the recording surface.
//
// Expected positions come from a sky model of the test's own: a point of the
// solar sphere is projected orthographically with the centre at latitude B0
// and the north pole at a position angle, then put on the screen with north
// up and west on the right in the plain view.
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "drawroutine.h"
#include "overlays.h"
#include "picture.h"
#include "recordingsurface.h"
#include "runtimefault.h"

namespace quorvel::test {
namespace {

// The main window's picture box, twips, at 15 twips a pixel.
constexpr float kWidth = 6805, kHeight = 5895;
constexpr double kTpp = 15;
const double kU = static_cast<float>(kHeight * 0.25 * 0.97);  // size basis, a 32-bit value
const double kR = static_cast<float>(1.5 * kU);                 // disk radius

constexpr double kFloat = 0.05;      // a point computed in 32-bit arithmetic, picture units
constexpr double kRounded = 0.51;    // a point rounded to whole units
constexpr double kPixel = 0.51;      // a point rounded to whole pixels
constexpr double kLimbZ = 1e-5;      // a sphere point this close to the limb may fall either way

double rad(double deg) { return deg * std::numbers::pi / 180; }

struct Vec {
    double x = 0, y = 0;
};
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double dist(Vec a, Vec b) { return std::hypot(a.x - b.x, a.y - b.y); }

// A view: flip +1 flipped, -1 not; invert 1 turned by 180 degrees.
struct View {
    const char* name;
    int16_t flip, invert;
};
const View kPlain{"plain", -1, 0}, kFlipped{"flipped", 1, 0}, kInverted{"inverted", -1, 1},
    kBoth{"flipped and inverted", 1, 1};
ViewMap mapof(const View& v) { return {v.flip, static_cast<int16_t>(v.invert == 1 ? -1 : 1)}; }

// The screen point of a sky offset (x west, y north). The alt-az mount turns
// the plain view clockwise by its angle; flipping mirrors left to right,
// inverting turns by 180 degrees.
Vec screen(Vec sky, const View& v, double turn = 0) {
    const double c = std::cos(rad(turn)), s = std::sin(rad(turn));
    Vec p{sky.x * c + sky.y * s, sky.x * s - sky.y * c};
    if (v.flip == 1) p.x = -p.x;
    if (v.invert == 1) p = -1 * p;
    return p;
}
// The sky offset at position angle pa (north through east), distance r.
Vec skyat(double pa, double r) { return {-r * std::sin(rad(pa)), r * std::cos(rad(pa))}; }

struct SpherePoint {
    Vec sky;
    double z;  // cosine of the distance from the disk centre; visible when >= 0
};
// Latitude lat, longitude lon west of the central meridian, degrees.
SpherePoint sphere(double lat, double lon, double b0, double pole, double r) {
    const double la = rad(lat), lo = rad(lon), b = rad(b0);
    const double x = r * std::cos(la) * std::sin(lo);
    const double y = r * (std::sin(la) * std::cos(b) - std::cos(la) * std::sin(b) * std::cos(lo));
    const double z = std::sin(la) * std::sin(b) + std::cos(la) * std::cos(b) * std::cos(lo);
    const double c = std::cos(rad(pole)), s = std::sin(rad(pole));
    return {{x * c - y * s, x * s + y * c}, z};
}

Vec endof(const RecordedOp& op) { return {op.x2, op.y2}; }
Vec startof(const RecordedOp& op) { return {op.x1, op.y1}; }
size_t countof(const RecordingSurface& s, RecordedOp::Kind kind) { return s.ofkind(kind).size(); }

// A surface point (x, y) within tol of want on both axes (a NaN never is).
testing::AssertionResult within(double x, double y, Vec want, double tol) {
    if (std::abs(x - want.x) <= tol && std::abs(y - want.y) <= tol) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "(" << x << ", " << y << ") is not within " << tol << " of ("
                                       << want.x << ", " << want.y << ")";
}
#define EXPECT_AT(...) EXPECT_TRUE(within(__VA_ARGS__))

// --- position-angle scale and letters -------------------------------------

struct ScaleView {
    View view;
    float angle;
};
const ScaleView kScaleViews[] = {{kPlain, 0},    {kFlipped, 0},   {kInverted, 0},
                                 {kBoth, 0},     {kPlain, 30},    {kFlipped, -50},
                                 {kInverted, 12.5f}};

// In the plain view position angle 0 is at the top and 90 on the left: the
// tick at 0 runs from (0, -R) to (0, -1.05 R), the one at 10 from 1.03 R to
// 1.05 R just left of it. The numbers read " 0", " 10", ..., " 350".
TEST(PosAngScaleTest, TicksAndNumbersStandOnTheirPositionAngles) {
    for (const ScaleView& row : kScaleViews) {
        SCOPED_TRACE(testing::Message() << row.view.name << ", angle " << row.angle);
        RecordingSurface s(kWidth, kHeight, kTpp);
        posangscale(s, kR, row.angle, row.view.flip, row.view.invert);
        const auto ticks = s.ofkind(RecordedOp::line), numbers = s.ofkind(RecordedOp::print);
        ASSERT_EQ(ticks.size(), 36u);
        ASSERT_EQ(numbers.size(), 36u);
        for (int k = 0; k < 36; ++k) {
            const int i = 10 * k;
            const bool cardinal = i % 90 == 0;  // blue, from the limb out
            const Vec dir = screen(skyat(i, 1), row.view, row.angle);
            EXPECT_AT(ticks[k].x1, ticks[k].y1, (cardinal ? 1.0 : 1.03) * kR * dir, kFloat) << i;
            EXPECT_AT(ticks[k].x2, ticks[k].y2, 1.05 * kR * dir, kFloat) << i;
            EXPECT_EQ(ticks[k].colour, cardinal ? BLUE : SCALE_GREY) << i;
            // The number is centred on its direction: half its estimated width
            // (5 units a twelfth of the font for each of 1.1, 2.4 or 3.0 digits)
            // along the baseline from its start. The one- or two-degree turn of
            // numbers near upside down moves the centre by under 3.0 * 60 * sin 2.
            const RecordedOp& n = numbers[k];
            const double half = 60 * (i < 10 ? 1.1 : i < 100 ? 2.4 : 3.0);
            const double g = rad(n.font.escapement / 10.0);
            const Vec centre = Vec{n.x1, n.y1} + half * Vec{std::cos(g), -std::sin(g)};
            EXPECT_LT(dist(centre, (1.06 * kR + 192) * dir), 3.0 * 60 * std::sin(rad(2)) + kFloat) << i;
            EXPECT_EQ(n.text, " " + std::to_string(i));
            EXPECT_EQ(n.colour, SCALE_GREY);
            EXPECT_EQ(n.font.face, "Arial");
            EXPECT_EQ(n.font.height, 12);
            EXPECT_EQ(n.font.weight, 400);
        }
    }
}

TEST(PosAngScaleTest, NumberEscapements) {
    // The text angle runs along the circle: i - angle counter-clockwise,
    // mirrored when flipped, half a turn more when inverted; 0 and 180 are
    // turned one degree more, and a number within a degree of upside down
    // once more.
    const struct {
        const char* name;
        ScaleView v;
        int i, escapement;
    } rows[] = {
        {"zero turned one degree", {kPlain, 0}, 0, 10},
        {"ninety runs up the left side", {kPlain, 0}, 90, 900},
        {"180 turned one degree", {kPlain, 0}, 180, 1810},
        {"180 at angle 0.5 lands inside 179..181", {kPlain, 0.5f}, 180, 1815},
        {"170 at angle -9.5 lands inside 179..181", {kPlain, -9.5f}, 170, 1805},
        {"170 plain stays", {kPlain, 0}, 170, 1700},
        {"flipped ninety runs down the right side", {kFlipped, 0}, 90, -900},
        {"inverted zero: 181 is outside 179..181", {kInverted, 0}, 0, 1810},
        {"inverted 180", {kInverted, 0}, 180, 3610},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        RecordingSurface s(kWidth, kHeight, kTpp);
        posangscale(s, kR, r.v.angle, r.v.view.flip, r.v.view.invert);
        EXPECT_EQ(s.ofkind(RecordedOp::print)[r.i / 10].font.escapement, r.escapement);
    }
}

// The plain view has N above the disk, S below, E on the left, W on the
// right; flipping swaps E and W, inverting puts N at the bottom and keeps the
// text angle.
TEST(CompassTest, LettersStandAtTheirDirections) {
    for (const ScaleView& row : kScaleViews) {
        SCOPED_TRACE(testing::Message() << row.view.name << ", angle " << row.angle);
        RecordingSurface s(kWidth, kHeight, kTpp);
        compass(s, kR, row.angle, row.view.flip, row.view.invert);
        ASSERT_EQ(s.ops.size(), 5u);
        EXPECT_EQ(s.ops[1].kind, RecordedOp::doevents) << "the events run after the first letter only";
        s.ops.erase(s.ops.begin() + 1);
        const struct { const char* letter; double pa; } order[] = {{"N", 0}, {"S", 180}, {"E", 90}, {"W", 270}};
        // Upright, the letter's cell centre is 5 x 16 right of and 7 x 16 below
        // its top-left corner; that offset turns with the letter.
        const double esc = s.ops[0].font.escapement;
        const double cw = rad(-esc / 10);  // the letter's clockwise turn on the screen
        const Vec offset{80 * std::cos(cw) - 112 * std::sin(cw), 80 * std::sin(cw) + 112 * std::cos(cw)};
        EXPECT_NEAR(esc, 10 * (row.view.flip == 1 ? row.angle : -row.angle), 0.5) << "invert keeps it";
        for (int k = 0; k < 4; ++k) {
            const RecordedOp& op = s.ops[k];
            ASSERT_EQ(op.kind, RecordedOp::print);
            EXPECT_EQ(op.text, order[k].letter);
            EXPECT_EQ(op.font.escapement, esc);
            EXPECT_EQ(op.font.height, 16);
            EXPECT_EQ(op.font.weight, 1000);
            EXPECT_EQ(op.colour, BLUE);
            const Vec want = screen(skyat(order[k].pa, 1.28 * kR), row.view, row.angle);
            EXPECT_AT(op.x1 + offset.x, op.y1 + offset.y, want, kFloat) << order[k].letter;
        }
    }
}

// --- heliographic grid ----------------------------------------------------

struct GridPoint {
    double lat, lon;
};
// The grid's loops count latitude from -80 and longitude from -120 in the
// sense of its own formula, which takes latitude southward and longitude
// eastward: on the sphere each meridian is walked from its northern end and
// each parallel from its western end. The lines are the same either way; the
// walk decides which point of a line is its first.
std::vector<std::vector<GridPoint>> gridwalk() {
    std::vector<std::vector<GridPoint>> lines;
    for (int m = 0; m < 36; ++m) {
        lines.emplace_back();
        for (int k = 0; k <= 40; ++k) lines.back().push_back({80.0 - 4 * k, -10.0 * m});
    }
    for (int j = 0; j <= 16; ++j) {
        lines.emplace_back();
        for (int k = 0; k <= 60; ++k) lines.back().push_back({80.0 - 10 * j, 120.0 - 4 * k});
    }
    return lines;
}

struct GridRow {
    const char* name;
    double b0;
    float rot;
    View view;
};

// A segment, then a yield, to every visible point but the first of its line,
// from the previous point rounded to whole units.
void expectgrid(const RecordingSurface& s, const GridRow& row) {
    size_t op = 0;
    for (const auto& line : gridwalk()) {
        Vec prev;
        for (size_t k = 0; k < line.size(); ++k) {
            const SpherePoint p = sphere(line[k].lat, line[k].lon, row.b0, row.rot, kR);
            const Vec at = screen(p.sky, row.view);
            const bool next = op < s.ops.size() && s.ops[op].kind == RecordedOp::line &&
                              dist(endof(s.ops[op]), at) < kFloat;
            if (k > 0 && (std::abs(p.z) < kLimbZ ? next : p.z > 0)) {
                SCOPED_TRACE(testing::Message() << "point " << line[k].lat << ", " << line[k].lon);
                ASSERT_LT(op + 1, s.ops.size());
                ASSERT_EQ(s.ops[op].kind, RecordedOp::line);
                EXPECT_AT(s.ops[op].x2, s.ops[op].y2, at, kFloat);
                EXPECT_AT(s.ops[op].x1, s.ops[op].y1, prev, kRounded);
                EXPECT_EQ(s.ops[op].colour, GRID_PINK);
                EXPECT_EQ(s.ops[op + 1].kind, RecordedOp::doevents);
                op += 2;
            }
            prev = at;
        }
    }
    EXPECT_EQ(op, s.ops.size()) << "operations beyond the walk";
}

// Segments of the recorded grid, derived from the walk: one to every visible
// point but the first of its line. The equator's points at 90 degrees from the
// centre lie on the limb whatever B0 is; such a point counts when a recorded
// segment ends on it.
size_t gridsegments(const RecordingSurface& s, double b0, double rot, const View& view, bool meridiansonly) {
    const auto lines = s.ofkind(RecordedOp::line);
    size_t n = 0;
    for (const auto& line : gridwalk()) {
        if (meridiansonly && line.front().lat == line.back().lat) continue;
        for (size_t k = 1; k < line.size(); ++k) {
            const SpherePoint p = sphere(line[k].lat, line[k].lon, b0, rot, kR);
            const Vec at = screen(p.sky, view);
            if (std::abs(p.z) >= kLimbZ) n += p.z > 0;
            else n += std::any_of(lines.begin(), lines.end(), [&](const RecordedOp& o) {
                return o.colour == GRID_PINK && dist(endof(o), at) < kFloat;
            });
        }
    }
    return n;
}

SunState sunwith(double b0, float rot, float radius = static_cast<float>(kR)) {
    SunState sun;
    sun.b0 = b0;
    sun.rot = rot;
    sun.radius = radius;
    return sun;
}

TEST(GridTest, EveryVisiblePointIsReachedByASegment) {
    const GridRow rows[] = {
        {"tilted north", 5, 0, kPlain},          {"tilted south, turned", -7.1, 23, kPlain},
        {"flipped", 3.3, -12, kFlipped},          {"inverted", 6, 200, kInverted},
        {"flipped and inverted", -2, 45, kBoth},  {"B0 zero", 0, 10, kPlain},
        {"B0 zero exactly, upright", 0, 0, kPlain}, {"B0 1e-7 rounds to zero", 1e-7, 0, kPlain},
    };
    for (const GridRow& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingSurface s(kWidth, kHeight, kTpp);
        helgrid(s, mapof(row.view), sunwith(row.b0, row.rot), GRID_PINK);
        EXPECT_EQ(s.log().find("nan"), std::string::npos);
        expectgrid(s, row);
    }
}

TEST(GridTest, ZeroTiltDrawsTheEquatorPoints) {
    // Upright with B0 (nearly) zero the equator is the line y = 0: the parallel
    // reaches its 45 points from longitude -88 to 88, and each meridian within
    // 90 degrees of the centre its latitude-0 point (17 of them); the meridians
    // at 90 and 270 lie on the limb, outside R sin 89.
    for (double b0 : {0.0, 1e-7, -1e-7}) {
        SCOPED_TRACE(b0);
        RecordingSurface s(kWidth, kHeight, kTpp);
        helgrid(s, mapof(kPlain), sunwith(b0, 0), GRID_PINK);
        size_t onequator = 0;
        for (const RecordedOp& op : s.ofkind(RecordedOp::line))
            onequator += std::abs(op.y2) < kFloat && std::abs(op.x2) < kR * std::sin(rad(89));
        EXPECT_EQ(onequator, 45u + 17u);
        EXPECT_EQ(s.log().find("nan"), std::string::npos);
    }
}

TEST(GridTest, CentralMeridianIsAStraightSegmentThroughTheCentre) {
    const struct { double b0; float rot; } rows[] = {{5, 0}, {-3.5, 17}, {7.25, -140}};
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "B0 " << r.b0 << ", rot " << r.rot);
        RecordingSurface s(kWidth, kHeight, kTpp);
        helgrid(s, mapof(kPlain), sunwith(r.b0, r.rot), GRID_PINK);
        // All 41 points of the central meridian are visible for |B0| < 10: the first 40 segments.
        const Vec north = screen(skyat(r.rot, 1), kPlain), across{-north.y, north.x};
        const auto lines = s.ofkind(RecordedOp::line);
        for (int k = 0; k < 40; ++k) {
            EXPECT_NEAR(dot(endof(lines[k]), across), 0, kFloat) << k;
            EXPECT_NEAR(dot(startof(lines[k]), across), 0, kRounded * std::sqrt(2)) << k;
            // Latitude 80 - 4 (k + 1) at R sin(latitude - B0) north of the centre.
            EXPECT_NEAR(dot(endof(lines[k]), north), kR * std::sin(rad(76 - 4 * k - r.b0)), kFloat) << k;
        }
    }
}

TEST(GridTest, MeridiansAreSymmetricAboutTheCentralOne) {
    const std::pair<double, float> rows[] = {{4.0, 0.0f}, {-6.0, 33.0f}};
    for (const auto& [b0, rot] : rows) {
        SCOPED_TRACE(testing::Message() << "B0 " << b0 << ", rot " << rot);
        RecordingSurface s(kWidth, kHeight, kTpp);
        helgrid(s, mapof(kFlipped), sunwith(b0, rot), GRID_PINK);
        const size_t meridiansegs = gridsegments(s, b0, rot, kFlipped, true);
        auto lines = s.ofkind(RecordedOp::line);
        ASSERT_GT(lines.size(), meridiansegs);
        lines.resize(meridiansegs);
        const Vec north = screen(skyat(rot, 1), kFlipped);
        for (const RecordedOp& op : lines) {
            const Vec e = endof(op), mirror = 2 * dot(e, north) * north - e;
            if (std::hypot(e.x, e.y) > kR - kFloat) continue;  // on the limb: either way
            const bool found = std::any_of(lines.begin(), lines.end(),
                                           [&](const RecordedOp& o) { return dist(endof(o), mirror) < kFloat; });
            EXPECT_TRUE(found) << "no mirror image of " << e.x << ", " << e.y;
        }
    }
}

// --- pole mark, solar equator, drift arrow ---------------------------------

struct DiskRow {
    const char* name;
    double b0, p;
    View view;
};
const DiskRow kDiskRows[] = {
    {"north visible", 5, 0, kPlain},         {"north visible, p 20", 7.2, 20, kPlain},
    {"south visible, flipped", -4, -15, kFlipped}, {"b0 zero: the south end at the limb, the equator straight", 0, 0, kPlain},
    {"inverted", 3, 10, kInverted},          {"flipped and inverted", -6.5, 170, kBoth},
};

TEST(PoleMarkTest, MarksTheVisiblePoleInsideTheDisk) {
    for (const DiskRow& r : kDiskRows) {
        SCOPED_TRACE(r.name);
        RecordingSurface s(kWidth, kHeight, kTpp);
        polemark(s, mapof(r.view), kR, kU, 90 + r.p, r.b0);
        const auto lines = s.ofkind(RecordedOp::line), circles = s.ofkind(RecordedOp::circle);
        ASSERT_EQ(lines.size(), 1u);
        ASSERT_EQ(circles.size(), 1u);
        // b0 > 0 marks the northern end, b0 <= 0 the southern one.
        const double pa = r.b0 > 0 ? r.p : r.p + 180;
        const Vec pole = screen(skyat(pa, kR * std::cos(rad(r.b0))), r.view), limb = screen(skyat(pa, kR), r.view);
        EXPECT_AT(circles[0].x1, circles[0].y1, pole, kFloat);
        EXPECT_NEAR(circles[0].x2, 0.013 * kU, kFloat);
        EXPECT_EQ(circles[0].colour, RED);
        EXPECT_EQ(circles[0].fillcolour, RED);
        const bool limbfirst = dist(startof(lines[0]), limb) < kFloat;
        EXPECT_AT(lines[0].x1, lines[0].y1, limbfirst ? limb : pole, kFloat);
        EXPECT_AT(lines[0].x2, lines[0].y2, limbfirst ? pole : limb, kFloat);
        EXPECT_EQ(lines[0].colour, RED);
    }
}

TEST(SolarEquatorTest, FacingHalfOfTheEquator) {
    for (const DiskRow& r : kDiskRows) {
        SCOPED_TRACE(r.name);
        RecordingSurface s(kWidth, kHeight, kTpp);
        solarequator(s, mapof(r.view), kR, static_cast<float>(r.p), r.b0, RED);
        const auto lines = s.ofkind(RecordedOp::line);
        ASSERT_EQ(lines.size(), 90u);
        // From the eastern limb (longitude -90) to the western one, 2 degrees a segment.
        for (int j = 0; j < 90; ++j) {
            const Vec from = screen(sphere(0, -90 + 2 * j, r.b0, r.p, kR).sky, r.view);
            const Vec to = screen(sphere(0, -88 + 2 * j, r.b0, r.p, kR).sky, r.view);
            EXPECT_AT(lines[j].x1, lines[j].y1, from, kFloat) << j;
            EXPECT_AT(lines[j].x2, lines[j].y2, to, kFloat) << j;
            EXPECT_EQ(lines[j].colour, RED);
        }
        // The middle lies R sin B0 from the centre, away from the visible pole.
        const Vec north = screen(skyat(r.p, 1), r.view);
        EXPECT_AT(lines[44].x2, lines[44].y2, -kR * std::sin(rad(r.b0)) * north, kFloat);
    }
}

TEST(DriftArrowTest, PointsWestWithANotchInTheEast) {
    const std::pair<View, double> rows[] = {{kPlain, 0}, {kFlipped, 0}, {kPlain, 35}, {kInverted, -20}};
    for (const auto& [view, angle] : rows) {
        SCOPED_TRACE(testing::Message() << view.name << ", angle " << angle);
        RecordingSurface s(kWidth, kHeight, kTpp);
        driftarrow(s, mapof(view), kU, angle);
        const auto lines = s.ofkind(RecordedOp::line);
        ASSERT_EQ(lines.size(), 6u);
        const Vec west = screen(skyat(270, 1), view, angle);
        EXPECT_AT(lines[0].x2, lines[0].y2, 2.275 * kU * west, kFloat) << "head tip";
        EXPECT_AT(lines[2].x2, lines[2].y2, -2.065 * kU * west, kFloat) << "tail tip";
        // The barb ends lie 0.26 u behind each tip, 45 degrees off the line.
        for (int k : {0, 1, 2, 3}) {
            const Vec tip = endof(lines[k]), barb = startof(lines[k]);
            EXPECT_NEAR(dist(tip, barb), 0.26 * kU, kFloat);
            EXPECT_NEAR(dot(tip - barb, west), 0.26 * kU * std::cos(rad(45)), kFloat) << "barbs point west";
        }
        // Two long edges join the barb ends of head and tail along the band.
        for (int k : {4, 5}) {
            const Vec from = startof(lines[k]), to = endof(lines[k]), along = to - from;
            EXPECT_TRUE(dist(from, startof(lines[0])) < kFloat || dist(from, startof(lines[1])) < kFloat) << k;
            EXPECT_TRUE(dist(to, startof(lines[2])) < kFloat || dist(to, startof(lines[3])) < kFloat) << k;
            EXPECT_NEAR(along.x * west.y - along.y * west.x, 0, kFloat) << "parallel to the east-west line";
        }
        for (const RecordedOp& op : lines) EXPECT_EQ(op.colour, GREY);
    }
}

// --- rotation arrows -------------------------------------------------------

struct OutlinePoint {
    double lat, lon;
    bool stored;
};
// The outline as drawn: the lower shaft edge to the head's base, up its
// upper barb, the tip, the lower barb, back along the upper edge to the tail.
std::vector<OutlinePoint> arrowoutline(const ArrowShape& a) {
    const float base = a.centre + a.halflen - a.headlen, tip = a.centre + a.halflen, tail = a.centre - a.halflen;
    std::vector<OutlinePoint> pts;
    for (float l = tail; l <= base; l += 0.5f) pts.push_back({a.lat - a.shaftw, l, true});
    for (float f = a.lat + a.shaftw; f <= a.lat + a.headw; f += 0.25f) pts.push_back({f, base, true});
    pts.push_back({a.lat + a.headw, base, false});
    pts.push_back({a.lat, tip, true});
    pts.push_back({a.lat - a.headw, base, false});
    for (float f = a.lat - a.headw; f <= a.lat - a.shaftw; f += 0.25f) pts.push_back({f, base, true});
    for (float l = base; l >= tail; l -= 0.5f) pts.push_back({a.lat + a.shaftw, l, true});
    for (float f = a.lat - a.shaftw; f <= a.lat + a.shaftw; f += 0.25f) pts.push_back({f, tail, true});
    return pts;
}

size_t arrowyields(const ArrowShape& a, double b0, double rot) {
    size_t n = 0;
    for (const OutlinePoint& p : arrowoutline(a)) n += sphere(p.lat, p.lon, b0, rot, kR).z >= 0;
    return 2 * n;  // both passes
}

ArrowShape arrowat(float lat) {
    ArrowShape a;
    a.lat = lat;
    return a;
}

TEST(RotArrowTest, StoredPointsAndThePolygonInDevicePixels) {
    const struct { float lat; double b0; float rot; View view; } rows[] = {
        {15, 0, 0, kPlain}, {-15, 6.5, 24, kFlipped}, {15, -7.25, -170, kInverted}, {-15, 2, 95, kBoth}};
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.view.name << ", latitude " << r.lat);
        RecordingSurface s(kWidth, kHeight, kTpp);
        ArrowPoints pts{};
        ASSERT_EQ(rotarrow(s, mapof(r.view), sunwith(r.b0, r.rot), arrowat(r.lat), pts), 146u);
        const auto polys = s.ofkind(RecordedOp::polygon);
        ASSERT_EQ(polys.size(), 1u);
        ASSERT_EQ(polys[0].points.size(), 146u);
        EXPECT_EQ(polys[0].colour, YELLOW);
        EXPECT_EQ(polys[0].fillcolour, YELLOW);
        EXPECT_EQ(polys[0].drawwidth, 5);
        EXPECT_EQ(s.drawwidth, 1);
        size_t i = 0;
        for (const OutlinePoint& p : arrowoutline(arrowat(r.lat))) {
            if (!p.stored) continue;
            const Vec at = screen(sphere(p.lat, p.lon, r.b0, r.rot, kR).sky, r.view);
            EXPECT_AT(pts[i].x, pts[i].y, at, kRounded) << i;
            EXPECT_AT(polys[0].points[i].x, polys[0].points[i].y,
                      (Vec{pts[i].x / kTpp + kWidth / 2 / kTpp, pts[i].y / kTpp + kHeight / 2 / kTpp}), kPixel) << i;
            ++i;
        }
        EXPECT_EQ(i, 146u);
    }
}

TEST(RotArrowTest, ArrowsPointWest) {
    const struct { const char* name; float lat; View view; bool above, right; } rows[] = {
        {"+15 plain", 15, kPlain, true, true},       {"-15 plain", -15, kPlain, false, true},
        {"+15 flipped", 15, kFlipped, true, false},  {"+15 inverted", 15, kInverted, false, false},
        {"-15 inverted", -15, kInverted, true, false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        RecordingSurface s(kWidth, kHeight, kTpp);
        ArrowPoints pts{};
        const size_t n = rotarrow(s, mapof(r.view), sunwith(0, 0), arrowat(r.lat), pts);
        Vec mean;
        for (size_t i = 0; i < n; ++i) mean = mean + (1.0 / n) * Vec{double(pts[i].x), double(pts[i].y)};
        EXPECT_EQ(mean.y < 0, r.above);
        // The tip (the 61st stored point) is the outermost point in the west.
        const auto [lo, hi] = std::minmax_element(pts.begin(), pts.begin() + n,
                                                  [](PixelPoint a, PixelPoint b) { return a.x < b.x; });
        EXPECT_EQ(pts[60].x, r.right ? hi->x : lo->x);
        EXPECT_EQ(pts[60].x > mean.x, r.right);
        // 144 outline lines; the shaft flows into the head: nothing joins the
        // shaft's two edges at the head's base (stored points 42 and 78).
        const auto lines = s.ofkind(RecordedOp::line);
        EXPECT_EQ(lines.size(), 144u);
        const std::set<std::pair<int, int>> back = {{pts[42].x, pts[42].y}, {pts[78].x, pts[78].y}};
        for (const RecordedOp& op : lines) {
            EXPECT_EQ(op.colour, RED);
            const std::pair<int, int> from{int(op.x1), int(op.y1)};
            const std::pair<int, int> to{int(std::nearbyint(op.x2)), int(std::nearbyint(op.y2))};
            EXPECT_FALSE(back.count(from) && back.count(to) && from != to);
        }
    }
}

TEST(RotArrowTest, YieldsAfterEveryVisiblePoint) {
    // Near the western limb part of the arrow is hidden.
    ArrowShape a;
    a.centre = 80;
    for (double b0 : {3.0, -5.0}) {
        RecordingSurface s(kWidth, kHeight, kTpp);
        ArrowPoints pts{};
        rotarrow(s, mapof(kPlain), sunwith(b0, 40), a, pts);
        const size_t want = arrowyields(a, b0, 40);
        EXPECT_LT(want, 2u * 148u);
        EXPECT_EQ(countof(s, RecordedOp::doevents), want) << b0;
    }
}

TEST(RotArrowTest, OversizedShapesAreHeldToTheArray) {
    ArrowShape longarrow;
    longarrow.halflen = 120;  // two shaft edges of 463 points each
    const struct { const char* name; ArrowShape shape; float radius; } rows[] = {
        {"radius beyond 16 bits", ArrowShape{}, 1e6f}, {"more than 500 points", longarrow, static_cast<float>(kR)}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        RecordingSurface s(kWidth, kHeight, kTpp);
        struct {
            ArrowPoints pts{};
            std::array<PixelPoint, 1000> beyond{};  // stays untouched
        } guarded;
        for (PixelPoint& p : guarded.beyond) p = {12345, -12345};
        const size_t n = rotarrow(s, mapof(kPlain), sunwith(3, 10, r.radius), r.shape, guarded.pts);
        EXPECT_TRUE(std::all_of(guarded.beyond.begin(), guarded.beyond.end(),
                                [](PixelPoint p) { return p.x == 12345 && p.y == -12345; }));
        EXPECT_LE(n, ARROW_POINTS);
        EXPECT_GT(n, 0u);
        ASSERT_EQ(countof(s, RecordedOp::polygon), 1u);
        EXPECT_EQ(s.ofkind(RecordedOp::polygon)[0].points.size(), n);
        EXPECT_EQ(s.log().find("nan"), std::string::npos);
    }
}

// --- the whole picture and the redraw -------------------------------------

class FakeControls : public PictureControls {
public:
    explicit FakeControls(std::set<CheckBox> on) : on(std::move(on)) {}
    bool checked(CheckBox box) const override { return on.count(box) > 0; }
    std::set<CheckBox> on;
};
const std::set<CheckBox> kEveryOverlay = {CheckBox::chkposang, CheckBox::chkdrift, CheckBox::chkgrid,
                                          CheckBox::chksunrot};

// What each operation of a picture is, from its colour and geometry.
std::string element(const RecordedOp& op, double b0, double rot, const View& view) {
    const double len = dist(startof(op), endof(op));
    const Vec north = screen(skyat(rot, 1), view), across{-north.y, north.x};
    auto onequator = [&](Vec p) {  // the ellipse of the equator's facing half
        const double a = dot(p, across) / kR, b = dot(p, north) / (kR * std::sin(rad(b0)));
        return std::abs(a * a + b * b - 1) < 1e-4 && b < 1e-6;
    };
    switch (op.kind) {
        case RecordedOp::cls: return "cls";
        case RecordedOp::polygon: return "arrow fill";
        case RecordedOp::print: return op.colour == BLUE ? "letter" : "scale number";
        case RecordedOp::circle:
            if (op.colour == WHITE) return "white ground";
            if (op.colour == RED) return "pole circle";
            return op.fillstyle == FillStyle::solid && op.fillcolour == YELLOW ? "disk" : "limb";
        case RecordedOp::line:
            if (op.colour == BLUE) return len > 3 * kU ? "reference line" : "scale tick";
            if (op.colour == SCALE_GREY) return "scale tick";
            if (op.colour == GREY) return "drift arrow";
            if (op.colour == GRID_PINK) return "grid";
            if (std::abs(len - 3.4 * kU) < kFloat) return "axis";
            if (std::abs(dot(startof(op), across)) < kFloat && std::abs(dot(endof(op), across)) < kFloat)
                return "pole line";
            return onequator(startof(op)) && onequator(endof(op)) ? "equator" : "arrow outline";
        case RecordedOp::doevents: return "";
    }
    return "?";
}

TEST(PictureTest, BackToFrontOrder) {
    const struct {
        const char* name;
        std::set<CheckBox> on;
        int16_t altaz;
        View view;
        std::vector<std::string> order;
        int16_t inputerr;
    } rows[] = {
        {"every overlay, alt-az mount", kEveryOverlay, 1, kPlain,
         {"cls", "reference line", "white ground", "drift arrow", "axis", "disk", "grid", "limb", "pole line",
          "pole circle", "equator", "scale tick", "scale number", "letter", "arrow fill", "arrow outline",
          "arrow fill", "arrow outline"},
         2},
        {"nothing checked, equatorial mount", {}, 0, kPlain,
         {"cls", "reference line", "axis", "disk", "limb", "pole line", "pole circle", "equator", "letter"}, 0},
        {"flipped and inverted", {CheckBox::chkflip, CheckBox::chkinvert}, 1, kBoth,
         {"cls", "reference line", "axis", "disk", "limb", "pole line", "pole circle", "equator", "letter"}, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        RecordingSurface s(kWidth, kHeight, kTpp);
        RedrawState st;
        st.gridcolour = GRID_PINK;
        st.sun.p = 12, st.sun.b0 = 4, st.sun.gamma = 20, st.view.altaz = r.altaz;
        const double turn = st.sun.gamma * r.altaz, rot = st.sun.p - turn;
        ArrowPoints pts{};
        drawpicture(s, st, FakeControls(r.on), pts);
        EXPECT_FLOAT_EQ(st.sun.radius, kR);
        EXPECT_FLOAT_EQ(st.sun.rot, rot);
        EXPECT_EQ(st.inputerr, r.inputerr);
        EXPECT_EQ(s.scaleleft, -kWidth / 2);
        EXPECT_EQ(s.scaletop, -kHeight / 2);
        std::vector<std::string> order;
        std::map<std::string, int> counts;
        const Vec skynorth = screen(skyat(0, 1), r.view, turn), axis = screen(skyat(rot, 1), r.view);
        for (const RecordedOp& op : s.ops) {
            const std::string e = element(op, st.sun.b0, rot, r.view);
            if (e.empty()) continue;
            if (counts[e]++ == 0 && e == "reference line")  // the first is north-south, 1.82 u each way
                EXPECT_AT(op.x1, op.y1, 1.82 * kU * skynorth, kFloat);
            if (e == "axis") EXPECT_AT(op.x1, op.y1, 1.7 * kU * axis, kFloat) << "from its north end";
            if (e == "white ground") EXPECT_NEAR(op.x2, 1.17 * kR, kFloat);
            if (e == "disk" || e == "limb") EXPECT_NEAR(op.x2, kR, kFloat);
            if (op.kind == RecordedOp::circle && e != "pole circle") EXPECT_EQ(std::hypot(op.x1, op.y1), 0);
            if (e == "pole circle") EXPECT_EQ(op.fillstyle, FillStyle::transparent) << "an outline only";
            if (order.empty() || order.back() != e) order.push_back(e);
        }
        EXPECT_EQ(order, r.order);
        EXPECT_EQ(counts["reference line"], 2);
        EXPECT_EQ(counts["equator"], 90);
        EXPECT_EQ(counts["letter"], 4);
        EXPECT_EQ(counts["pole circle"], 1);
        const bool all = r.on.count(CheckBox::chkgrid) > 0;
        EXPECT_EQ(counts["drift arrow"], all ? 6 : 0);
        EXPECT_EQ(counts["scale tick"], all ? 36 : 0);
        EXPECT_EQ(counts["arrow outline"], all ? 2 * 144 : 0);
        // Yields: after each grid segment, after the first letter, after each visible arrow point.
        const size_t yields = all ? gridsegments(s, 4, rot, r.view, false) + 1 + arrowyields(arrowat(15), 4, rot) +
                                        arrowyields(arrowat(-15), 4, rot)
                                  : 1;
        EXPECT_EQ(countof(s, RecordedOp::doevents), yields);
    }
}

class NoLabels : public LabelSink {
public:
    void setcaption(ResultLabel, const std::string&) override {}
};
class ShownMessages : public MessageBoxes {
public:
    void showmessage(const std::string& title, const std::string& text) override { shown.push_back({title, text}); }
    std::vector<std::pair<std::string, std::string>> shown;
};
class CountedEnd : public ProgramEnd {
public:
    void endprogram() override { ++ends; }
    int ends = 0;
};
// A recording surface whose yields run a hook, as the window's events would.
class HookedSurface : public RecordingSurface {
public:
    HookedSurface() : RecordingSurface(kWidth, kHeight, kTpp) {}
    void doevents() override {
        RecordingSurface::doevents();
        if (hook) hook();
    }
    void circle(float x, float y, float r, Colour c) override {
        if (failcircle) throw RuntimeFault(6, "overflow");
        RecordingSurface::circle(x, y, r, c);
    }
    std::function<void()> hook;
    bool failcircle = false;
};

FieldTexts solstice() {
    FieldTexts f;
    f.day = "21", f.month = "6", f.year = "2006", f.hour = "12", f.min = "0", f.tz = "0";
    f.lat = "51.5", f.lon = "0";
    return f;
}

struct Redraw {
    explicit Redraw(std::set<CheckBox> on = kEveryOverlay) : controls(std::move(on)) {}
    DrawOutcome run(const FieldTexts& f) { return routine.draw(f, false, platform); }
    HookedSurface surface;
    FakeControls controls;
    NoLabels labels;
    ShownMessages messages;
    CountedEnd end;
    DrawPlatform platform{surface, controls, labels, messages, end, '.'};
    DrawRoutine routine;
};

TEST(DrawRoutineTest, InputFaultShowsItsMessageAndClearsThePicture) {
    FieldTexts badday = solstice(), badhour = solstice(), badzone = solstice(), badlat = solstice();
    badday.day = "32", badhour.hour = "25", badzone.tz = "13", badlat.lat = "95";
    const struct { const char* name; FieldTexts f; InputFault fault; } rows[] = {
        {"day 32", badday, InputFault::date}, {"hour 25", badhour, InputFault::time},
        {"zone 13", badzone, InputFault::zone}, {"latitude 95", badlat, InputFault::place}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        Redraw d;
        EXPECT_EQ(d.run(r.f), DrawOutcome::inputfault);
        ASSERT_EQ(d.messages.shown.size(), 1u);
        EXPECT_EQ(d.messages.shown[0].first, "Error");
        EXPECT_EQ(d.messages.shown[0].second, inputmessage(r.fault));
        EXPECT_EQ(d.surface.log(), "cls\n") << "cleared, nothing drawn";
        EXPECT_EQ(d.routine.state.inputerr, 1);
        EXPECT_EQ(d.end.ends, 0);
    }
}

TEST(DrawRoutineTest, RunTimeFaultEndsTheProgram) {
    Redraw d;
    d.surface.failcircle = true;
    EXPECT_EQ(d.run(solstice()), DrawOutcome::fault);
    ASSERT_EQ(d.messages.shown.size(), 1u);
    EXPECT_EQ(d.messages.shown[0].first, "File Error");
    EXPECT_EQ(d.messages.shown[0].second, "ERROR 6 occurred in subroutine draw.   The program cannot run.");
    EXPECT_EQ(d.end.ends, 1);
    EXPECT_FALSE(d.routine.drawing());
}

TEST(DrawRoutineTest, RedrawAskedForWhileYieldingIsRefused) {
    Redraw plain;
    ASSERT_EQ(plain.run(solstice()), DrawOutcome::drawn);
    Redraw d;
    std::vector<DrawOutcome> inner;
    d.surface.hook = [&] { inner.push_back(d.run(solstice())); };
    EXPECT_EQ(d.run(solstice()), DrawOutcome::drawn);
    EXPECT_EQ(inner.size(), countof(d.surface, RecordedOp::doevents));
    EXPECT_GT(inner.size(), 0u);
    EXPECT_TRUE(std::all_of(inner.begin(), inner.end(), [](DrawOutcome o) { return o == DrawOutcome::nested; }));
    EXPECT_EQ(d.surface.log(), plain.surface.log()) << "the refused redraws drew nothing";
    EXPECT_FALSE(d.routine.drawing());
}

TEST(DrawRoutineTest, InputErrAfterARedraw) {
    const std::pair<std::set<CheckBox>, int16_t> rows[] = {{kEveryOverlay, 2}, {{CheckBox::chkgrid}, 0}};
    for (const auto& [on, inputerr] : rows) {
        Redraw d(on);
        EXPECT_EQ(d.run(solstice()), DrawOutcome::drawn);
        EXPECT_EQ(d.routine.state.inputerr, inputerr);
        EXPECT_EQ(d.messages.shown.size(), 0u);
    }
}

}  // namespace
}  // namespace quorvel::test
