// FITS headers written here with cfitsio: what each dialect says of the
// image (stored whole in headers.txt), and quorvel_cli measure on headers
// that give the orientation, the disk, the distance and the date, checked
// against spots drawn by the test's own projection at a finite distance.
#include <fitsio.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <sstream>

#include "imageload.h"
#include "numbertext.h"
#include "syntheticsun.h"

namespace quorvel {
namespace {

using Cards = std::vector<std::pair<const char*, const char*>>;

/// Writes img (first FITS row at the bottom) with the cards; a value that
/// reads as a number is written as one.
void writefits(const std::string& path, const GrayImage& img, const Cards& cards) {
    fitsfile* f = nullptr;
    int status = 0;
    long naxes[2] = {img.width, img.height};
    fits_create_file(&f, ("!" + path).c_str(), &status);
    fits_create_img(f, FLOAT_IMG, 2, naxes, &status);
    for (const auto& [key, value] : cards) {
        char* end = nullptr;
        double v = std::strtod(value, &end);
        if (*value && *end == 0) fits_update_key(f, TDOUBLE, key, &v, nullptr, &status);
        else fits_update_key(f, TSTRING, key, const_cast<char*>(value), nullptr, &status);
    }
    std::vector<float> rows(img.pixels.size());
    for (int32_t y = 0; y < img.height; ++y)
        std::copy_n(&img.pixels[static_cast<size_t>(img.height - 1 - y) * img.width], img.width,
                    &rows[static_cast<size_t>(y) * img.width]);
    fits_write_img(f, TFLOAT, 1, static_cast<long>(rows.size()), rows.data(), &status);
    fits_close_file(f, &status);
    ASSERT_EQ(status, 0);
}

std::string summary(const FitsHeader& h) {
    std::string t;
    if (h.orientation) t += "  orientation " + std::string(orientname(h.orientation->kind)) + ": " + h.orientationnote + "\n";
    if (h.disk) t += "  disk " + std::string(h.diskcentred ? "centred" : "radius only") + ": " + h.disknote + "\n";
    else if (!h.disknote.empty()) t += "  " + h.disknote + "\n";
    if (h.sunradiusdeg) t += "  sun radius " + patterntext(*h.sunradiusdeg, "0.00000") + " deg\n";
    const HeaderDate& d = h.date;
    if (d.moment) t += "  date " + obsdatetext(*d.moment) + " from " + d.keyword + "\n";
    if (d.dayonly) t += "  day only " + obsdatetext(*d.dayonly).substr(0, 10) + " from " + d.keyword + "\n";
    if (!d.fault.empty()) t += "  refused: " + d.fault + "\n";
    if (h.lat) t += "  site " + patterntext(*h.lat, "0.000") + ", " + patterntext(*h.lonwest, "0.000") + " west\n";
    return t;
}

const Cards kHelio{{"CTYPE1", "HPLN-TAN"}, {"CTYPE2", "HPLT-TAN"}, {"CUNIT1", "arcsec"}, {"CUNIT2", "arcsec"},
                   {"CDELT1", "4.0"},      {"CDELT2", "4.0"},      {"CRPIX1", "200.5"},   {"CRPIX2", "150.5"},
                   {"CRVAL1", "0"},        {"CRVAL2", "0"},        {"RSUN_OBS", "952.0"}};

Cards with(Cards base, const Cards& more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

TEST(FitsHeader, EveryDialectStoredWhole) {
    const struct { const char* name; Cards cards; } cases[] = {
        {"north up, ISO date with Z", with(kHelio, {{"DATE-OBS", "2006-09-08T16:20:30.5Z"}, {"DSUN_OBS", "1.50e11"}})},
        {"north down by CROTA2, space for T", with(kHelio, {{"CROTA2", "179.93"}, {"DATE-OBS", "2006-09-08 16:20:30"}})},
        {"turned by a PC matrix, date and TIME-OBS",
         with(kHelio, {{"PC1_1", "0.8660254"}, {"PC1_2", "-0.5"}, {"PC2_1", "0.5"}, {"PC2_2", "0.8660254"},
                       {"DATE-OBS", "2006/09/08"}, {"TIME-OBS", "16:20:30"}})},
        {"mirrored CD matrix, old date",
         {{"CTYPE1", "Solar-X"}, {"CTYPE2", "Solar-Y"}, {"CD1_1", "-4"}, {"CD2_2", "4"}, {"DATE-OBS", "08/09/06"},
          {"TIME-OBS", "16:20"}}},
        {"latitude first, DATE_OBS alone",
         {{"CTYPE1", "HPLT-TAN"}, {"CTYPE2", "HPLN-TAN"}, {"CDELT1", "4"}, {"CDELT2", "4"}, {"CROTA2", "-90"},
          {"DATE_OBS", "2006-09-08T16:20:30"}}},
        {"celestial, east left, day completed by DATE_OBS",
         {{"CTYPE1", "RA---TAN"}, {"CTYPE2", "DEC--TAN"}, {"CDELT1", "-0.001"}, {"CDELT2", "0.001"},
          {"CROTA2", "12.5"}, {"DATE-OBS", "2006-09-08"}, {"DATE_OBS", "2006-09-08T16:20:30"}}},
        {"declination first, DATE-BEG", {{"CTYPE1", "DEC--TAN"}, {"CTYPE2", "RA---TAN"}, {"DATE-BEG", "2006-09-08T16:20:30"}}},
        {"subsampled, full-size radius kept",
         with(kHelio, {{"CDELT1", "1.0"}, {"CDELT2", "1.0"}, {"DATE-AVG", "2006-09-08T16:20:30"}})},
        {"radius in pixels, a day without a time", {{"R_SUN", "120.5"}, {"DATE-OBS", "2006-09-08"}}},
        {"unreadable date", {{"SOLAR_R", "120.5"}, {"DATE-OBS", "2006-13-45"}, {"SITELAT", "+52:22:30"}, {"SITELONG", "4.9"}}},
        {"unreadable time, site from OBSGEO",
         {{"DATE-OBS", "2006-09-08"}, {"TIME-OBS", "25:00"}, {"OBSGEO-X", "3919000"}, {"OBSGEO-Y", "-7000"},
          {"OBSGEO-Z", "5013000"}}},
        {"nothing", {}}};
    QTemporaryDir dir;
    const GrayImage img{400, 300, std::vector<float>(400 * 300, 0.0f)};
    std::string all;
    for (const auto& [name, cards] : cases) {
        const std::string path = dir.filePath("h.fits").toStdString();
        writefits(path, img, cards);
        LoadedImage image;
        ASSERT_TRUE(loadimage(path, image).done()) << name;
        all += std::string(name) + "\n" + summary(readheader(image.cards, img.width, img.height));
    }
    const QString stored = QString(QUORVEL_MEASURE_DATA) + "/headers.txt";
    if (std::getenv("QUORVEL_UPDATE_GOLDEN")) {
        QFile out(stored);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray::fromStdString(all));
    }
    QFile f(stored);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "run with QUORVEL_UPDATE_GOLDEN=1";
    EXPECT_EQ(all, f.readAll().toStdString());
}

/// quorvel_cli measure with the spots as its only options: exit status,
/// standard output and error.
int measure(const std::string& image, const std::vector<std::pair<double, double>>& spots, std::string& out,
            std::string& err, const QStringList& more = {}) {
    QStringList args{"measure", QString::fromStdString(image)};
    for (const auto& [x, y] : spots) args << "--spot" << QString("%1,%2").arg(x, 0, 'f', 3).arg(y, 0, 'f', 3);
    QProcess p;
    p.start(QUORVEL_CLI, args + more);
    p.waitForFinished(30000);
    out = p.readAllStandardOutput().toStdString();
    err = p.readAllStandardError().toStdString();
    return p.exitCode();
}

TEST(FitsHeader, MeasureNeedsNoOptionButTheSpots) {
    constexpr double kB0 = 7.252;      // degrees at 2006-09-08 16:20:30 UT (ephem --precise)
    constexpr double kDegrees = 0.05;  // latitude and CMD against the test's projection
    const double sunradius = std::asin(695700e3 / 1.0326e11) * 180 / std::numbers::pi;  // DSUN_OBS below
    const test::Spot spots[] = {{0, 0}, {25, -40}, {-35, 30}, {12, 62}, {-50, -10}, {5, -75}};
    const struct { const char* name; double crota2; Cards more; } cases[] = {  // content turned clockwise by crota2
        {"north up", 0, {{"CROTA2", "0"}}},
        {"north down", 180, {{"CROTA2", "180"}}},
        {"turned 30 degrees", 30, {{"PC1_1", "0.8660254"}, {"PC1_2", "-0.5"}, {"PC2_1", "0.5"}, {"PC2_2", "0.8660254"}}}};
    // The disk where CRPIX puts it: 480 arcsec at 4 arcsec a pixel.
    const test::Scene sc{400, 300, 199.5, 149.5, 120, test::Look::whitelight, 0.01, sunradius};
    QTemporaryDir dir;
    for (const auto& [name, crota2, more] : cases) {
        SCOPED_TRACE(name);
        const Orientation o{OrientKind::solar, false, false, false, -crota2};
        std::vector<std::pair<double, double>> pixels;
        for (const test::Spot& s : spots) {
            double x, y;
            ASSERT_TRUE(test::projectspot(s, 0, kB0, 0, o, sc, x, y));
            pixels.push_back({x, y});
        }
        const std::string path = dir.filePath("sun.fits").toStdString();
        writefits(path, test::makeimage(sc, pixels),
                  with(with(kHelio, more), {{"RSUN_OBS", "480.0"}, {"DSUN_OBS", "1.0326e11"}, {"DATE-OBS", "2006-09-08T16:20:30"}}));
        std::string out, err;
        ASSERT_EQ(measure(path, pixels, out, err), 0) << err;
        EXPECT_NE(err.find("note: orientation from the FITS header: solar north turned"), std::string::npos) << err;
        std::istringstream lines(out);
        std::string line;
        std::getline(lines, line);  // the limb
        for (const test::Spot& s : spots) {
            ASSERT_TRUE(std::getline(lines, line));
            double v[9];
            ASSERT_EQ(std::sscanf(line.c_str(), "%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf", &v[0], &v[1], &v[2], &v[3], &v[4],
                                  &v[5], &v[6], &v[7], &v[8]), 9) << line;
            EXPECT_NEAR(v[3], s.lat, kDegrees) << line;
            EXPECT_NEAR(v[4], s.cmd, kDegrees) << line;
        }
    }
}

TEST(FitsHeader, DateRefusedOrCompletedByOptions) {
    const struct { const char* name; Cards cards; QStringList options; int status; const char* said; } cases[] = {
        {"no date", {}, {}, 1, "sun.fits: the FITS header gives no date (DATE-OBS); give --day, --month, --year, --hour and --min"},
        {"unreadable date, quoted", {{"DATE-OBS", "2006-13-45"}}, {"--hour", "16"}, 1,
         "sun.fits: the FITS header's DATE-OBS '2006-13-45' is not a date; give --day, --month, --year and --min"},
        {"a day without a time", {{"DATE-OBS", "2006-09-08"}}, {"--min", "5"}, 1,
         "sun.fits: the FITS header's DATE-OBS gives a day but no time of day (no TIME-OBS); give --hour"},
        {"a day and the time given", {{"DATE-OBS", "2006-09-08"}}, {"--hour", "16", "--min", "20.5"}, 0,
         "note: measured for UT 2006-09-08 16:20:30"},
        {"the hour replaced in the zone given", {{"DATE-OBS", "2006-09-08T23:30:00"}}, {"--hour", "9", "--tz", "1"}, 0,
         "note: measured for UT 2006-09-09 08:30:00"},
        {"the year replaced", {{"DATE-OBS", "2006-09-08T23:30:00"}}, {"--year", "2007"}, 0,
         "note: measured for UT 2007-09-08 23:30:00"}};
    QTemporaryDir dir;
    const std::string path = dir.filePath("sun.fits").toStdString();
    const test::Scene sc{300, 300, 150, 150, 100, test::Look::whitelight, 0.01};
    for (const auto& [name, cards, options, status, said] : cases) {
        SCOPED_TRACE(name);
        writefits(path, test::makeimage(sc, {}), cards);
        std::string out, err;
        EXPECT_EQ(measure(path, {}, out, err, options), status);
        EXPECT_NE(err.find(said), std::string::npos) << err;
    }
}

TEST(FitsHeader, DiskRefusedOrItsRadiusTakenFromTheHeader) {
    const char* const refused = "sun.fits: no solar disk was found: the circle found is no brighter inside than outside "
                                "(a bright ring, or a coronagraph's occulter); give the limb with --limb CX,CY,R";
    const test::Scene euv{400, 300, 199.5, 149.5, 120, test::Look::euv, 0.01, 0, 0, true};
    const struct { const char* name; test::Scene sc; const char* rsun; int status; const char *said, *limb; } cases[] = {
        {"EUV: the header's photosphere", euv, "480.0", 0,
         "note: limb fit 119.30 px, header 120.00 px: the fitted edge lies 0.6 % inside the header's photosphere, whose "
         "radius is used", ",120.00,"},
        {"EUV: a header disk that disagrees", euv, "952.0", 0,
         "note: the header's disk (radius 238.00 px) is set aside: the limb found on the image (radius 119.30 px) does "
         "not agree with it; the edge found is where a limb-brightened ring rises (EUV, Ca-K), within about 1 % of the "
         "photosphere", ",119.30,"},
        {"a bright ring", {400, 300, 199.5, 149.5, 120, test::Look::ring, 0.01}, "480.0", 1, refused, ""},
        {"a coronagraph's occulter", {400, 300, 199.5, 149.5, 50, test::Look::occulted, 0.01}, "480.0", 1, refused, ""}};
    QTemporaryDir dir;
    const std::string path = dir.filePath("sun.fits").toStdString();
    for (const auto& [name, sc, rsun, status, said, limb] : cases) {
        SCOPED_TRACE(name);
        writefits(path, test::makeimage(sc, {}), with(kHelio, {{"RSUN_OBS", rsun}, {"DATE-OBS", "2006-09-08T16:20:30"}}));
        std::string out, err;
        EXPECT_EQ(measure(path, {}, out, err), status) << err;
        EXPECT_NE(err.find(said), std::string::npos) << err;
        EXPECT_NE(out.find(limb), std::string::npos) << out;
    }
}

}  // namespace
}  // namespace quorvel
