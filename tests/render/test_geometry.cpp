// Geometry of the oriented disk, checked through the recording surface. Expected positions
// come from a sky model of the test's own: a point of the solar sphere is projected
// orthographically with the centre at latitude B0 and the north pole at a position angle,
// then put on the screen with north up and west on the right in the plain view.
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

constexpr double kFloat = 0.05;    // a point computed in 32-bit arithmetic, picture units
constexpr double kRounded = 0.51;  // a point rounded to whole units or whole pixels
constexpr double kLimbZ = 1e-5;    // a sphere point this close to the limb may fall either way

double rad(double deg) { return deg * std::numbers::pi / 180; }

struct Vec { double x = 0, y = 0; };
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double dist(Vec a, Vec b) { return std::hypot(a.x - b.x, a.y - b.y); }
Vec startof(const RecordedOp& op) { return {op.x1, op.y1}; }
Vec endof(const RecordedOp& op) { return {op.x2, op.y2}; }
size_t countof(const RecordingSurface& s, RecordedOp::Kind kind) { return s.ofkind(kind).size(); }
bool nonan(const RecordingSurface& s) { return s.log().find("nan") == std::string::npos; }

// A surface point (x, y) within tol of want on both axes (a NaN never is).
testing::AssertionResult within(double x, double y, Vec want, double tol) {
    if (std::abs(x - want.x) <= tol && std::abs(y - want.y) <= tol) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "(" << x << ", " << y << ") is not within " << tol << " of ("
                                       << want.x << ", " << want.y << ")";
}
#define EXPECT_AT(...) EXPECT_TRUE(within(__VA_ARGS__))

// A view: flip +1 flipped, -1 not; invert 1 turned by 180 degrees.
struct View { const char* name; int16_t flip, invert; };
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
    return v.invert == 1 ? -1 * p : p;
}
// The sky offset at position angle pa (north through east), distance r.
Vec skyat(double pa, double r) { return {-r * std::sin(rad(pa)), r * std::cos(rad(pa))}; }

// z is the cosine of the distance from the disk centre; visible when >= 0.
struct SpherePoint { Vec sky; double z; };
// Latitude lat, longitude lon west of the central meridian, degrees.
SpherePoint sphere(double lat, double lon, double b0, double pole, double r) {
    const double la = rad(lat), lo = rad(lon), b = rad(b0);
    const double x = r * std::cos(la) * std::sin(lo);
    const double y = r * (std::sin(la) * std::cos(b) - std::cos(la) * std::sin(b) * std::cos(lo));
    const double z = std::sin(la) * std::sin(b) + std::cos(la) * std::cos(b) * std::cos(lo);
    const double c = std::cos(rad(pole)), s = std::sin(rad(pole));
    return {{x * c - y * s, x * s + y * c}, z};
}
Vec onscreen(double lat, double lon, double b0, double pole, const View& v) {
    return screen(sphere(lat, lon, b0, pole, kR).sky, v);
}

SunState sunwith(double b0, float rot, float radius = static_cast<float>(kR)) {
    SunState sun;
    sun.b0 = b0, sun.rot = rot, sun.radius = radius;
    return sun;
}

// --- position-angle scale and letters -------------------------------------

struct ScaleView { View view; float angle; };
const ScaleView kScaleViews[] = {{kPlain, 0},  {kFlipped, 0},   {kInverted, 0},     {kBoth, 0},
                                 {kPlain, 30}, {kFlipped, -50}, {kInverted, 12.5f}};

// In the plain view position angle 0 is at the top and 90 on the left: the tick at 0
// runs from (0, -R) to (0, -1.05 R), the one at 10 from 1.03 R to 1.05 R just left of
// it. The numbers read " 0", " 10", ..., " 350". The letters N above the disk, S below,
// E on the left, W on the right; flipping swaps E and W, inverting puts N at the
// bottom and keeps the letters' text angle.
TEST(PosAngScaleTest, TicksNumbersAndLettersStandOnTheirPositionAngles) {
    for (const auto& [view, angle] : kScaleViews) {
        SCOPED_TRACE(testing::Message() << view.name << ", angle " << angle);
        RecordingSurface s(kWidth, kHeight, kTpp);
        posangscale(s, kR, angle, view.flip, view.invert);
        const auto ticks = s.ofkind(RecordedOp::line), numbers = s.ofkind(RecordedOp::print);
        ASSERT_EQ(ticks.size(), 36u);
        ASSERT_EQ(numbers.size(), 36u);
        for (int k = 0; k < 36; ++k) {
            const int i = 10 * k;
            const bool cardinal = i % 90 == 0;  // blue, from the limb out
            const Vec dir = screen(skyat(i, 1), view, angle);
            EXPECT_AT(ticks[k].x1, ticks[k].y1, (cardinal ? 1.0 : 1.03) * kR * dir, kFloat) << i;
            EXPECT_AT(ticks[k].x2, ticks[k].y2, 1.05 * kR * dir, kFloat) << i;
            EXPECT_EQ(ticks[k].colour, cardinal ? BLUE : SCALE_GREY) << i;
            // The number is centred on its direction: half its estimated width
            // (5 units a twelfth of the font for each of 1.1, 2.4 or 3.0 digits)
            // along the baseline from its start. The one- or two-degree turn of
            // numbers near upside down moves the centre by under 3.0 * 60 * sin 2.
            const RecordedOp& n = numbers[k];
            const double half = 60 * (i < 10 ? 1.1 : i < 100 ? 2.4 : 3.0), g = rad(n.font.escapement / 10.0);
            const Vec centre = startof(n) + half * Vec{std::cos(g), -std::sin(g)};
            EXPECT_LT(dist(centre, (1.06 * kR + 192) * dir), 3.0 * 60 * std::sin(rad(2)) + kFloat) << i;
            EXPECT_EQ(n.text, " " + std::to_string(i));
            EXPECT_EQ(n.colour, SCALE_GREY);
            EXPECT_TRUE(n.font.face == "Arial" && n.font.height == 12 && n.font.weight == 400) << i;
        }

        RecordingSurface c(kWidth, kHeight, kTpp);
        compass(c, kR, angle, view.flip, view.invert);
        ASSERT_EQ(c.ops.size(), 5u);
        EXPECT_EQ(c.ops[1].kind, RecordedOp::doevents) << "the events run after the first letter only";
        c.ops.erase(c.ops.begin() + 1);
        // Upright, the letter's cell centre is 5 x 16 right of and 7 x 16 below
        // its top-left corner; that offset turns with the letter.
        const double esc = c.ops[0].font.escapement, cw = rad(-esc / 10);
        const Vec offset{80 * std::cos(cw) - 112 * std::sin(cw), 80 * std::sin(cw) + 112 * std::cos(cw)};
        EXPECT_NEAR(esc, 10 * (view.flip == 1 ? angle : -angle), 0.5) << "invert keeps it";
        const std::pair<const char*, double> letters[] = {{"N", 0}, {"S", 180}, {"E", 90}, {"W", 270}};
        for (int k = 0; k < 4; ++k) {
            const RecordedOp& op = c.ops[k];
            ASSERT_EQ(op.kind, RecordedOp::print);
            EXPECT_EQ(op.text, letters[k].first);
            EXPECT_TRUE(op.font.escapement == esc && op.font.height == 16 && op.font.weight == 1000);
            EXPECT_EQ(op.colour, BLUE);
            const Vec want = screen(skyat(letters[k].second, 1.28 * kR), view, angle);
            EXPECT_AT(op.x1 + offset.x, op.y1 + offset.y, want, kFloat) << letters[k].first;
        }
    }
}

TEST(PosAngScaleTest, NumberEscapements) {
    // The text angle runs along the circle: i - angle counter-clockwise,
    // mirrored when flipped, half a turn more when inverted; 0 and 180 are
    // turned one degree more, and a number within a degree of upside down
    // once more (181 is outside 179..181).
    const struct { ScaleView v; int i, escapement; } rows[] = {
        {{kPlain, 0}, 0, 10},         {{kPlain, 0}, 90, 900},       {{kPlain, 0}, 180, 1810},
        {{kPlain, 0.5f}, 180, 1815},  {{kPlain, -9.5f}, 170, 1805}, {{kPlain, 0}, 170, 1700},
        {{kFlipped, 0}, 90, -900},    {{kInverted, 0}, 0, 1810},    {{kInverted, 0}, 180, 3610}};
    for (const auto& r : rows) {
        RecordingSurface s(kWidth, kHeight, kTpp);
        posangscale(s, kR, r.v.angle, r.v.view.flip, r.v.view.invert);
        EXPECT_EQ(s.ofkind(RecordedOp::print)[r.i / 10].font.escapement, r.escapement)
            << r.v.view.name << ", angle " << r.v.angle << ", number " << r.i;
    }
}

// --- heliographic grid ----------------------------------------------------

// The grid's loops count latitude from -80 and longitude from -120 in the
// sense of its own formula, which takes latitude southward and longitude
// eastward: on the sphere each of the 36 meridians is walked from its
// northern end (41 points), then each of the 17 parallels from its western end (61).
constexpr size_t kMeridians = 36, kGridLines = 36 + 17;

// Checks the grid lines [from, to) of the walk against ops from index op: a
// pink segment, then a yield, to every visible point but the first of its
// line, from the previous point rounded to whole units. A point on the limb
// counts when a segment ends on it. Returns the index past the last segment.
size_t walkgrid(const std::vector<RecordedOp>& ops, size_t op, double b0, double rot, const View& v,
                size_t from = 0, size_t to = kGridLines) {
    for (size_t l = from; l < to; ++l) {
        Vec prev;
        for (int k = 0; k <= (l < kMeridians ? 40 : 60); ++k) {
            const double lat = l < kMeridians ? 80.0 - 4 * k : 80.0 - 10 * (l - kMeridians);
            const double lon = l < kMeridians ? -10.0 * l : 120.0 - 4 * k;
            const SpherePoint p = sphere(lat, lon, b0, rot, kR);
            const Vec at = screen(p.sky, v);
            const bool here = op + 1 < ops.size() && ops[op].kind == RecordedOp::line &&
                              ops[op].colour == GRID_PINK && within(ops[op].x2, ops[op].y2, at, kFloat);
            if (k > 0 && (std::abs(p.z) < kLimbZ ? here : p.z > 0)) {
                if (!here || !within(ops[op].x1, ops[op].y1, prev, kRounded) ||
                    ops[op + 1].kind != RecordedOp::doevents) {
                    ADD_FAILURE() << "no segment and yield to grid point " << lat << ", " << lon << " at " << op;
                    return op;
                }
                op += 2;
            }
            prev = at;
        }
    }
    return op;
}

// With B0 zero the walk demands the latitude-0 points of the equator and of
// every meridian facing us (a division by sin B0 would lose them).
TEST(GridTest, EveryVisiblePointIsReachedByASegment) {
    const struct { double b0; float rot; View view; } rows[] = {
        {5, 0, kPlain},      {-7.1, 23, kPlain}, {3.3, -12, kFlipped}, {6, 200, kInverted}, {-2, 45, kBoth},
        {0, 10, kPlain},     {0, 0, kPlain},     {1e-7, 0, kPlain},    {-1e-7, 0, kPlain}};
    for (const auto& [b0, rot, view] : rows) {
        SCOPED_TRACE(testing::Message() << view.name << ", B0 " << b0 << ", rot " << rot);
        RecordingSurface s(kWidth, kHeight, kTpp);
        helgrid(s, mapof(view), sunwith(b0, rot), GRID_PINK);
        EXPECT_TRUE(nonan(s));
        const size_t meridians = walkgrid(s.ops, 0, b0, rot, view, 0, kMeridians);
        EXPECT_EQ(walkgrid(s.ops, meridians, b0, rot, view, kMeridians), s.ops.size()) << "beyond the walk";
        // The central meridian, all 41 points visible, is straight through the centre.
        const Vec north = screen(skyat(rot, 1), view), across{-north.y, north.x};
        for (size_t k = 0; k < 80 && k < meridians; k += 2) {
            EXPECT_NEAR(dot(endof(s.ops[k]), across), 0, kFloat) << k;
            EXPECT_NEAR(dot(startof(s.ops[k]), across), 0, kRounded * std::sqrt(2)) << k;
        }
        // Meridians l and 360 - l are mirror images about it.
        for (size_t k = 0; k < meridians; k += 2) {
            const Vec e = endof(s.ops[k]), mirror = 2 * dot(e, north) * north - e;
            if (std::hypot(e.x, e.y) > kR - kFloat) continue;  // on the limb: either way
            EXPECT_TRUE(std::any_of(s.ops.begin(), s.ops.begin() + meridians, [&](const RecordedOp& o) {
                return o.kind == RecordedOp::line && dist(endof(o), mirror) < kFloat;
            })) << "no mirror image of " << e.x << ", " << e.y;
        }
    }
}

// --- pole mark, solar equator, drift arrow ---------------------------------

struct DiskRow { double b0, p; View view; };
// B0 zero puts the south end at the limb and the equator straight.
const DiskRow kDiskRows[] = {{5, 0, kPlain},   {7.2, 20, kPlain},  {-4, -15, kFlipped},
                             {0, 0, kPlain},   {3, 10, kInverted}, {-6.5, 170, kBoth}};

TEST(DiskTest, PoleMarkEquatorAndDriftArrow) {
    for (const auto& [b0, p, view] : kDiskRows) {
        SCOPED_TRACE(testing::Message() << view.name << ", B0 " << b0 << ", P " << p);
        RecordingSurface s(kWidth, kHeight, kTpp);
        polemark(s, mapof(view), kR, kR, kU, 90 + p, b0);
        const auto mark = s.ofkind(RecordedOp::line), circles = s.ofkind(RecordedOp::circle);
        ASSERT_EQ(mark.size(), 1u);
        ASSERT_EQ(circles.size(), 1u);
        // b0 > 0 marks the northern end at R cos B0, b0 <= 0 the southern one.
        const double pa = b0 > 0 ? p : p + 180;
        const Vec pole = screen(skyat(pa, kR * std::cos(rad(b0))), view), limb = screen(skyat(pa, kR), view);
        EXPECT_AT(circles[0].x1, circles[0].y1, pole, kFloat);
        EXPECT_NEAR(circles[0].x2, 0.013 * kU, kFloat);
        EXPECT_TRUE(circles[0].colour == RED && circles[0].fillcolour == RED && mark[0].colour == RED);
        const bool limbfirst = dist(startof(mark[0]), limb) < kFloat;
        EXPECT_AT(mark[0].x1, mark[0].y1, limbfirst ? limb : pole, kFloat);
        EXPECT_AT(mark[0].x2, mark[0].y2, limbfirst ? pole : limb, kFloat);

        RecordingSurface e(kWidth, kHeight, kTpp);
        solarequator(e, mapof(view), kR, static_cast<float>(p), b0, RED);
        const auto lines = e.ofkind(RecordedOp::line);
        ASSERT_EQ(lines.size(), 90u);
        // From the eastern limb (longitude -90) to the western one, 2 degrees a segment.
        for (int j = 0; j < 90; ++j) {
            EXPECT_AT(lines[j].x1, lines[j].y1, onscreen(0, -90 + 2 * j, b0, p, view), kFloat) << j;
            EXPECT_AT(lines[j].x2, lines[j].y2, onscreen(0, -88 + 2 * j, b0, p, view), kFloat) << j;
            EXPECT_EQ(lines[j].colour, RED);
        }
        // The middle lies R sin B0 from the centre, away from the visible pole.
        EXPECT_AT(lines[44].x2, lines[44].y2, -kR * std::sin(rad(b0)) * screen(skyat(p, 1), view), kFloat);

        // The drift arrow, turned by P as by the mount: head and tail barbs 0.26 u
        // long pointing west 45 degrees off the line, then the band's two long
        // edges from the head's barb ends to the tail's.
        RecordingSurface a(kWidth, kHeight, kTpp);
        driftarrow(a, mapof(view), kU, p);
        const auto l = a.ofkind(RecordedOp::line);
        ASSERT_EQ(l.size(), 6u);
        const Vec west = screen(skyat(270, 1), view, p);
        EXPECT_AT(l[0].x2, l[0].y2, 2.275 * kU * west, kFloat) << "head tip";
        EXPECT_AT(l[2].x2, l[2].y2, -2.065 * kU * west, kFloat) << "tail tip";
        auto near = [](Vec q, const RecordedOp& a, const RecordedOp& b) {
            return dist(q, startof(a)) < kFloat || dist(q, startof(b)) < kFloat;
        };
        for (int k = 0; k < 6; ++k) {
            const Vec along = endof(l[k]) - startof(l[k]);
            EXPECT_EQ(l[k].colour, GREY);
            if (k < 4) {
                EXPECT_NEAR(std::hypot(along.x, along.y), 0.26 * kU, kFloat) << k;
                EXPECT_NEAR(dot(along, west), 0.26 * kU * std::cos(rad(45)), kFloat) << k;
            } else {
                EXPECT_TRUE(near(startof(l[k]), l[0], l[1]) && near(endof(l[k]), l[2], l[3])) << k;
                EXPECT_NEAR(along.x * west.y - along.y * west.x, 0, kFloat) << "parallel to the east-west line";
            }
        }
    }
}

// --- rotation arrows -------------------------------------------------------

struct OutlinePoint { double lat, lon; bool stored; };
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
ArrowShape arrowat(float lat, float centre = 10) {
    ArrowShape a;
    a.lat = lat, a.centre = centre;
    return a;
}

// Above and right are on the screen turned with the sun's axis (upright when
// inverted): at rot 0 the +15 arrow is above the centre and points right in
// the plain view, left when flipped, below and left when inverted.
TEST(RotArrowTest, StoredPointsAndThePolygonInDevicePixels) {
    const struct { float lat; double b0; float rot; View view; bool above, right; } rows[] = {
        {15, 0, 0, kPlain, true, true},          {-15, 0, 0, kPlain, false, true},
        {15, 0, 0, kFlipped, true, false},       {15, 0, 0, kInverted, false, false},
        {-15, 0, 0, kInverted, true, false},     {-15, 6.5, 24, kFlipped, false, false},
        {15, -7.25, -170, kInverted, false, false}, {-15, 2, 95, kBoth, true, true}};
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.view.name << ", latitude " << r.lat << ", rot " << r.rot);
        RecordingSurface s(kWidth, kHeight, kTpp);
        ArrowPoints pts{};
        ASSERT_EQ(rotarrow(s, mapof(r.view), sunwith(r.b0, r.rot), arrowat(r.lat), pts), 146u);
        const auto polys = s.ofkind(RecordedOp::polygon);
        ASSERT_EQ(polys.size(), 1u);
        ASSERT_EQ(polys[0].points.size(), 146u);
        EXPECT_TRUE(polys[0].colour == YELLOW && polys[0].fillcolour == YELLOW);
        EXPECT_EQ(polys[0].drawwidth, 5);
        EXPECT_EQ(s.drawwidth, 1);
        size_t i = 0;
        for (const OutlinePoint& p : arrowoutline(arrowat(r.lat))) {
            if (!p.stored) continue;
            EXPECT_AT(pts[i].x, pts[i].y, onscreen(p.lat, p.lon, r.b0, r.rot, r.view), kRounded) << i;
            const Vec px{pts[i].x / kTpp + kWidth / 2 / kTpp, pts[i].y / kTpp + kHeight / 2 / kTpp};
            EXPECT_AT(polys[0].points[i].x, polys[0].points[i].y, px, kRounded) << i;
            ++i;
        }
        EXPECT_EQ(i, 146u);
        // The tip (the 61st stored point) is the outermost point in the direction it points.
        const Vec up = (r.view.invert == 1 ? -1 : 1) * screen(skyat(r.rot, 1), r.view), right{-up.y, up.x};
        auto along = [&](PixelPoint q) { return dot(Vec{double(q.x), double(q.y)}, right); };
        Vec mean;
        for (i = 0; i < 146; ++i) mean = mean + (1.0 / 146) * Vec{double(pts[i].x), double(pts[i].y)};
        EXPECT_EQ(dot(mean, up) > 0, r.above);
        EXPECT_EQ(along(pts[60]) > dot(mean, right), r.right);
        for (i = 0; i < 146; ++i) EXPECT_LE((r.right ? 1 : -1) * (along(pts[i]) - along(pts[60])), 0) << i;
        // 144 red outline lines; the shaft flows into the head: nothing joins
        // the shaft's two edges at the head's base (stored points 42 and 78).
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
    const ArrowShape a = arrowat(15, 80);  // near the western limb part of the arrow is hidden
    for (double b0 : {3.0, -5.0}) {
        RecordingSurface s(kWidth, kHeight, kTpp);
        ArrowPoints pts{};
        rotarrow(s, mapof(kPlain), sunwith(b0, 40), a, pts);
        EXPECT_LT(arrowyields(a, b0, 40), 2u * 148u);
        EXPECT_EQ(countof(s, RecordedOp::doevents), arrowyields(a, b0, 40)) << b0;
    }
}

TEST(RotArrowTest, OversizedShapesAreHeldToTheArray) {
    ArrowShape longarrow;
    longarrow.halflen = 120;  // two shaft edges of 463 points each
    const std::pair<ArrowShape, float> rows[] = {{ArrowShape{}, 1e6f}, {longarrow, static_cast<float>(kR)}};
    for (const auto& [shape, radius] : rows) {
        SCOPED_TRACE(testing::Message() << "radius " << radius << ", half length " << shape.halflen);
        RecordingSurface s(kWidth, kHeight, kTpp);
        struct {
            ArrowPoints pts{};
            std::array<PixelPoint, 1000> beyond{};  // stays untouched
        } guarded;
        guarded.beyond.fill({12345, -12345});
        const size_t n = rotarrow(s, mapof(kPlain), sunwith(3, 10, radius), shape, guarded.pts);
        EXPECT_TRUE(std::all_of(guarded.beyond.begin(), guarded.beyond.end(),
                                [](PixelPoint p) { return p.x == 12345 && p.y == -12345; }));
        EXPECT_LE(n, ARROW_POINTS);
        EXPECT_GT(n, 0u);
        ASSERT_EQ(countof(s, RecordedOp::polygon), 1u);
        EXPECT_EQ(s.ofkind(RecordedOp::polygon)[0].points.size(), n);
        EXPECT_TRUE(nonan(s));
    }
}

// --- the whole picture and the redraw -------------------------------------

struct FakeControls : PictureControls {
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
        case RecordedOp::doevents:
        case RecordedOp::setscale: return "";
    }
    return "?";
}

TEST(PictureTest, BackToFrontOrder) {
    const std::vector<std::string> bare = {"cls",       "reference line", "axis",    "disk",  "limb",
                                           "pole line", "pole circle",    "equator", "letter"};
    const struct { std::set<CheckBox> on; int16_t altaz; View view; std::vector<std::string> order; int16_t inputerr; }
        rows[] = {
            {kEveryOverlay, 1, kPlain,
             {"cls", "reference line", "white ground", "drift arrow", "axis", "disk", "grid", "limb", "pole line",
              "pole circle", "equator", "scale tick", "scale number", "letter", "arrow fill", "arrow outline",
              "arrow fill", "arrow outline"},
             2},
            {{}, 0, kPlain, bare, 0},
            {{CheckBox::chkflip, CheckBox::chkinvert}, 1, kBoth, bare, 0}};
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.view.name << ", alt-az " << r.altaz << ", " << r.on.size() << " on");
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
        EXPECT_TRUE(s.scaleleft == -kWidth / 2 && s.scaletop == -kHeight / 2);
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
        const bool all = r.on.count(CheckBox::chkgrid) > 0;
        const std::map<std::string, int> want = {
            {"reference line", 2}, {"equator", 90}, {"letter", 4}, {"pole circle", 1},
            {"drift arrow", all ? 6 : 0}, {"scale tick", all ? 36 : 0}, {"arrow outline", all ? 2 * 144 : 0}};
        for (const auto& [e, n] : want) EXPECT_EQ(counts[e], n) << e;
        // Yields: after each grid segment, after the first letter, after each visible arrow point.
        size_t yields = 1;
        if (all) {
            const size_t first = std::find_if(s.ops.begin(), s.ops.end(), [](const RecordedOp& o) {
                return o.colour == GRID_PINK;
            }) - s.ops.begin();
            yields += (walkgrid(s.ops, first, 4, rot, r.view) - first) / 2 + arrowyields(arrowat(15), 4, rot) +
                      arrowyields(arrowat(-15), 4, rot);
        }
        EXPECT_EQ(countof(s, RecordedOp::doevents), yields);
    }
}

struct NoLabels : LabelSink { void setcaption(ResultLabel, const std::string&) override {} };
struct CountedEnd : ProgramEnd { void endprogram() override { ++ends; } int ends = 0; };
struct ShownMessages : MessageBoxes {
    void showmessage(const std::string& title, const std::string& text) override { shown.push_back({title, text}); }
    std::vector<std::pair<std::string, std::string>> shown;
};
// A recording surface whose yields run a hook, as the window's events would,
// and whose circles can fail as an overflow would.
struct HookedSurface : RecordingSurface {
    HookedSurface() : RecordingSurface(kWidth, kHeight, kTpp) {}
    void doevents() override { RecordingSurface::doevents(); if (hook) hook(); }
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
    DrawOutcome run(const FieldTexts& f) { return routine.draw(f, false, platform); }
    HookedSurface surface;
    FakeControls controls{kEveryOverlay};
    NoLabels labels;
    ShownMessages messages;
    CountedEnd end;
    DrawPlatform platform{surface, controls, labels, messages, end, '.'};
    DrawRoutine routine;
};

// An input fault shows its message titled "Error" on a cleared picture; a
// run-time fault in the drawing shows "File Error" and ends the program.
TEST(DrawRoutineTest, FaultsShowTheirMessages) {
    const std::string ended = "ERROR 6 occurred in subroutine draw.   The program cannot run.";
    const struct { std::string FieldTexts::*field; const char* text; InputFault fault; } rows[] = {
        {&FieldTexts::day, "32", InputFault::date}, {&FieldTexts::hour, "25", InputFault::time},
        {&FieldTexts::tz, "13", InputFault::zone},  {&FieldTexts::lat, "95", InputFault::place},
        {nullptr, "overflow", InputFault::none}};
    for (const auto& [field, text, fault] : rows) {
        SCOPED_TRACE(text);
        FieldTexts f = solstice();
        Redraw d;
        if (field) f.*field = text;
        d.surface.failcircle = !field;
        EXPECT_EQ(d.run(f), field ? DrawOutcome::inputfault : DrawOutcome::fault);
        ASSERT_EQ(d.messages.shown.size(), 1u);
        EXPECT_EQ(d.messages.shown[0].first, field ? "Error" : "File Error");
        EXPECT_EQ(d.messages.shown[0].second, field ? std::string(inputmessage(fault)) : ended);
        if (field) EXPECT_EQ(d.surface.ops.size(), 1u) << "cleared, nothing drawn";
        if (field) EXPECT_EQ(d.routine.state.inputerr, 1);
        EXPECT_EQ(d.end.ends, field ? 0 : 1);
        EXPECT_FALSE(d.routine.drawing());
    }
}

TEST(DrawRoutineTest, RedrawAskedForWhileYieldingIsRefused) {
    Redraw plain;
    ASSERT_EQ(plain.run(solstice()), DrawOutcome::drawn);
    EXPECT_EQ(plain.routine.state.inputerr, 2) << "the arrows were drawn";
    EXPECT_TRUE(plain.messages.shown.empty());
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

}  // namespace
}  // namespace quorvel::test
