// Pixels of the picture through the QPainter surface, and its export.
#include <algorithm>
#include <cmath>
#include <set>

#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "drawroutine.h"
#include "graphicsview.h"
#include "pictureexport.h"
#include "qpaintersurface.h"
#include "recordingsurface.h"
#include "truescale.h"

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
    // The point at position angle pa (north through east), distance k R.
    QPointF at(double pa, double k) const { return centre + k * r * QPointF(-std::sin(rad(pa)), -std::cos(rad(pa))); }
};
const Disk kDisk(QSizeF(kWidth, kHeight));

// Colour classes, with room for antialiased edges.
bool yellow(QColor c) { return c.red() > 230 && c.green() > 230 && c.blue() < 40; }
bool dark(QColor c) { return std::max({c.red(), c.green(), c.blue()}) < 100; }
bool blue(QColor c) { return c.blue() > 200 && c.red() < 150 && c.green() < 150; }

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

struct FakeControls : PictureControls, LabelSink {
    bool checked(CheckBox box) const override { return on.count(box) > 0; }
    void setcaption(ResultLabel, const std::string&) override {}
    std::set<CheckBox> on;
};

FieldTexts solstice() { return {"21", "6", "2006", "12", "0", "0", false, "51.5", "0"}; }

// A redraw into the window's backing image.
struct Window {
    explicit Window(std::set<CheckBox> on, QSizeF size = QSizeF(kWidth, kHeight), double ratio = 1)
        : picture(size, kTpp, ratio) {
        controls.on = std::move(on);
    }
    const QImage& draw(const FieldTexts& f) {
        EXPECT_TRUE(routine.draw(f, false, platform).done());
        return picture.image();
    }
    PictureImage picture;
    FakeControls controls;
    DrawPlatform platform{picture.surface(), controls, controls, '.'};
    DrawRoutine routine;
};

// The north-south line on a pixel edge is one pixel of exact blue; the axis
// beyond the limb shows exact red; at twice the density the picture is drawn
// anew, not doubled.
TEST(PainterTest, LinesAreCrispAtAnyDensity) {
    const QSizeF edge(6810, kHeight);  // 454 pixels: the centre lies on a pixel edge
    const Disk disk(edge);
    for (double ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        Window w({}, edge, ratio);
        const QImage& img = w.draw(solstice());
        ASSERT_EQ(img.width(), static_cast<int>(454 * ratio));
        const int row = static_cast<int>(disk.at(0, 1.1).y() * ratio);
        std::vector<int> blue;
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, row).blue() > img.pixelColor(x, row).red() + 20) blue.push_back(x);
        ASSERT_EQ(blue.size(), static_cast<size_t>(ratio)) << "one logical pixel wide";
        for (int x : blue) EXPECT_EQ(img.pixelColor(x, row), QColor(0, 0, 255));
        const double p = w.routine.state.sun.p;  // the axis' north end, beyond the limb
        for (double k = 1.02; k < 1.12; k += 0.01) {
            const QPointF at = disk.at(p, k) * ratio;
            bool exact = false;
            for (int dx = -2; dx <= 2; ++dx)
                exact = exact || pixel(img, at + QPointF(dx, 0)) == QColor(255, 0, 0);
            EXPECT_TRUE(exact) << k;
        }
        if (ratio == 2) {
            bool drawnanew = false;
            for (int y = 0; y + 1 < img.height() && !drawnanew; y += 2)
                for (int x = 0; x + 1 < img.width() && !drawnanew; x += 2)
                    drawnanew = img.pixel(x, y) != img.pixel(x + 1, y + 1) || img.pixel(x, y) != img.pixel(x + 1, y);
            EXPECT_TRUE(drawnanew);
        }
    }
}

// A polygon (the rotation arrows' fill) covers its pixels of the box at any density.
TEST(PainterTest, PolygonFillsItsPixels) {
    for (double ratio : {1.0, 2.0}) {
        PictureImage picture(QSizeF(kWidth, kHeight), kTpp, ratio);
        QPainterSurface& s = picture.surface();
        s.cls(WHITE);
        s.polygon({{100, 100}, {140, 100}, {140, 130}, {100, 130}}, Pen{rgb(255, 0, 0)}, solidfill(rgb(255, 0, 0)));
        const QImage& img = picture.image();
        for (QPointF at : {QPointF(102, 102), QPointF(138, 128)}) EXPECT_EQ(pixel(img, at * ratio), Qt::red) << ratio;
        for (QPointF at : {QPointF(97, 115), QPointF(143, 115), QPointF(120, 97), QPointF(120, 133)})
            EXPECT_NE(pixel(img, at * ratio), Qt::red) << ratio;
    }
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

TEST(ExportTest, PngOfTheWindowsPicture) {
    QTemporaryDir dir;
    ExportRequest req;
    req.fields = solstice();
    req.path = dir.filePath("disk.png").toStdString();
    ASSERT_TRUE(exportpicture(req).done());
    const QImage png(QString::fromStdString(req.path));
    EXPECT_EQ(png.size(), QSize(454, 393));
    EXPECT_TRUE(yellow(pixel(png, kDisk.at(45, 0.3))));
}

// The graphics-ready view of the style used below, for a disk of radius r
// (picture units) and numbers of height h, in its recorded form.
struct NumberAt {
    std::string text;
    double radius;  ///< of the centre of its text box, in disk radii
};
std::vector<NumberAt> screennumbers() {
    RecordingSurface s(9880, 9300, kTpp);
    RedrawState st;
    st.sun.p = 0, st.sun.b0 = 0;
    FakeControls c;
    c.on = {CheckBox::chkposang};
    StyleSizes sizes;  // the design's: a 500-pixel disk, numbers 14 pixels high every 30 degrees
    ArrowPoints pts{};
    drawgraphicpicture(s, st, c, StyleOpts{}, sizes, pts);
    std::vector<NumberAt> out;
    for (const RecordedOp& op : s.ofkind(RecordedOp::print)) {
        const QFontMetricsF fm(cellfont(op.font));
        const double a = -op.font.escapement / 10.0 * 3.141592653589793 / 180;  // turned as the painter turns it
        const double w = fm.horizontalAdvance(QString::fromStdString(op.text)) / 2, h = op.font.height / 2.0;
        const double x = op.x1 / kTpp + w * std::cos(a) - h * std::sin(a), y = op.y1 / kTpp + w * std::sin(a) + h * std::cos(a);
        out.push_back({op.text.substr(1), std::hypot(x, y) / (st.sun.radius / kTpp)});
    }
    return out;
}

struct Word {
    std::string text;
    QRectF box;
};
/// The words of a PDF's first page and its size, as poppler's pdftotext finds them (points).
std::vector<Word> pdfwords(const QString& pdf, QSizeF& page) {
    QProcess p;
    p.start("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    p.waitForFinished();
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    const QRegularExpression pagetag(R"re(<page width="([\d.]+)" height="([\d.]+)")re");
    const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    if (auto m = pagetag.match(html); m.hasMatch()) page = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    std::vector<Word> out;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        out.push_back({m.captured(5).toStdString(), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                                           QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return out;
}

// In a PDF and on a printed page the scale's numbers stand where the screen
// puts them relative to the disk, everything inside the page, and a "1
// pixel" line is at least 0.15 mm wide.
TEST(ExportTest, PagesPlaceEverythingAsTheScreen) {
    if (QProcess::execute("pdftotext", {"-v"}) != 0 || QProcess::execute("pdftoppm", {"-v"}) != 0)
        GTEST_SKIP() << "poppler-utils are not installed";
    QTemporaryDir dir;
    TrueScaleRequest r;
    r.fields = solstice();
    r.checked = {CheckBox::chkposang, CheckBox::chkgrid};
    r.texts = {{TextBox::txtdia, "500"}, {TextBox::txtgspace, "15"}, {TextBox::txtangint, "10"},
               {TextBox::txtlabint, "30"}, {TextBox::txtfont, "14"}};
    r.style.backcolour = rgb(255, 255, 255), r.style.diskcolour = rgb(255, 255, 0), r.style.limbcolour = rgb(0, 0, 0);
    r.diametermm = 150, r.caption = true;
    const QString pdf = dir.filePath("blank.pdf"), printed = dir.filePath("printed.pdf");
    r.path = pdf.toStdString();
    ASSERT_TRUE(exporttruescale(r).done());
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const Outcome o = drawtruescale(printer, printer.pageLayout().paintRect(QPageLayout::Millimeter).size(),
                                        printer.resolution(), r);
        ASSERT_TRUE(o.done()) << o.message;
    }
    const std::vector<NumberAt> screen = screennumbers();
    constexpr double MM = 72 / 25.4, R = 75 * MM;  // points a millimetre; the disk's radius, points
    for (const QString& file : {pdf, printed}) {
        SCOPED_TRACE(file.toStdString());
        QSizeF page;
        const std::vector<Word> words = pdfwords(file, page);
        // The numbers, each maybe split into pieces by the turned text, lie
        // symmetric about the disk's centre.
        auto digits = [](const Word& w) { return w.text.find_first_not_of("0123456789") == std::string::npos; };
        std::vector<Word> numbers;
        for (const Word& w : words) {
            EXPECT_TRUE(QRectF(QPointF(0, 0), page).contains(w.box)) << w.text << " outside the page";
            const bool caption = std::any_of(words.begin(), words.end(), [&](const Word& c) {
                return !digits(c) && c.box.top() <= w.box.center().y() && w.box.center().y() <= c.box.bottom();
            });
            if (!digits(w) || caption) continue;
            auto joined = std::find_if(numbers.begin(), numbers.end(), [&](const Word& n) {
                return n.box.adjusted(-2, -2, 2, 2).intersects(w.box);
            });
            if (joined == numbers.end()) numbers.push_back(w);
            else joined->text += w.text, joined->box |= w.box;
        }
        ASSERT_EQ(numbers.size(), screen.size());
        QPointF centre;
        for (const Word& n : numbers) centre += n.box.center() / static_cast<double>(numbers.size());
        for (const Word& n : numbers) {
            const QPointF d = n.box.center() - centre;
            const double pa = std::atan2(-d.x(), -d.y()) * 180 / 3.141592653589793;  // north up, east left
            const std::string text = std::to_string(static_cast<int>(std::lround((pa + 360) / 30)) % 12 * 30);
            std::string digits = n.text, want = text;
            std::sort(digits.begin(), digits.end()), std::sort(want.begin(), want.end());
            EXPECT_EQ(digits, want) << "the number at position angle " << pa;
            for (const NumberAt& at : screen)
                if (at.text == text) { EXPECT_NEAR(std::hypot(d.x(), d.y()) / R, at.radius, 0.01) << text; }
        }
        // The limb at the disk's right end, 600 dots per inch: a run of dark dots.
        QProcess::execute("pdftoppm", {"-r", "600", "-png", "-x", QString::number(std::lround((centre.x() + R * 0.9) / 72 * 600)),
                                       "-y", QString::number(std::lround(centre.y() / 72 * 600)), "-W", "400", "-H", "1",
                                       file, dir.filePath("row")});
        const QImage row(dir.filePath("row-1.png"));
        ASSERT_FALSE(row.isNull());
        int dark = 0;
        for (int x = 0; x < row.width(); ++x) dark += qGray(row.pixel(x, 0)) < 128;
        EXPECT_GE(dark / 600.0 * 25.4, 0.15) << "mm of the limb";
        QFile::remove(dir.filePath("row-1.png"));
    }
}

}  // namespace
}  // namespace quorvel::test

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
