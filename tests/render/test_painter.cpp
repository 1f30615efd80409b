// Pixels of the picture through the QPainter surface, and its export.
#include <algorithm>
#include <cmath>
#include <functional>
#include <set>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "drawroutine.h"
#include "pictureexport.h"
#include "qpaintersurface.h"

namespace quorvel::test {
namespace {

// The main window's picture box, twips, at 15 twips a pixel.
constexpr double kWidth = 6805, kHeight = 5895, kTpp = 15;

double rad(double deg) { return deg * 3.141592653589793 / 180; }

// The disk of a box of the given height, in pixels, with north up and east on the left.
struct Disk {
    QPointF centre;
    double r;
    explicit Disk(QSizeF twips)
        : centre(twips.width() / 2 / kTpp, twips.height() / 2 / kTpp),
          r(static_cast<float>(1.5 * static_cast<float>(twips.height() * 0.25 * 0.97)) / kTpp) {}
    // The point at position angle pa (north through east), distance k R, turned clockwise by turn.
    QPointF at(double pa, double k, double turn = 0) const {
        return centre + k * r * QPointF(-std::sin(rad(pa - turn)), -std::cos(rad(pa - turn)));
    }
};
const Disk kDisk(QSizeF(kWidth, kHeight));

// Colour classes, with room for the antialiased edges of 1-pixel lines.
bool yellow(QColor c) { return c.red() > 230 && c.green() > 230 && c.blue() < 40; }
bool dark(QColor c) { return std::max({c.red(), c.green(), c.blue()}) < 100; }
bool blue(QColor c) { return c.blue() > 200 && c.red() < 150 && c.green() < 150; }
bool red(QColor c) { return c.red() > 200 && c.green() < 120 && c.blue() < 120; }
bool pink(QColor c) { return c.red() > 240 && std::abs(c.green() - 185) < 30 && std::abs(c.blue() - 185) < 30; }
bool white(QColor c) { return std::min({c.red(), c.green(), c.blue()}) > 250; }
bool background(QColor c) { return c == PICTURE_BACKGROUND; }

QColor pixel(const QImage& img, QPointF p) {
    return img.pixelColor(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
}
// Whether some pixel within reach (pixels) of p is of the class.
bool near(const QImage& img, QPointF p, double reach, bool (*is)(QColor)) {
    for (double dy = -reach; dy <= reach; dy += 0.5)
        for (double dx = -reach; dx <= reach; dx += 0.5)
            if (std::hypot(dx, dy) <= reach && is(pixel(img, p + QPointF(dx, dy)))) return true;
    return false;
}
constexpr double kLineReach = 1.5;  // a 1-pixel line, antialiased, lies within this of its course

// Whether every pixel on the way from a to b, short of the last 2 pixels at either end, is yellow.
bool yellowalong(const QImage& img, QPointF a, QPointF b) {
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    for (double t = 2; t <= len - 2; t += 0.5)
        if (!yellow(pixel(img, a + d * (t / len)))) return false;
    return len > 4;
}

class FakeControls : public PictureControls {
public:
    bool checked(CheckBox box) const override { return on.count(box) > 0; }
    std::set<CheckBox> on;
};
class NoLabels : public LabelSink {
public:
    void setcaption(ResultLabel, const std::string&) override {}
};
class NoMessages : public MessageBoxes {
public:
    void showmessage(const std::string&, const std::string&) override {}
};
class NoEnd : public ProgramEnd {
public:
    void endprogram() override {}
};

const std::set<CheckBox> kEveryOverlay = {CheckBox::chkposang, CheckBox::chkdrift, CheckBox::chkgrid,
                                          CheckBox::chksunrot};

FieldTexts solstice(const char* hour = "12") {
    FieldTexts f;
    f.day = "21", f.month = "6", f.year = "2006", f.hour = hour, f.min = "0", f.tz = "0";
    f.lat = "51.5", f.lon = "0";
    return f;
}

// A redraw into the window's backing image.
struct Window {
    explicit Window(std::set<CheckBox> on) { controls.on = std::move(on); }
    const QImage& draw(const FieldTexts& f, bool altaz = false) {
        EXPECT_EQ(routine.draw(f, altaz, platform), DrawOutcome::drawn);
        return picture.image();
    }
    PictureImage picture{QSizeF(kWidth, kHeight), kTpp};
    FakeControls controls;
    NoLabels labels;
    NoMessages messages;
    NoEnd end;
    DrawPlatform platform{picture.surface(), controls, labels, messages, end, '.'};
    DrawRoutine routine;
};

// A stored arrow point (picture units about the centre) in pixels.
QPointF topixels(PixelPoint p) { return kDisk.centre + QPointF(p.x / kTpp, p.y / kTpp); }

TEST(PainterTest, DiskLimbAndArrows) {
    Window plain({});
    const QImage& bare = plain.draw(solstice());
    for (double pa : {45, 135, 225, 315}) EXPECT_TRUE(yellow(pixel(bare, kDisk.at(pa, 0.3)))) << pa;

    Window w(kEveryOverlay);
    const QImage& img = w.draw(solstice());
    // The grid shows over the disk: the limb drawn again over it is an outline only.
    auto gridpixels = [](const QImage& on) {
        int n = 0;
        for (double pa = 0; pa < 360; pa += 0.5) n += pink(pixel(on, kDisk.at(pa, 0.5)));
        return n;
    };
    EXPECT_GT(gridpixels(img), 10);
    EXPECT_EQ(gridpixels(bare), 0);
    // The limb, away from the axis, the equator's ends and the cardinal ticks.
    for (double pa : {20, 70, 110, 160, 200, 250, 290, 340}) EXPECT_TRUE(near(img, kDisk.at(pa, 1), 1, dark)) << pa;
    // The last arrow drawn (latitude -15) lies over the grid: its meridians 0
    // and 10 cross the shaft and 20 the head, so only the fill keeps the
    // middle lines of shaft and head yellow. Stored points: the tail's ends
    // 121 and 145, the shaft's edges at the head's base 42 and 78, the barbs
    // 59 and 61, the tip 60.
    const ArrowPoints& pts = w.routine.arrowpts;
    auto mid = [&](int a, int b) { return (topixels(pts[a]) + topixels(pts[b])) / 2; };
    EXPECT_TRUE(yellowalong(img, mid(121, 145), mid(42, 78))) << "the shaft";
    EXPECT_TRUE(yellowalong(img, mid(59, 61), topixels(pts[60]))) << "the head";
    // The red outline around the yellow: the shaft's edges at longitude 5.5
    // (stored points 21 and 99) and the tip.
    for (int i : {21, 99, 60}) EXPECT_TRUE(near(img, topixels(pts[i]), kLineReach, red)) << i;
}

TEST(PainterTest, BlueTicksOutsideTheWhiteGround) {
    // The ground reaches 1.17 R and covers the reference lines below it; they
    // reach 1.82 u = 1.213 R. Without the ground they show from the limb out.
    const struct { const char* name; std::set<CheckBox> on; bool ground; } rows[] = {
        {"Pos Angs on", {CheckBox::chkposang}, true}, {"Pos Angs off", {}, false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        Window w(r.on);
        const QImage& img = w.draw(solstice());
        for (double pa : {0, 90, 180, 270}) {
            EXPECT_TRUE(near(img, kDisk.at(pa, 1.19), kLineReach, blue)) << pa;
            // Beyond the scale's own cardinal tick (1.05 R), short of its numbers.
            EXPECT_EQ(near(img, kDisk.at(pa, 1.07), kLineReach, blue), !r.ground) << pa;
            EXPECT_TRUE(white(pixel(img, kDisk.at(pa + 5, 1.12))) || !r.ground) << pa;
        }
    }
}

// The directions of the blue runs on the circle of 1.19 R, between the white
// ground and the letters: degrees clockwise from the top of the screen.
std::vector<double> blueruns(const QImage& img) {
    constexpr double kStep = 0.1;
    std::vector<bool> on;
    for (double a = 0; a < 360; a += kStep) on.push_back(blue(pixel(img, kDisk.at(-a, 1.19))));
    const size_t n = on.size();
    size_t start = 0;  // a sample off every run, so that no run wraps
    while (start < n && on[start]) ++start;
    std::vector<double> centres;
    for (size_t k = 0; k < n; ++k) {
        const size_t i = (start + k) % n;
        if (!on[i] || on[(i + n - 1) % n]) continue;
        size_t len = 0;
        while (on[(i + len) % n]) ++len;
        centres.push_back((i + (len - 1) / 2.0) * kStep);
    }
    return centres;
}

TEST(PainterTest, AltAzMountTurnsThePictureByGamma) {
    constexpr double kTurnTolerance = 0.5;  // degrees; a pixel at 1.19 R is 0.34 of a degree
    const struct { const char* name; bool altaz; } rows[] = {{"equatorial", false}, {"alt-az", true}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        Window w({CheckBox::chkposang});
        const std::vector<double> runs = blueruns(w.draw(solstice("16"), r.altaz));
        const double gamma = w.routine.state.sun.gamma;
        ASSERT_GT(std::abs(gamma), 20) << "the afternoon Sun stands well off the meridian";
        // The four cardinal ticks, turned clockwise by gamma on the alt-az mount.
        ASSERT_EQ(runs.size(), 4u);
        for (int k = 0; k < 4; ++k) {
            const double want = (r.altaz ? gamma : 0) + 90 * k;
            EXPECT_TRUE(std::any_of(runs.begin(), runs.end(), [&](double a) {
                return std::abs(std::remainder(a - want, 360)) < kTurnTolerance;
            })) << "no tick at " << want;
        }
    }
}

TEST(PainterTest, ResizeKeepsThePictureAndTheSurfaceDrawsOn) {
    const QSizeF larger(kWidth + 1500, kHeight + 1200);
    Window w(kEveryOverlay);
    const QImage before = w.draw(solstice()).copy();
    Surface* const surface = &w.picture.surface();
    w.picture.resize(larger);
    const QImage& img = w.picture.image();
    EXPECT_EQ(&w.picture.surface(), surface);
    ASSERT_EQ(img.size(), pixelsof(larger, kTpp));
    const QPoint centred((img.width() - before.width()) / 2, (img.height() - before.height()) / 2);
    EXPECT_EQ(img.copy(QRect(centred, before.size())), before) << "the picture stays whole, centred";
    EXPECT_TRUE(background(pixel(img, QPointF(img.width() - 2, img.height() - 2))));

    // The next redraw fills the larger box around its new centre.
    const Disk big(larger);
    const QImage& again = w.draw(solstice());
    EXPECT_TRUE(yellow(pixel(again, big.at(45, 0.3))));
    for (double pa : {20, 160, 250}) EXPECT_TRUE(near(again, big.at(pa, 1), 1, dark)) << pa;
}

TEST(PainterTest, ResizeDuringARedraw) {
    const QSizeF larger(kWidth + 1500, kHeight + 1200);
    Window w({CheckBox::chkgrid});
    QImage before;
    // The window grows at the first yield of the grid, in the middle of the redraw.
    w.picture.surface().onevents = [&] {
        if (!before.isNull()) return;
        before = w.picture.image().copy();
        w.picture.resize(larger);
    };
    const QImage& img = w.draw(solstice());
    ASSERT_FALSE(before.isNull());
    EXPECT_EQ(img.size(), pixelsof(larger, kTpp));
    EXPECT_TRUE(yellow(pixel(img, kDisk.at(45, 0.3)))) << "drawn before the resize";
    // Drawn after it, where the redraw's scale put them: the limb and the letter N.
    EXPECT_FALSE(near(before, kDisk.at(0, 1.28), 4, blue));
    EXPECT_TRUE(near(img, kDisk.at(0, 1.28), 4, blue));
    for (double pa : {20, 160, 250}) EXPECT_TRUE(near(img, kDisk.at(pa, 1), 1, dark)) << pa;
}

std::string readall(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "";
}
size_t occurrences(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST(ExportTest, SvgHoldsVectorShapes) {
    QTemporaryDir dir;
    ExportRequest req;
    req.fields = solstice();
    req.checked = {CheckBox::chkposang, CheckBox::chksunrot};
    req.path = dir.filePath("disk.svg").toStdString();
    const Outcome r = exportpicture(req);
    ASSERT_TRUE(r.done()) << r.message;
    const std::string svg = readall(QString::fromStdString(req.path));
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_EQ(svg.find("<image"), std::string::npos) << "no raster inside";
    // At least the 90 segments of the equator, 36 ticks and 2 reference lines
    // as lines, the ground, disk, limb and pole mark as circles, and the two
    // arrows' fills, all as vector elements.
    const size_t paths = occurrences(svg, "<path"), polygons = occurrences(svg, "<polygon");
    EXPECT_GE(occurrences(svg, "<polyline") + occurrences(svg, "<line") + paths, 90u + 36 + 2);
    EXPECT_GE(occurrences(svg, "<circle") + occurrences(svg, "<ellipse") + paths + polygons, 4u + 2);
    EXPECT_GE(polygons + paths, 2u) << "the arrows' fills";
    for (const char* letter : {">N<", ">E<", ">S<", ">W<"}) EXPECT_NE(svg.find(letter), std::string::npos) << letter;
}

TEST(ExportTest, PngOfTheWindowsPictureAndNoneForAFailingInput) {
    QTemporaryDir dir;
    ExportRequest req;
    req.fields = solstice();
    req.path = dir.filePath("disk.png").toStdString();
    ASSERT_TRUE(exportpicture(req).done());
    const QImage png(QString::fromStdString(req.path));
    EXPECT_EQ(png.size(), QSize(454, 393));
    EXPECT_TRUE(yellow(pixel(png, kDisk.at(45, 0.3))));

    req.fields.lat = "95";
    req.path = dir.filePath("bad.png").toStdString();
    const Outcome r = exportpicture(req);
    EXPECT_EQ(r.kind, OutcomeKind::inputfault);
    EXPECT_EQ(r.message, inputmessage(InputFault::place));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(req.path)));
}

}  // namespace
}  // namespace quorvel::test

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
