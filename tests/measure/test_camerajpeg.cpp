// quorvel_cli measure on JPEGs as cameras write them: a disk drawn here,
// saved by Qt, with an EXIF block built here spliced in after its start; the
// status, the rows and the notes of each case stored whole in camera.txt
// (store anew with QUORVEL_UPDATE_GOLDEN=1).
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "exifbytes.h"
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

}  // namespace
}  // namespace quorvel
