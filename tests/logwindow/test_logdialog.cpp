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
#include "saveanswersdialog.h"
#include "measurewindow.h"
#include "readlog.h"
#include "spotpanel.h"
#include "recorders.h"
#include "observationcheck.h"
#include "save.h"
#include "savecounted.h"

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
    EXPECT_EQ(dialog.trackspanel()->tracks()->rowCount(), 1);

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
    EXPECT_NE(dialog.statustext().find("There is no log at"), std::string::npos) << dialog.statustext();
    EXPECT_EQ(dialog.table()->rowCount(), 0);
    EXPECT_EQ(dialog.trackspanel()->tracks()->rowCount(), 0) << "the tracks of the log shown before";
}

// Save to Log in the measuring window: refused before Find Spots; then the
// first save asks the seeing, observer and equipment, the log keeps them,
// and a window of a later run saves without asking; a change asked for is
// kept by the next save and offered by the saves after it.
TEST_F(LogDialogTest, MeasuringWindowAsksOnceAndTheLogRemembers) {
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
    std::string asked;  // each question: what was offered, among which profiles
    std::vector<log::SaveAnswers> replies{{"G", "WINR", "Newton 200", "projection"}, {"F", "WINR", "Newton 200", ""}};
    MeasureServices services;
    services.messages = &messages;
    services.logpath = dir + "/window.sqlite";
    services.asklog = [&](log::SaveAnswers& a, const std::vector<std::string>& profiles) {
        asked += answerstext(a) + " among " + std::to_string(profiles.size()) + " profiles\n";
        a = replies.front();
        replies.erase(replies.begin());
        return true;
    };
    FieldTexts fields;
    fields.day = "4", fields.month = "11", fields.year = "2026", fields.min = "15";
    fields.tz = "0", fields.lat = "51.5", fields.lon = "0";
    auto counted = [&](const char* hour) {  // a window of its own run, its spots found
        fields.hour = hour;
        auto window = std::make_unique<MeasureWindow>(MeasureStart{fields}, services);
        EXPECT_TRUE(window->openimage(image).done());
        window->keepdate();  // a PNG holds no date: the fields' date kept
        return window;
    };
    auto first = counted("8");
    EXPECT_EQ(first->savetolog({"G", "WINR", "", ""}, true).kind, OutcomeKind::inputfault);
    ASSERT_TRUE(first->spotpanel()->findspotsclick().done());
    first->savelogclick();
    first->savelogclick();  // the same minute again: refused, nothing kept twice
    for (const char* hour : {"9", "10", "11"}) {
        auto later = counted(hour);
        ASSERT_TRUE(later->spotpanel()->findspotsclick().done());
        if (std::string(hour) == "10") later->changelogclick();
        later->savelogclick();
    }
    EXPECT_EQ(asked, "seeing , the log's default observer, no equipment among 0 profiles\n"
                     "seeing G, observer WINR, equipment Newton 200 among 1 profiles\n");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].second.find("already holds an observation by WINR at 2026-11-04T08:15Z"), std::string::npos);

    log::LogDb db;
    ASSERT_TRUE(db.open(services.logpath, log::LogPurpose::read).done());
    std::vector<log::ObservationRecord> obs;
    ASSERT_TRUE(log::readobservations(db, "WINR", log::WHOLE_LOG, obs).done());
    std::string saved;
    for (const log::ObservationRecord& o : obs)
        saved += log::logtimetext(o.time) + " " + o.seeing + " " + o.equipment + " g " + std::to_string(o.counts.g) + " sha " +
                 std::to_string(o.image->sha256.size()) + "\n";
    EXPECT_EQ(saved, "2026-11-04T08:15Z G Newton 200 g 1 sha 64\n"
                     "2026-11-04T09:15Z G Newton 200 g 1 sha 64\n"
                     "2026-11-04T10:15Z F Newton 200 g 1 sha 64\n"
                     "2026-11-04T11:15Z F Newton 200 g 1 sha 64\n");
    EXPECT_EQ(answerstext(log::rememberedanswers(db)), "seeing F, observer WINR, equipment Newton 200");
    EXPECT_EQ(log::equipmentnames(db), std::vector<std::string>{"Newton 200"});
}

// The questions of Save to Log: what is offered comes back unchanged; the
// method is asked only for a profile the log does not hold; a bad observer
// code keeps the dialog open and says why.
TEST(SaveAnswersDialogTest, OffersAsksTheMethodOfNewProfilesAndChecksTheCode) {
    const struct {
        const char* observer;
        const char* equipment;
        int method;  // index in the method box
        bool methodasked, accepted;
        std::string answers;  // seeing|observer|equipment|method
    } cases[] = {
        {"ABCR", "Refractor 80", 2, false, true, "F|ABCR|Refractor 80|"},
        {"", "", 2, false, true, "F|||"},
        {"ABCR", " Newton 200 ", 2, true, true, "F|ABCR|Newton 200|photographic"},
        {"AB CR!", "Refractor 80", 0, false, false, "F|AB CR!|Refractor 80|"},
    };
    for (const auto& c : cases) {
        SaveAnswersDialog dialog({"F", "OLDR", "Refractor 80", ""}, {"Dob 250", "Refractor 80"});
        EXPECT_EQ(dialog.observerbox()->text().toStdString(), "OLDR");
        dialog.observerbox()->setText(c.observer);
        dialog.equipmentbox()->setCurrentText(c.equipment);
        dialog.methodbox()->setCurrentIndex(c.method);
        EXPECT_EQ(dialog.methodbox()->isEnabled(), c.methodasked) << c.equipment;
        const log::SaveAnswers a = dialog.answers();
        EXPECT_EQ(a.seeing + "|" + a.observer + "|" + a.equipment + "|" + a.method, c.answers);
        dialog.accept();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted) << c.observer;
        EXPECT_EQ(dialog.faulttext().empty(), c.accepted) << dialog.faulttext();
    }
}

// The tracks' tab over two days of two groups: the tracks with their places
// a day after the last sighting; a group moved to a new track and back;
// moves that are refused, cancelled or not understood change nothing. Each
// step's tables and status line against a stored transcript.
TEST(LogDialogTracksTest, ListsTracksAndMovesAGroupWithUndo) {
    char folder[] = "/tmp/quorvel_logtracks_XXXXXX";
    const std::string dir = mkdtemp(folder), path = dir + "/log.sqlite";
    {
        log::LogDb db;
        ASSERT_TRUE(db.open(path, log::LogPurpose::write).done());
        log::SaveResult saved;
        for (int day : {2, 3}) {  // the later day's groups turned 13.2 degrees west, 0.2 further in longitude
            log::ObservationRecord o;
            o.observer = "TRKR", o.seeing = "G", o.time = {2026, 11, day, 9, 0};
            const double turned = 13.2 * (day - 2), drift = 0.2 * (day - 2);
            o.groups = {{1, 0, {}, 10, -20 + turned, 100 + drift, {}, "C", "", 4, {}, {}, {}},
                        {2, 0, {}, -15, 30 + turned, 150 + drift, {}, "H", "", 1, {}, {}, {}}};
            o.counts = log::countsofgroups(o.groups);
            ASSERT_TRUE(log::saveobservation(db, {o, "", {}}, saved).done());
        }
    }
    std::vector<std::string> answers{"new", "2", "seven"};
    std::string questions;
    bool yes = true;
    LogDialogServices services;
    test::RecordingMessages messages;
    services.messages = &messages;
    services.tracks.asktrack = [&](const std::string&) {
        const std::string a = answers.front();
        answers.erase(answers.begin());
        return a;
    };
    services.tracks.confirm = [&](const std::string& q) { return questions += q + "\n", yes; };
    LogDialog dialog(path, services);
    TracksPanel* panel = dialog.trackspanel();
    auto* move = panel->findChild<QPushButton*>("cmdmove");
    std::string transcript;
    auto step = [&](const std::string& what) {
        transcript += "# " + what + "\n" + panel->trackstext() + panel->groupstext() + "status: " + dialog.statustext() + "\n";
    };
    step("loaded, placed on " + panel->whenbox()->text().toStdString());
    panel->tracks()->selectRow(1);
    panel->groups()->selectRow(1);
    move->click();  // new
    step("the later group of track 2 moved to a new track");
    ASSERT_TRUE(panel->undomove().done());
    step("undone");
    panel->tracks()->selectRow(0);
    panel->groups()->selectRow(1);
    move->click();  // 2: holds a group of that observation already
    step("refused");
    move->click();  // seven
    step("not understood");
    yes = false;
    EXPECT_TRUE(panel->movegroup(0).done());
    step("not confirmed");
    transcript += questions;
    if (std::getenv("QUORVEL_UPDATE_GOLDEN")) std::ofstream(EXPECTED_TRACKS) << transcript;
    EXPECT_EQ(transcript, bytesof(EXPECTED_TRACKS));
    std::filesystem::remove_all(dir);
}
