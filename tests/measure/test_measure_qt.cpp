// Opening FITS images (written here with cfitsio) and the
// measuring window with fake desktop links, on the offscreen platform.
#include <fitsio.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "colour.h"
#include "measurewindow.h"
#include "overlay.h"
#include "recorders.h"
#include "spotpanel.h"
#include "syntheticsun.h"
#include "windowchecks.h"

namespace quorvel {
namespace {

constexpr double kLimb = 0.5;  // pixels
const test::Scene kScene{700, 600, 340.4, 260.6, 250, test::Look::whitelight, 0.02};

struct FitsCase {
    const char* name;
    int bitpix;  // 8, 16, 32 integers (16 and 32 with BZERO), -32, -64 floats
    const char *dateobs, *timeobs;
    const char* minute;  // the minute field the header gives, "" for none
};

/// Writes the scene as a FITS file, its first row at the bottom, with a
/// square of NaN or BLANK pixels in the sky.
std::string writefits(const std::string& path, const FitsCase& c) {
    const GrayImage img = test::makeimage(kScene, {});
    fitsfile* f = nullptr;
    int status = 0;
    long naxes[2] = {img.width, img.height};
    fits_create_file(&f, ("!" + path).c_str(), &status);
    fits_create_img(f, c.bitpix == 16 ? USHORT_IMG : c.bitpix == 32 ? ULONG_IMG : c.bitpix, 2, naxes, &status);
    if (*c.dateobs) fits_write_key(f, TSTRING, "DATE-OBS", const_cast<char*>(c.dateobs), nullptr, &status);
    if (*c.timeobs) fits_write_key(f, TSTRING, "TIME-OBS", const_cast<char*>(c.timeobs), nullptr, &status);
    std::vector<double> rows(img.pixels.size());
    for (int32_t y = 0; y < img.height; ++y)
        for (int32_t x = 0; x < img.width; ++x)
            rows[static_cast<size_t>(img.height - 1 - y) * img.width + x] =
                std::max(1.0, (c.bitpix == 8 ? 200 : 60000) * static_cast<double>(img.at(x, y)));
    long blank = c.bitpix == 16 ? -32768 : c.bitpix == 32 ? -2147483648L : 0;  // the stored value of 0
    if (c.bitpix > 0) fits_write_key(f, TLONG, "BLANK", &blank, nullptr, &status);
    for (int32_t y = 10; y < 40; ++y)
        for (int32_t x = 10; x < 40; ++x) rows[static_cast<size_t>(y) * img.width + x] = c.bitpix < 0 ? NAN : 0;
    fits_write_img(f, TDOUBLE, 1, static_cast<long>(rows.size()), rows.data(), &status);
    fits_close_file(f, &status);
    EXPECT_EQ(status, 0);
    return path;
}

TEST(FitsFiles, OpenWithDateAndLimb) {
    const FitsCase cases[] = {{"uint16, ISO date", 16, "2006-09-08T16:20:30", "", "20.5000"},
                              {"float32, date and time apart", -32, "2006-09-08", "16:20:06.6", "20.1100"},
                              {"uint8, old date", 8, "08/09/96", "16:59:45", "59.4999"},
                              {"uint32, bad date", 32, "2006-13-45", "", ""},
                              {"float64, no date", -64, "", "", ""}};
    for (const FitsCase& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        LoadedImage image;
        ASSERT_TRUE(loadimage(writefits(dir.filePath("sun.fits").toStdString(), c), image).done());
        EXPECT_TRUE(std::isnan(image.gray.at(20, image.gray.height - 1 - 20)));
        LimbFit limb;
        ASSERT_TRUE(findlimb(image.gray, limb).done());
        const LimbFit* fit = &limb;
        EXPECT_NEAR(fit->circle.cx, kScene.cx, kLimb);
        EXPECT_NEAR(fit->circle.cy, kScene.cy, kLimb);  // rows were written bottom first
        EXPECT_NEAR(fit->circle.r, kScene.r, kLimb);
        FieldTexts f;
        const auto date = readheader(image.cards, image.gray.width, image.gray.height).date.moment;
        if (date) setutfields(*date, f);
        EXPECT_EQ(f.min, c.minute);
    }
}

// The axis of the overlay stands outside the disk, its pole mark at the limb:
// nothing of it inside the disk, whatever the colour.
TEST(Overlay, AxisOutsideTheDisk) {
    for (Colour axis : {rgb(255, 0, 0), rgb(0, 0, 255)}) {
        QImage image(400, 400, QImage::Format_RGB32);
        image.fill(Qt::black);
        ImageFrame f;
        f.sun.p = 20, f.sun.b0 = 5, f.sun.rot = 20, f.sun.radius = 100;
        f.view.altaz = 1, f.cx = 200, f.cy = 200;
        OverlayOpts o{false, false, true, false, false, false, false};
        o.colours.axiscolour = axis;
        o.opacity = 1;
        drawoverlay(image, f, Placement{}, o, {});
        int inside = 0, outside = 0;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 400; ++x)
                if (image.pixel(x, y) != qRgb(0, 0, 0)) ++(std::hypot(x - 200, y - 200) < 95 ? inside : outside);
        EXPECT_EQ(inside, 0) << axis;
        EXPECT_GT(outside, 10) << axis;
    }
}

// The scale's numbers and the N and E letters of a disk that fills the image
// stay whole inside it: as many of their pixels as on a canvas large enough
// for all of them, and none on the image's border; but none pulled onto the
// middle of a disk much larger than the image. (The disks of the scale's
// cases are cut by the frame so that its ticks, from 1.14 R, fall outside.)
TEST(Overlay, TextsInsideADiskFillingImage) {
    struct Case {
        const char* name;
        float radius, gamma;  // pixels, degrees
        int16_t flip;
        bool scale, letters, shown;  // shown: the texts inside the image, else none (not pulled onto the disk)
    };
    const Case cases[] = {{"letters, disk touching the sides", 195, 0, -1, false, true, true},
                          {"letters, turned and flipped", 199, 35, 1, false, true, true},
                          {"scale numbers, disk cut by the frame", 255, 0, -1, true, false, true},
                          {"scale numbers, turned", 260, 20, -1, true, false, true},
                          {"a zoom onto the disk's middle", 1000, 0, -1, true, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto textpixels = [&](int side, QRect& lit) {
            QImage image(side, side, QImage::Format_RGB32);
            image.fill(Qt::black);
            ImageFrame f;
            f.sun.radius = c.radius, f.sun.gamma = c.gamma;
            f.view.altaz = 1, f.view.flip = c.flip, f.cx = f.cy = (side - 1) / 2.0;
            OverlayOpts o{false, false, false, false, c.scale, c.letters, false, 10, overlaycolours()};
            o.opacity = 1;
            drawoverlay(image, f, Placement{}, o, {});
            int n = 0;
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x) {
                    const double d = std::hypot(x - f.cx, y - f.cy) / c.radius;
                    if (image.pixel(x, y) == qRgb(0, 0, 0) || (c.scale && d > 1.13 && d < 1.17)) continue;  // its ticks
                    ++n, lit |= QRect(x, y, 1, 1);
                }
            return n;
        };
        QRect inside, whole;
        const int small = textpixels(400, inside), large = textpixels(1200, whole);
        EXPECT_NEAR(small, c.shown ? large : 0, 0.1 * large);
        EXPECT_TRUE(!c.shown || QRect(1, 1, 398, 398).contains(inside)) << inside.x() << " " << inside.y() << " " << inside.right() << " " << inside.bottom();
    }
}

TEST(Window, MeasureSaveAndKeepRowsOnBadOpen) {
    QTemporaryDir dir;
    const std::string fits = writefits(dir.filePath("sun.fits").toStdString(), {"", 16, "2006-09-08T16:20:30", "", ""});
    test::RecordingMessages messages;
    MeasureServices services;
    services.messages = &messages;
    services.confirm = [](const std::string&) { return true; };
    MeasureStart start;
    start.fields = FieldTexts{"1", "1", "2000", "0", "0", "0", false, "51.5", "-10"};
    MeasureWindow w(start, services);
    ASSERT_TRUE(w.openimage(fits).done());
    ASSERT_TRUE(w.limb());
    const double cy = 599 - kScene.cy;  // the FITS rows were written bottom first
    EXPECT_TRUE(w.addspot(kScene.cx + 100, cy - 50));
    EXPECT_FALSE(w.addspot(5, 5));
    EXPECT_EQ(w.statustext(), "Off the disk.");
    EXPECT_EQ(w.openimage(dir.filePath("missing.fits").toStdString()).kind, OutcomeKind::io);
    EXPECT_EQ(messages.shown.size(), 1u);
    ASSERT_EQ(w.rows().size(), 1u);

    // The limb through three clicked points replaces the one found.
    w.findChild<QPushButton*>("cmdthree")->click();
    for (double t : {0.3, 2.0, 4.0}) emit w.view()->clicked(kScene.cx + 200 * std::cos(t), cy + 200 * std::sin(t));
    EXPECT_NEAR(w.limb()->circle.r, 200, 1e-9);
    EXPECT_EQ(w.limb()->points, 0);

    const std::string csv = dir.filePath("spots.csv").toStdString();
    ASSERT_TRUE(w.savecsv(csv).done());
    QFile f(QString::fromStdString(csv));
    f.open(QIODevice::ReadOnly);
    const QString text = f.readAll();
    EXPECT_TRUE(text.startsWith("# image,sun.fits\n# ut,2006-09-08 16:20:30\n")) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QString::fromStdString(spotheader() + "\n" + spotline(w.rows()[0]) + "\n")));
    EXPECT_TRUE(w.saveimage(dir.filePath("spots.png").toStdString()).done());
    EXPECT_EQ(QImage(dir.filePath("spots.png")).size(), QSize(700, 600));

    // Closing with a row not saved asks, and a No keeps the window and its rows.
    std::vector<std::string> asked;
    MeasureServices asking = services;
    asking.confirm = [&](const std::string& q) { return asked.push_back(q), false; };
    MeasureWindow second(start, asking);
    ASSERT_TRUE(second.openimage(fits).done());
    ASSERT_TRUE(second.addspot(kScene.cx + 100, cy - 50));
    second.show();
    EXPECT_FALSE(second.close());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], "Closing the window clears the 1 spots measured and not saved. Close it all the same?");

    // A new limb clears the count: Move Limb asks first, and a No leaves it up.
    second.findChild<QPushButton*>("cmdfindspots")->click();
    second.findChild<QPushButton*>("cmdaddspot")->setChecked(true);
    emit second.view()->clicked(kScene.cx - 60, cy + 40);
    ASSERT_TRUE(second.spotpanel()->unsaved());
    auto* movelimb = second.findChild<QAbstractButton*>("cmdmovelimb");
    movelimb->click();
    EXPECT_FALSE(movelimb->isChecked());
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1], "Moving the limb clears the count of " +
                            std::to_string(second.spotpanel()->model().survey().spots.size()) +
                            " spots and not saved. Move it all the same?");
}

// F1 opens the guide of the window that opened the measuring window, and
// only that: a window opened without one takes no F1.
TEST(Window, F1OpensTheGuide) {
    const auto f1 = [](const QWidget& w) {
        QShortcut* found = nullptr;
        for (QShortcut* s : w.findChildren<QShortcut*>())
            if (s->key() == QKeySequence(Qt::Key_F1)) found = s;
        return found;
    };
    int opened = 0;
    MeasureServices services;
    services.help = [&] { ++opened; };
    MeasureWindow w(MeasureStart{}, services), alone(MeasureStart{});
    ASSERT_TRUE(f1(w));
    emit f1(w)->activated();
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(f1(alone));
}

/// A session with the window through its widgets: each step's rows, limb
/// and status line, stored whole; where a click lands is checked against
/// the test's own model of the view (fitted: the image centred and scaled to
/// fit; then zoomed about the view's centre and moved with the mouse).
TEST(Window, SessionOfClicksUndoZoomAndLimb) {
    QTemporaryDir dir;
    const std::string fits = writefits(dir.filePath("sun.fits").toStdString(), {"", 16, "2006-09-08T16:20:30", "", ""});
    MeasureServices services;
    test::RecordingMessages messages;
    services.messages = &messages;
    MeasureStart start;
    start.fields = FieldTexts{"1", "1", "2000", "0", "0", "0", false, "51.5", "-10"};
    MeasureWindow w(start, services);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    ASSERT_TRUE(w.openimage(fits).done());
    ImageView* v = w.view();
    const Circle found = w.limb()->circle;
    const QPointF middle(v->width() / 2.0, v->height() / 2.0), imagemiddle(699 / 2.0, 599 / 2.0);
    const double fitzoom = std::min(v->width() / 700.0, v->height() / 600.0);
    double zoom = fitzoom;
    QPointF shown = imagemiddle;  // the image point at the view's middle
    const auto onscreen = [&](double x, double y) { return (middle + (QPointF(x, y) - shown) * zoom).toPoint(); };
    QPointF aimed;
    const auto click = [&](QPoint at) {
        aimed = shown + (QPointF(at) - middle) / zoom;
        QTest::mouseClick(v, Qt::LeftButton, {}, at);
    };
    const auto drag = [&](Qt::MouseButton b, QPoint from, QPoint by) {
        QTest::mousePress(v, b, {}, from);
        QTest::mouseMove(v, from + by / 2);
        QTest::mouseMove(v, from + by);
        QTest::mouseRelease(v, b, {}, from + by);
    };
    const auto key = [&](int k, Qt::KeyboardModifiers m = Qt::ControlModifier) { QTest::keyClick(v, Qt::Key(k), m); };
    const auto press = [&](const char* name) { w.findChild<QAbstractButton*>(name)->click(); };
    const auto clickrow = [&](int row) {
        auto* table = w.findChild<QTableWidget*>("tblspots");
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(row, 0)).center());
    };
    const auto edge = [&] { return onscreen(w.limb()->circle.cx + w.limb()->circle.r - 2 / zoom, w.limb()->circle.cy); };
    const QPoint centre = onscreen(found.cx, found.cy);
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"click 3 px from the limb's centre", [&] { click(centre + QPoint(3, 2)); }},
        {"click just inside the limb", [&] { click(edge()); }},
        {"Ctrl+Z", [&] { key(Qt::Key_Z); }},
        {"Ctrl+Shift+Z", [&] { key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }},
        {"click row 1, Delete Row", [&] { clickrow(0), press("cmddelete"); }},
        {"Undo", [&] { press("cmdundorow"); }},
        {"Ctrl+M, drag from the centre by 20, 10", [&] { key(Qt::Key_M), drag(Qt::LeftButton, centre, {20, 10}); }},
        {"drag the edge out by 15", [&] { drag(Qt::LeftButton, edge(), {15, 0}); }},
        {"click inside the disk", [&] { click(centre + QPoint(-40, 0)); }},
        {"Ctrl+Z", [&] { key(Qt::Key_Z); }},
        {"Ctrl+Z", [&] { key(Qt::Key_Z); }},
        {"Ctrl+Y", [&] { key(Qt::Key_Y); }},
        {"Esc, Ctrl+Z", [&] { key(Qt::Key_Escape, {}), key(Qt::Key_Z); }},
        {"Ctrl+1, Ctrl++", [&] { key(Qt::Key_1), key(Qt::Key_Plus), zoom = 2; }},
        {"middle drag by -40, -30", [&] { drag(Qt::MiddleButton, middle.toPoint(), {-40, -30}), shown += QPointF(40, 30) / zoom; }},
        {"click right of and above the middle", [&] { click(middle.toPoint() + QPoint(13, -7)); }},
        {"Ctrl+0", [&] { key(Qt::Key_0), zoom = fitzoom, shown = imagemiddle; }},
        {"Ctrl+E", [&] { key(Qt::Key_E); }},
    };
    QStringList lines;
    for (const auto& [what, act] : steps) {
        const size_t before = w.rows().size();
        aimed = {NAN, NAN};
        act();
        QString line = QString(what) + ":";
        for (const SpotRow& r : w.rows()) line += " " + QString::number(r.number);
        if (w.rows().size() > before && !std::isnan(aimed.x()))
            line += QString(", row %1 px from the point clicked").arg(std::hypot(w.rows().back().x - aimed.x(), w.rows().back().y - aimed.y()), 0, 'f', 2);
        const Circle c = w.limb()->circle;  // its move in pixels of the screen at the fitted zoom
        line += QString(", limb moved %1 %2 r %3").arg(std::lround((c.cx - found.cx) * fitzoom)).arg(std::lround((c.cy - found.cy) * fitzoom)).arg(std::lround((c.r - found.r) * fitzoom));
        line += ", zoom " + (v->placement().zoom == fitzoom ? "fit" : w.findChild<QLabel*>("lblzoom")->text()) + ", levels " + QString::number(w.findChild<QSpinBox*>("spnblack")->value()) + " " + QString::number(w.findChild<QSpinBox*>("spnwhite")->value());
        // The readouts' numbers hang on where the layout puts the image.
        lines << line << "  " + QString::fromStdString(w.statustext()).replace(QRegularExpression("\\d+\\.\\d+"), "#");
    }
    EXPECT_EQ(test::comparestored(lines.join(QChar(10)) + QChar(10), QUORVEL_MEASURE_DATA "/session.txt").toStdString(), "");
}

TEST(Window, FitsALaptopScreen) {
    // 1366 x 768 at 100 %, less a title bar and a panel of 60 pixels; at the
    // larger system font of 11 pt too.
    for (int points : {9, 11}) {
        QFont font = QApplication::font();
        font.setPointSize(points);
        QApplication::setFont(font);
        MeasureWindow w(MeasureStart{});
        const QSize least = w.minimumSizeHint(), opened = w.size();
        EXPECT_LE(least.height(), 708) << points << " pt";
        EXPECT_LE(least.width(), 1366) << points << " pt";
        EXPECT_LE(opened.height(), 708);
    }
}

}  // namespace
}  // namespace quorvel
