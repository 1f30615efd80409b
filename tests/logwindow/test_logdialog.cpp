// The log dialog over a log of three observations: a typed count by
// hemisphere, one of the whole disk, and a measured image.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "logdialog.h"
#include "measurewindow.h"
#include "readlog.h"
#include "spotpanel.h"
#include "recorders.h"
#include "observationcheck.h"
#include "save.h"

using namespace quorvel;

namespace {

std::string bytesof(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

class LogDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        char folder[] = "/tmp/quorvel_logdialog_XXXXXX";
        dir = mkdtemp(folder);
        log::LogDb db;
        ASSERT_TRUE(db.open(dir + "/log.sqlite", log::LogPurpose::write).done());
        log::ObservationRecord o;
        o.observer = "DLGR", o.seeing = "G", o.time = {2026, 11, 2, 9, 5};
        o.counts = {5, 23, true, 2, 8, 3, 15};
        log::SaveResult saved;
        ASSERT_TRUE(log::saveobservation(db, {o, "Dana Logan", {}}, saved).done());
        o.time = {2026, 11, 3, 10, 40}, o.seeing = "F", o.counts = {3, 11};
        ASSERT_TRUE(log::saveobservation(db, {o, "", {}}, saved).done());
        o.time = {2026, 11, 4, 8, 15}, o.seeing = "E";
        o.groups = {{1, 0, {}, 12.5, -30, 140.2, 4, "D", "", 5, 120, 30, {}}};
        o.counts = log::countsofgroups(o.groups);
        o.image = log::ImageRecord{"/data/sun 4 Nov.png", std::string(64, 'e'), 410, 340, 300, "telescope view", 0.92, 0.75};
        ASSERT_TRUE(log::saveobservation(db, {o, "", {}}, saved).done());
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string dir;
};

}  // namespace

TEST_F(LogDialogTest, ListsTheDaysOpensAnImageAgainAndSavesTheMonth) {
    test::RecordingMessages messages;
    std::vector<int64_t> opened;
    LogDialogServices services;
    services.messages = &messages;
    services.openmeasurement = [&](const log::ObservationRecord& o) { opened.push_back(o.id); };
    LogDialog dialog(dir + "/log.sqlite", services);
    if (std::getenv("QUORVEL_UPDATE_GOLDEN")) std::ofstream(EXPECTED_TABLE) << dialog.tabletext();
    EXPECT_EQ(dialog.tabletext(), bytesof(EXPECTED_TABLE));
    EXPECT_EQ(dialog.monthbox()->text().toStdString(), "2026-11");

    for (int row : {0, 2}) {  // a typed count opens nothing; the image opens once
        dialog.table()->selectRow(row);
        EXPECT_EQ(dialog.openselected(), row == 2);
    }
    EXPECT_EQ(opened, std::vector<int64_t>{dialog.observations()[2].id});

    const struct {
        int format;
        std::string file, begins;
    } saves[] = {{0, "aavso.txt", "Solar data from: DLGR\nDana Logan\nFor the month of: NOV 2026\n"},
                 {1, "baa.csv", "day,ut,seeing,gn,gs,g,fn,fs,f,R\n2,09:05,G,2,3,5,8,15,23,73\n"},
                 {4, "butterfly.png", "\x89PNG"}};
    for (const auto& s : saves) {
        dialog.formatbox()->setCurrentIndex(s.format);
        ASSERT_TRUE(dialog.savereport(dir + "/" + s.file).done()) << s.file;
        EXPECT_EQ(bytesof(dir + "/" + s.file).substr(0, s.begins.size()), s.begins) << s.file;
    }
    dialog.monthbox()->setText("2026-13");
    EXPECT_EQ(dialog.savereport(dir + "/bad.txt").kind, OutcomeKind::inputfault);

    EXPECT_EQ(dialog.load(dir + "/none.sqlite").kind, OutcomeKind::io);
    EXPECT_NE(dialog.statustext().find("there is no log at"), std::string::npos) << dialog.statustext();
    EXPECT_EQ(dialog.table()->rowCount(), 0);
}

// Save to Log in the measuring window: refused before Find Spots, then the
// count of a disk with one dark spot kept at the image's moment.
TEST_F(LogDialogTest, MeasuringWindowSavesItsCountToTheLog) {
    QImage sun(400, 400, QImage::Format_RGB32);
    sun.fill(Qt::black);
    {
        QPainter p(&sun);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 230, 230));
        p.drawEllipse(QPointF(200, 200), 150, 150);
        p.setBrush(QColor(40, 40, 40));
        p.drawEllipse(QPointF(230, 170), 7, 7);
    }
    const std::string image = dir + "/sun.png";
    ASSERT_TRUE(sun.save(QString::fromStdString(image)));
    test::RecordingMessages messages;
    MeasureServices services;
    services.messages = &messages;
    services.logpath = dir + "/window.sqlite";
    FieldTexts fields;
    fields.day = "4", fields.month = "11", fields.year = "2026", fields.hour = "8", fields.min = "15";
    fields.tz = "0", fields.lat = "51.5", fields.lon = "0";
    MeasureWindow window({fields}, services);
    ASSERT_TRUE(window.openimage(image).done());
    window.keepdate();  // a PNG holds no date: the fields' date kept
    EXPECT_EQ(window.savetolog("G", "WINR").kind, OutcomeKind::inputfault);
    ASSERT_TRUE(window.spotpanel()->findspotsclick().done());
    ASSERT_TRUE(window.savetolog("G", "WINR").done()) << window.statustext();
    log::LogDb db;
    ASSERT_TRUE(db.open(services.logpath, log::LogPurpose::read).done());
    std::vector<log::ObservationRecord> obs;
    ASSERT_TRUE(log::readobservations(db, "WINR", log::WHOLE_LOG, obs).done());
    ASSERT_EQ(obs.size(), 1u);
    EXPECT_EQ(log::logtimetext(obs[0].time), "2026-11-04T08:15Z");
    EXPECT_EQ(obs[0].counts.g, 1);
    EXPECT_EQ(obs[0].image->sha256.size(), 64u);
}
