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
#include "graphicsview.h"
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
constexpr double kRounded = 0.51;  // a point rounded to whole units
constexpr double kLimbZ = 1e-5;    // a sphere point this close to the limb may fall either way

double rad(double deg) { return deg * std::numbers::pi / 180; }
double deg(double r) { return r * 180 / std::numbers::pi; }

struct Vec { double x = 0, y = 0; };
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double dist(Vec a, Vec b) { return std::hypot(a.x - b.x, a.y - b.y); }
Vec startof(const RecordedOp& op) { return {op.x1, op.y1}; }
Vec endof(const RecordedOp& op) { return {op.x2, op.y2}; }

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
// Latitude lat, longitude lon west of the central meridian, degrees; the pole at position angle pole.
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
// The latitude and longitude (x, y) of a visible screen point: the inverse of onscreen.
Vec latlonof(Vec at, double b0, double pole, const View& v) {
    const Vec sky = screen(at, v);  // the unturned screen mapping is its own inverse
    const double c = std::cos(rad(pole)), s = std::sin(rad(pole));
    const double x = (sky.x * c + sky.y * s) / kR, y = (-sky.x * s + sky.y * c) / kR;
    const double z = std::sqrt(std::max(0.0, 1 - x * x - y * y)), b = rad(b0);
    return {deg(std::asin(y * std::cos(b) + z * std::sin(b))), deg(std::atan2(x, z * std::cos(b) - y * std::sin(b)))};
}

SunState sunwith(double b0, float rot, float radius = static_cast<float>(kR)) {
    SunState sun;
    sun.b0 = b0, sun.rot = rot, sun.radius = radius;
    return sun;
}

// In the plain view position angle 0 is at the top and 90 on the left: the tick at 0
// runs from (0, -R) to (0, -1.05 R), the one at 10 from 1.03 R to 1.05 R just left of
// it; each number is centred on its direction. The letters N above the disk, S below,
// E on the left, W on the right; flipping swaps E and W, inverting puts N at the
// bottom and keeps the letters' text angle.
TEST(PosAngScaleTest, TicksNumbersAndLettersStandOnTheirPositionAngles) {
    const struct { View view; float angle; } rows[] = {{kPlain, 0},  {kFlipped, 0},   {kInverted, 0}, {kBoth, 0},
                                                       {kPlain, 30}, {kFlipped, -50}, {kInverted, 12.5f}};
    for (const auto& [view, angle] : rows) {
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
            // Half the estimated width (5 units a twelfth of the font for each of 1.1,
            // 2.4 or 3.0 digits) along the baseline from its start; the one- or
            // two-degree turn of numbers near upside down moves it by under 3.0 * 60 * sin 2.
            const RecordedOp& n = numbers[k];
            const double half = 60 * (i < 10 ? 1.1 : i < 100 ? 2.4 : 3.0), g = rad(n.font.escapement / 10.0);
            const Vec centre = startof(n) + half * Vec{std::cos(g), -std::sin(g)};
            EXPECT_LT(dist(centre, (1.06 * kR + 192) * dir), 3.0 * 60 * std::sin(rad(2)) + kFloat) << i;
            EXPECT_EQ(n.text, " " + std::to_string(i));
        }

        RecordingSurface c(kWidth, kHeight, kTpp);
        compass(c, kR, angle, view.flip, view.invert);
        ASSERT_EQ(c.ops.size(), 5u);
        c.ops.erase(c.ops.begin() + 1);  // the events run after the first letter
        // Upright, the letter's cell centre is 5 x 16 right of and 7 x 16 below
        // its top-left corner; that offset turns with the letter.
        const double esc = c.ops[0].font.escapement, cw = rad(-esc / 10);
        const Vec offset{80 * std::cos(cw) - 112 * std::sin(cw), 80 * std::sin(cw) + 112 * std::cos(cw)};
        EXPECT_NEAR(esc, 10 * (view.flip == 1 ? angle : -angle), 0.5) << "invert keeps it";
        const std::pair<const char*, double> letters[] = {{"N", 0}, {"S", 180}, {"E", 90}, {"W", 270}};
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(c.ops[k].text, letters[k].first);
            const Vec want = screen(skyat(letters[k].second, 1.28 * kR), view, angle);
            EXPECT_AT(c.ops[k].x1 + offset.x, c.ops[k].y1 + offset.y, want, kFloat) << letters[k].first;
        }
    }
}

// quorvel_g's scale in a style's intervals, number size and colour: every
// tick from 1.14 R to 1.16 R on its position angle, every number centred on
// its direction at 1.17 R plus 16 twips a pixel of its size (0 and 180 pulled
// 2.4 sizes in), all in the style's colour.
TEST(PaScaleTest, TicksAndNumbersOfTheStyle) {
    const struct { View view; float angle; PaScale scale; } rows[] = {
        {kPlain, 0, {10, 30, 14, rgb(1, 2, 3)}}, {kFlipped, -20, {7, 45, 9, rgb(200, 0, 90)}},
        {kBoth, 12.5f, {15, 60, 20, rgb(0, 250, 10)}}, {kInverted, 0, {1, 90, 30, rgb(9, 9, 9)}}};
    for (const auto& [view, angle, scale] : rows) {
        SCOPED_TRACE(testing::Message() << view.name << ", angle " << angle << ", intervals " << scale.mark);
        RecordingSurface s(kWidth, kHeight, kTpp);
        pascale(s, kR, angle, view.flip, view.invert, scale);
        const auto ticks = s.ofkind(RecordedOp::line), numbers = s.ofkind(RecordedOp::print);
        ASSERT_EQ(ticks.size(), static_cast<size_t>(359 / scale.mark) + 1);
        ASSERT_EQ(numbers.size(), static_cast<size_t>(359 / scale.label) + 1);
        for (size_t k = 0; k < ticks.size(); ++k) {
            const Vec dir = screen(skyat(k * scale.mark, 1), view, angle);
            EXPECT_AT(ticks[k].x1, ticks[k].y1, 1.14 * kR * dir, kFloat) << k;
            EXPECT_AT(ticks[k].x2, ticks[k].y2, 1.16 * kR * dir, kFloat) << k;
            EXPECT_EQ(ticks[k].colour, scale.colour) << k;
        }
        const double h = scale.numbersize, rt = 1.17 * kR + 16 * h;
        for (size_t k = 0; k < numbers.size(); ++k) {
            const int i = static_cast<int>(k * scale.label);
            const RecordedOp& n = numbers[k];
            const double half = 5 * h * (i < 10 ? 1.4 : i < 100 ? 2.4 : 3.0), g = rad(n.font.escapement / 10.0);
            const Vec dir = screen(skyat(i, 1), view, angle);
            const Vec want{rt * dir.x, (i % 180 == 0 ? rt - 2.4 * h : rt) * dir.y};
            EXPECT_AT(n.x1 + half * std::cos(g), n.y1 - half * std::sin(g), want, kFloat + half * rad(0.05)) << i;
            EXPECT_EQ(n.text, " " + std::to_string(i));
            EXPECT_EQ(n.colour, scale.colour) << i;
            EXPECT_EQ(n.font.height, scale.numbersize) << i;
        }
    }
}

// The grid's loops count latitude from -80 and longitude from -120 in the
// sense of its own formula, which takes latitude southward and longitude
// eastward: on the sphere each of the 36 meridians is walked from its
// northern end (41 points), then each of the 17 parallels from its western end
// (61). Every visible point but the first of its line gets a pink segment from
// the previous point rounded to whole units, then a yield. A point on the
// limb counts when a segment ends on it. With B0 zero the walk demands the
// latitude-0 points of the equator and of every meridian facing us.
TEST(GridTest, EveryVisiblePointIsReachedByASegment) {
    const struct { double b0; float rot; View view; } rows[] = {
        {5, 0, kPlain},      {-7.1, 23, kPlain}, {3.3, -12, kFlipped}, {6, 200, kInverted}, {-2, 45, kBoth},
        {0, 10, kPlain},     {0, 0, kPlain},     {1e-7, 0, kPlain},    {-1e-7, 0, kPlain}};
    for (const auto& [b0, rot, view] : rows) {
        SCOPED_TRACE(testing::Message() << view.name << ", B0 " << b0 << ", rot " << rot);
        RecordingSurface s(kWidth, kHeight, kTpp);
        helgrid(s, mapof(view), sunwith(b0, rot), GRID_PINK);
        const std::vector<RecordedOp>& ops = s.ops;
        size_t op = 0;
        for (size_t l = 0; l < 36 + 17; ++l) {
            Vec prev;
            for (int k = 0; k <= (l < 36 ? 40 : 60); ++k) {
                const double lat = l < 36 ? 80.0 - 4 * k : 80.0 - 10 * (l - 36.0);
                const double lon = l < 36 ? -10.0 * l : 120.0 - 4 * k;
                const SpherePoint p = sphere(lat, lon, b0, rot, kR);
                const Vec at = screen(p.sky, view);
                const bool here = op + 1 < ops.size() && ops[op].kind == RecordedOp::line &&
                                  ops[op].colour == GRID_PINK && within(ops[op].x2, ops[op].y2, at, kFloat);
                if (k > 0 && (std::abs(p.z) < kLimbZ ? here : p.z > 0)) {
                    ASSERT_TRUE(here && within(ops[op].x1, ops[op].y1, prev, kRounded) &&
                                ops[op + 1].kind == RecordedOp::doevents)
                        << "no segment and yield to grid point " << lat << ", " << lon << " at " << op;
                    op += 2;
                }
                prev = at;
            }
        }
        EXPECT_EQ(op, ops.size()) << "beyond the walk";
    }
}

// The pole mark at R cos B0 on the visible pole's side (south when B0 <= 0), the
// solar equator from the eastern limb to the western one 2 degrees a segment, and
// the drift arrow turned by P as by the mount: barbs 0.26 u long pointing west 45
// degrees off the line, then the band's two long edges.
TEST(DiskTest, PoleMarkEquatorAndDriftArrow) {
    const struct { double b0, p; View view; } rows[] = {{5, 0, kPlain},  {7.2, 20, kPlain},  {-4, -15, kFlipped},
                                                        {0, 0, kPlain},  {3, 10, kInverted}, {-6.5, 170, kBoth}};
    for (const auto& [b0, p, view] : rows) {
        SCOPED_TRACE(testing::Message() << view.name << ", B0 " << b0 << ", P " << p);
        RecordingSurface s(kWidth, kHeight, kTpp);
        polemark(s, mapof(view), kR, kR, kU, 90 + p, b0);
        solarequator(s, mapof(view), kR, static_cast<float>(p), b0, RED);
        driftarrow(s, mapof(view), kU, p);
        const auto lines = s.ofkind(RecordedOp::line), circles = s.ofkind(RecordedOp::circle);
        ASSERT_EQ(lines.size(), 1u + 90 + 6);
        ASSERT_EQ(circles.size(), 1u);
        const double pa = b0 > 0 ? p : p + 180;
        const Vec pole = screen(skyat(pa, kR * std::cos(rad(b0))), view), limb = screen(skyat(pa, kR), view);
        EXPECT_AT(circles[0].x1, circles[0].y1, pole, kFloat);
        const bool limbfirst = b0 > 0;  // north: from the limb in to the pole
        EXPECT_AT(lines[0].x1, lines[0].y1, limbfirst ? limb : pole, kFloat);
        EXPECT_AT(lines[0].x2, lines[0].y2, limbfirst ? pole : limb, kFloat);
        for (int j = 0; j < 90; ++j) {
            EXPECT_AT(lines[1 + j].x1, lines[1 + j].y1, onscreen(0, -90 + 2 * j, b0, p, view), kFloat) << j;
            EXPECT_AT(lines[1 + j].x2, lines[1 + j].y2, onscreen(0, -88 + 2 * j, b0, p, view), kFloat) << j;
        }
        const RecordedOp* drift = &lines[91];
        const Vec west = screen(skyat(270, 1), view, p);
        EXPECT_AT(drift[0].x2, drift[0].y2, 2.275 * kU * west, kFloat) << "head tip";
        EXPECT_AT(drift[2].x2, drift[2].y2, -2.065 * kU * west, kFloat) << "tail tip";
        for (int k = 0; k < 6; ++k) {
            const Vec along = endof(drift[k]) - startof(drift[k]);
            if (k < 4) EXPECT_NEAR(dot(along, west), 0.26 * kU * std::cos(rad(45)), kFloat) << k;
            else EXPECT_NEAR(along.x * west.y - along.y * west.x, 0, kFloat) << "parallel to the east-west line";
        }
    }
}

struct FakeControls : PictureControls {
    explicit FakeControls(std::set<CheckBox> on) : on(std::move(on)) {}
    bool checked(CheckBox box) const override { return on.count(box) > 0; }
    std::set<CheckBox> on;
};

// quorvel_g's graphics-ready view draws each element in its colour of the
// style, in this order: the background; the reference lines and the axis; the
// disk and its limb; the grid, its latitude-0 parallel (drawn by both passes)
// in the equator colour; the limb again; the pole mark's line and its white
// circle; the equator; each arrow filled with the disk colour and outlined;
// the scale's ticks and numbers. Runs of one colour show once.
TEST(GraphicsViewTest, EachElementInItsStyleColour) {
    StyleOpts style;
    style.backcolour = rgb(1, 0, 0), style.gridcolour = rgb(2, 0, 0), style.diskcolour = rgb(3, 0, 0);
    style.limbcolour = rgb(4, 0, 0), style.pacolour = rgb(5, 0, 0), style.equatorcolour = rgb(6, 0, 0);
    style.arrowcolour = rgb(7, 0, 0), style.axiscolour = rgb(8, 0, 0), style.showequator = 1;
    const std::map<Colour, std::string> names = {
        {style.backcolour, "back"}, {style.gridcolour, "grid"},       {style.diskcolour, "disk"},
        {style.limbcolour, "limb"}, {style.pacolour, "scale"},        {style.equatorcolour, "equator"},
        {style.arrowcolour, "arrow"}, {style.axiscolour, "axis"},     {WHITE, "white"}};
    RecordingSurface s(kWidth, kHeight, kTpp);
    RedrawState st;
    st.sun.p = 12, st.sun.b0 = 5;
    ArrowPoints pts{};
    drawgraphicpicture(s, st, FakeControls({CheckBox::chkaxes, CheckBox::chkgrid, CheckBox::chksunequator,
                                            CheckBox::chksunrot, CheckBox::chkposang}),
                       style, StyleSizes{}, pts);
    std::string seen, last;
    const char* kinds[] = {"setscale", "cls", "line", "circle", "print", "polygon", "doevents"};
    for (const RecordedOp& op : s.ops) {
        if (op.kind == RecordedOp::doevents || op.kind == RecordedOp::setscale) continue;
        std::string now = std::string(kinds[op.kind]) + " " + names.at(op.colour);
        if (op.fill.solid) now += " filled " + names.at(op.fill.colour);
        if (now != last) seen += now + "\n";
        last = now;
    }
    EXPECT_EQ(seen, "cls back\nline scale\nline equator\ncircle limb filled disk\nline grid\nline equator\n"
                    "line grid\nline equator\nline grid\ncircle limb\nline axis\ncircle white\nline equator\n"
                    "polygon disk filled disk\nline arrow\npolygon disk filled disk\nline arrow\nline scale\n"
                    "print scale\n");
}

// Each arrow of the picture, read back through the sky model from its polygon:
// along latitude 15 north and south, from longitude -5 (the tail) to 25 (the tip)
// west, its shaft 3 and its head 7 degrees either side. Above and right are on
// the screen turned with the sun's axis.
TEST(RotArrowTest, ArrowsLieOnTheirParallelsPointingWest) {
    const struct { double b0, p, gamma; int16_t altaz; View view; } rows[] = {
        {0, 0, 0, 0, kPlain},       {6.5, 24, 0, 0, kFlipped}, {-7.25, -170, 0, 0, kInverted},
        {2, 95, 30, 1, kBoth},      {4, 12, -40, 1, kPlain}};
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.view.name << ", B0 " << r.b0 << ", P " << r.p);
        RecordingSurface s(kWidth, kHeight, kTpp);
        RedrawState st;
        st.sun.p = r.p, st.sun.b0 = r.b0, st.sun.gamma = r.gamma, st.view.altaz = r.altaz;
        std::set<CheckBox> on{CheckBox::chksunrot};
        if (r.view.flip == 1) on.insert(CheckBox::chkflip);
        if (r.view.invert == 1) on.insert(CheckBox::chkinvert);
        ArrowPoints pts{};
        drawpicture(s, st, FakeControls(on), pts);
        const double pole = r.p - r.gamma * r.altaz;
        const auto polys = s.ofkind(RecordedOp::polygon);
        ASSERT_EQ(polys.size(), 2u);
        for (size_t k = 0; k < 2; ++k) {
            const double lat = k == 0 ? 15 : -15;
            double lo = 90, hi = -90, west = -90, east = 90;
            for (const PixelPoint& q : polys[k].points) {
                const Vec at{(q.x - kWidth / 2 / kTpp) * kTpp, (q.y - kHeight / 2 / kTpp) * kTpp};
                const Vec ll = latlonof(at, r.b0, pole, r.view);
                lo = std::min(lo, ll.x), hi = std::max(hi, ll.x), east = std::min(east, ll.y),
                west = std::max(west, ll.y);
            }
            const double pixel = 0.5;  // degrees a whole pixel can move a point near the arrows
            EXPECT_NEAR(lo, lat - 7, pixel) << lat;
            EXPECT_NEAR(hi, lat + 7, pixel) << lat;
            EXPECT_NEAR(east, -5, pixel) << lat;
            EXPECT_NEAR(west, 25, pixel) << lat;
            EXPECT_EQ(polys[k].points.size(), 146u);
        }
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
        EXPECT_TRUE(n > 0 && n <= ARROW_POINTS);
        EXPECT_EQ(s.ofkind(RecordedOp::polygon).at(0).points.size(), n);
        EXPECT_EQ(s.log().find("nan"), std::string::npos);
    }
}

// --- the redraw's error trap and its refusal of a nested redraw ---------------

struct Platform : LabelSink {
    void setcaption(ResultLabel, const std::string&) override {}
};
// A recording surface whose yields run a hook, as the window's events would,
// and whose circles can fail as an overflow would.
struct HookedSurface : RecordingSurface {
    HookedSurface() : RecordingSurface(kWidth, kHeight, kTpp) {}
    void doevents() override { RecordingSurface::doevents(); if (hook) hook(); }
    void circle(float x, float y, float r, Pen pen, Fill fill) override {
        if (failcircle) throw RuntimeFault(6, "overflow");
        RecordingSurface::circle(x, y, r, pen, fill);
    }
    std::function<void()> hook;
    bool failcircle = false;
};

const FieldTexts kSolstice{"21", "6", "2006", "12", "0", "0", false, "51.5", "0"};

struct Redraw {
    Outcome run(const FieldTexts& f) { return routine.draw(f, false, platform); }
    HookedSurface surface;
    FakeControls controls{{CheckBox::chkgrid, CheckBox::chksunrot}};
    Platform fakes;
    DrawPlatform platform{surface, controls, fakes, '.'};
    DrawRoutine routine;
};

// A run-time fault in the drawing is the trap's message, a fault the program cannot go on from.
TEST(DrawRoutineTest, RunTimeFaultEndsTheProgram) {
    Redraw d;
    d.surface.failcircle = true;
    const Outcome o = d.run(kSolstice);
    EXPECT_EQ(o.kind, OutcomeKind::fault);
    EXPECT_EQ(o.message, "ERROR 6 occurred in subroutine draw.   The program cannot run.");
    EXPECT_FALSE(d.routine.drawing());
}

TEST(DrawRoutineTest, RedrawAskedForWhileYieldingIsRefused) {
    Redraw plain;
    ASSERT_TRUE(plain.run(kSolstice).done());
    Redraw d;
    std::vector<OutcomeKind> inner;
    d.surface.hook = [&] { inner.push_back(d.run(kSolstice).kind); };
    EXPECT_TRUE(d.run(kSolstice).done());
    EXPECT_GT(inner.size(), 0u);
    EXPECT_TRUE(std::all_of(inner.begin(), inner.end(), [](OutcomeKind k) { return k == OutcomeKind::usage; }));
    EXPECT_EQ(d.surface.log(), plain.surface.log()) << "the refused redraws drew nothing";
    EXPECT_FALSE(d.routine.drawing());
}

}  // namespace
}  // namespace quorvel::test
