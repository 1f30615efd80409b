// quorvel_cli measure on JPEGs as cameras write them: a disk drawn here,
// saved by Qt, with an EXIF block built here spliced in after its start; the
// status, the rows and the notes of each case stored whole in camera.txt
// (store anew with QUORVEL_UPDATE_GOLDEN=1).
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>

#include "exifbytes.h"
#include "measurewindow.h"
#include "syntheticsun.h"

namespace quorvel {
namespace {

/// The test's disk as a JPEG's bytes, its SOI left off.
std::string diskjpeg() {
    const GrayImage g = test::makeimage({300, 300, 150, 150, 100, test::Look::whitelight, 0.01}, {});
    QImage img(g.width, g.height, QImage::Format_Grayscale8);
    for (int32_t y = 0; y < g.height; ++y)
        for (int32_t x = 0; x < g.width; ++x) img.scanLine(y)[x] = uchar(std::clamp(g.at(x, y) * 255.0f, 0.0f, 255.0f));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "JPEG", 95);
    return data.toStdString().substr(2);
}

TEST(CameraJpeg, DateFromTheCameraAsStored) {
    const std::string rest = diskjpeg(), taken = "2006:09:08 18:20:30";
    const struct { const char* name; std::string bytes; QStringList options; } cases[] = {
        {"offset from the camera", test::exifjpeg(test::camerablock(true, taken, "+02:00"), rest), {}},
        {"offset given over the camera's", test::exifjpeg(test::camerablock(false, taken, "+02:00"), rest),
         {"--camera-offset", "-1:30"}},
        {"offset given in hours", test::exifjpeg(test::camerablock(true, taken, ""), rest), {"--camera-offset", "2"}},
        {"no offset: the clock as UT", test::exifjpeg(test::camerablock(true, taken, ""), rest), {}},
        {"the hour replaced", test::exifjpeg(test::camerablock(true, taken, "+02:00"), rest), {"--hour", "9"}},
        {"no EXIF: undated", "\xFF\xD8" + rest, {}},
        {"no EXIF, offset given", "\xFF\xD8" + rest, {"--day", "8", "--month", "9", "--year", "2006", "--hour", "16",
                                                      "--min", "20", "--camera-offset", "+01:00"}},
        {"offset out of range", test::exifjpeg(test::camerablock(true, taken, ""), rest), {"--camera-offset", "+15:00"}}};
    QTemporaryDir dir;
    const QString path = dir.filePath("camera.jpg");
    std::string report;
    for (const auto& [name, bytes, options] : cases) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), qint64(bytes.size()));
        f.close();
        QProcess p;
        p.start(QUORVEL_CLI, QStringList{"measure", path, "--lat", "51.5", "--spot", "150,150"} + options);
        ASSERT_TRUE(p.waitForFinished(30000));
        const std::string err = p.readAllStandardError().toStdString();  // the general usage text left out
        report += std::string(name) + ": status " + std::to_string(p.exitCode()) + "\n" +
                  p.readAllStandardOutput().toStdString() + err.substr(0, err.find("usage: quorvel_cli COMMAND"));
    }
    report = QString::fromStdString(report).replace(path, "camera.jpg").toStdString();
    const QString stored = QString(QUORVEL_MEASURE_DATA) + "/camera.txt";
    if (std::getenv("QUORVEL_UPDATE_GOLDEN")) {
        QFile out(stored);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray::fromStdString(report));
    }
    QFile f(stored);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "run with QUORVEL_UPDATE_GOLDEN=1";
    EXPECT_EQ(report, f.readAll().toStdString());
}

void save(const QString& path, const std::string& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), qint64(bytes.size()));
}

/// The window's date area in one line: the fields, the camera clock's field, the fields' mark, the note.
/// A label's text as the user reads it: markup the label would show stays in it.
std::string shown(const QLabel* label) {
    const Qt::TextFormat f = label->textFormat();
    if (f == Qt::PlainText || (f == Qt::AutoText && !Qt::mightBeRichText(label->text()))) return label->text().toStdString();
    QTextDocument doc;
    doc.setHtml(label->text());
    return doc.toPlainText().toStdString();
}

std::string datearea(const MeasureWindow& w) {
    auto text = [&](const char* name) { return w.findChild<QLineEdit*>(name)->text().toStdString(); };
    const auto* offset = w.findChild<QLineEdit*>("txtcamoffset");
    return text("txtday") + "/" + text("txtmonth") + "/" + text("txtyear") + " " + text("txthour") + ":" +
           text("txtmin") + " tz " + text("txttz") + " | camera clock " + offset->text().toStdString() +
           (offset->isEnabled() ? "" : " (off)") + " | " + w.findChild<QLineEdit*>("txtday")->styleSheet().toStdString() +
           " | " + shown(w.findChild<QLabel*>("lbldate"));
}

TEST(CameraJpeg, WindowTakesAndMarksTheCameraDate) {
    QTemporaryDir dir;
    const QString camera = dir.filePath("camera.jpg"), plain = dir.filePath("plain.jpg");
    const std::string rest = diskjpeg();
    save(camera, test::exifjpeg(test::camerablock(true, "2006:09:08 18:20:30", "+02:00"), rest));
    save(plain, "\xFF\xD8" + rest);
    MeasureServices services;
    services.confirm = [](const std::string&) { return true; };
    MeasureStart start;
    start.fields = FieldTexts{"1", "1", "2000", "0", "0", "0", false, "51.5", "-10"};
    MeasureWindow w(start, services);
    ASSERT_TRUE(w.openimage(camera.toStdString()).done());
    EXPECT_EQ(datearea(w), "8/9/2006 16:20.5000 tz 0 | camera clock +02:00 | background: #dcecff; | Date and time from "
                           "the camera (EXIF DateTimeOriginal, camera clock UT+02:00 (OffsetTimeOriginal)), as UT: "
                           "2006-09-08 16:20:30.0 UT.");
    auto* offset = w.findChild<QLineEdit*>("txtcamoffset");
    offset->setText("-1:30");
    emit offset->textEdited("-1:30");
    emit offset->editingFinished();
    EXPECT_EQ(datearea(w), "8/9/2006 19:50.5000 tz 0 | camera clock -01:30 | background: #dcecff; | Date and time from "
                           "the camera (EXIF DateTimeOriginal, camera clock UT-01:30 as given), as UT: 2006-09-08 19:50:30.0 UT.");
    ASSERT_TRUE(w.openimage(plain.toStdString()).done());
    EXPECT_EQ(datearea(w), "8/9/2006 19:50.5000 tz 0 | camera clock -01:30 (off) | background: #fff0b0; | The image "
                           "holds no date: type the date and time (marked), or keep the date and time shown.");
}

}  // namespace
}  // namespace quorvel
