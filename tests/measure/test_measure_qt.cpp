// Opening FITS images (written here with cfitsio) and the
// measuring window with fake desktop links, on the offscreen platform.
#include <fitsio.h>
#include <gtest/gtest.h>


#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QShortcut>
#include <QTemporaryDir>

#include "colour.h"
#include "measurewindow.h"
#include "overlay.h"
#include "recorders.h"
#include "syntheticsun.h"

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
