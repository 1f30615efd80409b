// The observer's log: groups followed across days on a synthetic Sun, the
// personal factor, export and import, concurrent and killed writers,
// files that are not logs, and a migration from a stored old log.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <set>
#include <sstream>

#include "logexport.h"
#include "observationcheck.h"
#include "personalk.h"
#include "readlog.h"
#include "save.h"
#include "tracks.h"

using namespace quorvel;
using namespace quorvel::log;

namespace {

const std::string TESTS = LOG_TESTS_DIR;

class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        char folder[] = "/tmp/quorvel_logtest_XXXXXX";
        dir = mkdtemp(folder);
        path = dir + "/log.sqlite";
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string dir, path;
};

std::string bytesof(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

/// Runs SQL on a file with the SQLite library alone, as another program would.
void rawsql(const std::string& file, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

int64_t count(LogDb& db, const std::string& sql) {
    Statement q(db.handle(), sql);
    return q.step() ? q.integer(0) : -1;
}

/// Day d (from 2026-11-01) at 10:00 UT.
LogTime dayat(int d, int minute = 0) { return logtimeofminutes(logminutes({2026, 11, 1, 10, 0}) + d * 1440 + minute); }

ObservationRecord typed(const std::string& observer, const LogTime& t, const std::string& seeing, int64_t g, int64_t f) {
    ObservationRecord o;
    o.observer = observer, o.time = t, o.seeing = seeing;
    o.counts.g = g, o.counts.f = f;
    return o;
}

// The synthetic Sun: the Carrington frame's central meridian L0 goes back
// 13.1994 degrees a day (14.184 sidereal less the Earth's 0.9856); a group
// at latitude B turns at 14.377 - 2.77 sin^2 B degrees a day sidereal.
constexpr double L0_AT_START = 250, L0_DEG_PER_DAY = -13.1994;
double sidereal(double b) { return 14.377 - 2.77 * std::pow(std::sin(b * std::numbers::pi / 180), 2); }
double fold(double deg) { return deg - 360 * std::floor((deg + 180) / 360); }

struct SyntheticGroup {
    const char* name;
    double lat, cmd0;  ///< latitude, and CMD on day `born`
    int born, dies;    ///< seen from day born to day dies while |CMD| <= 80
    double carrington(double day) const {
        return L0_AT_START + L0_DEG_PER_DAY * born + cmd0 + (sidereal(lat) - 14.184) * (day - born);
    }
    double cmd(double day) const { return fold(carrington(day) - (L0_AT_START + L0_DEG_PER_DAY * day)); }
};

}  // namespace

// A (15 N) crosses the disk and leaves by the west limb on day 10, to return
// by the east limb on day 25; B (10 S) comes in by the east limb on day 3; C
// (25 N) is born near the central meridian on day 10; D (20 S) on day 16.
// No observation on days 5, 6 and 18. Each group keeps one track; A's return
// starts a track offered as the return of A's.
TEST_F(LogTest, SyntheticGroupsKeepTheirTracksAcrossDaysAndTheLimb) {
    const SyntheticGroup groups[] = {
        {"A", 15, -40, 0, 30}, {"B", -10, -75, 3, 30}, {"C", 25, 5, 10, 30}, {"D", -20, -30, 16, 30}};
    LogDb db;
    ASSERT_TRUE(db.open(path, LogPurpose::write).done());
    std::map<std::string, std::set<int64_t>> tracks;  // "A" and "A returned" apart
    std::map<int64_t, int64_t> returnof;
    std::map<std::string, int64_t> daysseen;
    for (int day = 0; day <= 26; ++day) {
        if (day == 5 || day == 6 || day == 18) continue;
        SaveRequest r{typed("SYNT", dayat(day), "G", 0, 0), "", {}};
        std::vector<std::string> names;
        for (const SyntheticGroup& s : groups) {
            if (day < s.born || day > s.dies || std::fabs(s.cmd(day)) > 80) continue;
            GroupRecord g;
            g.number = static_cast<int64_t>(r.observation.groups.size() + 1);
            g.lat_deg = s.lat, g.cmd_deg_west = s.cmd(day), g.carrington_deg = fold(s.carrington(day) - 180) + 180;
            g.spots = 3;
            r.observation.groups.push_back(g);
            names.push_back(std::string(s.name) + (s.name[0] == 'A' && day > 20 ? " returned" : ""));
        }
        r.observation.counts = countsofgroups(r.observation.groups);
        SaveResult saved;
        ASSERT_TRUE(saveobservation(db, r, saved).done()) << "day " << day;
        for (size_t i = 0; i < saved.groups.size(); ++i) {
            tracks[names[i]].insert(saved.groups[i].track);
            daysseen[names[i]] += 1;
            if (saved.groups[i].returnof) returnof[saved.groups[i].track] = saved.groups[i].returnof;
        }
    }
    std::set<int64_t> all;
    for (const auto& [name, t] : tracks) {
        EXPECT_EQ(t.size(), 1u) << name << " is split over several tracks";
        all.insert(t.begin(), t.end());
    }
    ASSERT_EQ(tracks.size(), 5u);
    EXPECT_EQ(all.size(), 5u) << "two groups share a track";
    const int64_t a = *tracks["A"].begin(), areturned = *tracks["A returned"].begin();
    EXPECT_EQ(returnof, (std::map<int64_t, int64_t>{{areturned, a}}));

    // B predicted for day 30 from its sightings: the law's Carrington longitude, its latitude kept.
    TrackPrediction p;
    ASSERT_TRUE(predicttrack(db, *tracks["B"].begin(), logminutes(dayat(30)), p).done());
    EXPECT_NEAR(fold(p.carrington_deg - groups[1].carrington(30)), 0, 0.01);
    EXPECT_DOUBLE_EQ(p.lat_deg, -10);
    EXPECT_EQ(predicttrack(db, 99, 0, p).kind, OutcomeKind::inputfault);

    // The summaries: days, the law's drift, the return; a span lists the tracks seen in it, read whole.
    for (const auto& [span, listed] : {std::pair<Span, std::string>{WHOLE_LOG, "A,B,C,D,A returned,"},
                                       {{logminutes(dayat(20)), logminutes(dayat(27))}, "D,A returned,"}}) {
        std::vector<TrackSummary> summary;
        ASSERT_TRUE(tracksummaries(db, span, logminutes(dayat(30)), summary).done());
        std::string names;
        for (const TrackSummary& t : summary) {
            const auto named = std::find_if(tracks.begin(), tracks.end(), [&](const auto& n) { return n.second.count(t.track); });
            ASSERT_NE(named, tracks.end());
            const std::string& name = named->first;
            names += name + ",";
            EXPECT_EQ(t.sightings, daysseen[name]) << name;
            EXPECT_EQ(t.days, daysseen[name]) << name;
            EXPECT_EQ(t.returnof, name == "A returned" ? a : 0) << name;
            const double lat = name[0] == 'A' ? 15 : name[0] == 'B' ? -10 : name[0] == 'C' ? 25 : -20;
            EXPECT_NEAR(t.place.drift_lon_deg_per_day, sidereal(lat) - 14.184, 1e-9) << name;
            EXPECT_NEAR(t.place.drift_lat_deg_per_day, 0, 1e-12) << name;
            if (name == "B") EXPECT_DOUBLE_EQ(t.at.cmd_deg_west, p.cmd_deg_west);
        }
        EXPECT_EQ(names, listed);
    }
}

// k = geometric mean of SN / R over days of seeing G or E (1, 2) with R > 0
// and a SILSO number; a day's best observation stands for it.
TEST(PersonalFactor, GeometricMeanOverTheGoodDays) {
    std::string silso;
    std::vector<ObservationRecord> obs;
    double sumlog = 0;
    int used = 0;
    for (int d = 0; d < 45; ++d) {
        const LogTime t = logtimeofminutes(logminutes({2026, 9, 1, 9, 0}) + d * 1440);
        const int64_t r = 40 + (d * 7) % 30;
        const double sn = d == 44 ? -1 : std::round(0.7 * static_cast<double>(r) * (1 + 0.1 * (d % 3 - 1)));
        char line[80];
        std::snprintf(line, sizeof line, "%d;%02d;%02d;%9.3f;%5.0f;%5.1f;%4d;0\n", t.year, t.month, t.day, 2026.7, sn, 8.1, 30);
        silso += line;
        const std::string seeing = d % 9 == 4 ? "F" : d % 2 ? "G" : "2";
        obs.push_back(typed("K", t, seeing, d % 11 == 0 ? 0 : 3, d % 11 == 0 ? 0 : r - 30));
        obs.push_back(typed("K", logtimeofminutes(logminutes(t) + 60), "P", 9, 99));  // worse: not the day's
        if (seeing != "F" && d % 11 != 0 && d != 44) sumlog += std::log(sn / static_cast<double>(r)), used += 1;
    }
    SilsoDays days;
    ASSERT_TRUE(readsilso(silso, "SN_d_tot_V2.0.csv", days).done());
    EXPECT_EQ(days.size(), 44u);
    PersonalK k;
    ASSERT_TRUE(personalk(obs, days, k).done());
    EXPECT_EQ(k.days, used);
    EXPECT_NEAR(k.k, std::exp(sumlog / used), 1e-12);
    obs.resize(40);  // 20 days, fewer of them good
    const Outcome few = personalk(obs, days, k);
    EXPECT_EQ(few.kind, OutcomeKind::inputfault);
    EXPECT_NE(few.message.find("there are 16: 14 more are needed"), std::string::npos) << few.message;
    EXPECT_EQ(readsilso("2026;11;xx;2026.8;12;1;3;0\n", "f.csv", days).kind, OutcomeKind::inputfault);
}

// Everything a log holds goes out as CSV and comes back the same into an
// empty log; a log in use or a cut export takes nothing in.
TEST_F(LogTest, ExportAndImportRoundTrip) {
    LogDb db;
    ASSERT_TRUE(db.open(path, LogPurpose::write).done());
    SaveRequest r{typed("RTRP", dayat(0), "E", 0, 0), "Ruth \"Tripp\", Esq.", EquipmentRecord{"Solarscope", "photographic", 100, 1000.5, {}, "Baader, white light"}};
    r.observation.equipment = "Solarscope";
    r.observation.notes = "two lines,\nof notes";
    r.observation.image = ImageRecord{"/data/sun 1.fits", std::string(64, 'a'), 512.25, 511.75, 480.1, "telescope view", 0.92, 0.75};
    GroupRecord g{1, 0, 13000, 12.345678901234567, -20.1, 100.25, 4.5, "D", "Dkc", 2, 250.5, 50.25, {}};
    g.spotlist = {{100.5, 200.25, 12.1, -20.2, 100.2, 30, 90, 101.1, 210.7}, {104, 203, 12.6, -19.9, 100.5, 10, 25, 20.2, 39.8}};
    r.observation.groups = {g};
    r.observation.counts = countsofgroups(r.observation.groups);
    SaveResult saved;
    ASSERT_TRUE(saveobservation(db, r, saved).done());
    ASSERT_TRUE(saveobservation(db, {typed("RTRP", dayat(1), "3", 2, 5), "", {}}, saved).done());
    ASSERT_TRUE(setpersonalk(db, "RTRP", 0.6123456789).done());
    std::string first, second;
    ASSERT_TRUE(exportlog(db, first).done());

    LogDb copy;
    ASSERT_TRUE(copy.open(dir + "/copy.sqlite", LogPurpose::write).done());
    EXPECT_EQ(importlog(copy, first.substr(0, first.find("of notes"))).kind, OutcomeKind::inputfault);
    EXPECT_EQ(count(copy, "SELECT count(*) FROM observer"), 0);
    ASSERT_TRUE(importlog(copy, first).done());
    ASSERT_TRUE(exportlog(copy, second).done());
    EXPECT_EQ(second, first);
    EXPECT_EQ(importlog(copy, first).kind, OutcomeKind::inputfault);  // no longer empty
    ObservationRecord back;
    ASSERT_TRUE(readobservation(copy, saved.observation - 1, back).done());
    EXPECT_EQ(back.groups.at(0).spotlist.size(), 2u);
}

// Two processes saving at the same moment both succeed: the second waits.
TEST_F(LogTest, ConcurrentWritersBothSucceed) {
    { LogDb db; ASSERT_TRUE(db.open(path, LogPurpose::write).done()); }
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        if (children[c] == 0) {
            LogDb db;
            SaveResult saved;
            bool ok = db.open(path, LogPurpose::write).done();
            for (int i = 0; ok && i < 40; ++i)
                ok = saveobservation(db, {typed(c ? "TWOB" : "ONEA", dayat(i), "G", 1, 2), "", {}}, saved).done();
            _exit(ok ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = -1;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    LogDb db;
    ASSERT_TRUE(db.open(path, LogPurpose::read).done());
    EXPECT_EQ(count(db, "SELECT count(*) FROM observation"), 80);
}

// A writer killed in the middle of its saves: the log opens, passes its
// checks and holds every save that finished, each whole.
TEST_F(LogTest, KilledWriterLosesAtMostTheSaveInProgress) {
    { LogDb db; ASSERT_TRUE(db.open(path, LogPurpose::write).done()); }
    const pid_t child = fork();
    if (child == 0) {
        LogDb db;
        if (!db.open(path, LogPurpose::write).done()) _exit(1);
        for (int i = 0;; ++i) {
            SaveRequest r{typed("KILL", dayat(i % 9000, i / 9000), "G", 0, 0), "", {}};
            for (int n = 1; n <= 5; ++n) {
                GroupRecord g{n, 0, {}, 5.0 * n, -60 + 20.0 * n, 36.0 * n, {}, "", "", 200, {}, {}, {}};
                g.spotlist.assign(200, SpotRecord{1, 2, 5.0 * n, 0, 36.0 * n, 1, 2, 3, 4});
                r.observation.groups.push_back(g);
            }
            r.observation.counts = countsofgroups(r.observation.groups);
            SaveResult saved;
            if (!saveobservation(db, r, saved).done()) _exit(1);
        }
    }
    LogDb watch;
    ASSERT_TRUE(watch.open(path, LogPurpose::read).done());
    while (count(watch, "SELECT count(*) FROM observation") < 5) {
        ASSERT_EQ(waitpid(child, nullptr, WNOHANG), 0) << "the writer ended before it was killed";
        usleep(2000);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    LogDb db;
    ASSERT_TRUE(db.open(path, LogPurpose::write).done());
    EXPECT_GE(count(db, "SELECT count(*) FROM observation"), 5);
    EXPECT_EQ(count(db, "SELECT count(*) FROM (SELECT observation_id FROM spot_group JOIN spot USING (group_id) "
                        "GROUP BY observation_id HAVING count(*) <> 1000)"), 0);
    EXPECT_EQ(count(db, "SELECT count(*) FROM observation WHERE observation_id NOT IN (SELECT observation_id FROM spot_group)"), 0);
}

// Files that are not logs, or not sound, are reported and left byte for byte.
TEST_F(LogTest, FilesThatAreNotSoundLogsAreLeftAsTheyAre) {
    const std::string text = dir + "/notes.txt", other = dir + "/other.db", newer = dir + "/newer.sqlite", broken = dir + "/broken.sqlite";
    std::ofstream(text) << "these are my notes, not a log\n";
    rawsql(other, "CREATE TABLE photos (name TEXT); INSERT INTO photos VALUES ('sun.png');");
    for (const std::string& f : {newer, broken}) {
        LogDb db;
        SaveResult saved;
        ASSERT_TRUE(db.open(f, LogPurpose::write).done());
        for (int i = 0; i < 300; ++i) ASSERT_TRUE(saveobservation(db, {typed("OBSR", dayat(i), "G", 1, 1), "", {}}, saved).done());
    }
    rawsql(newer, "PRAGMA user_version = 3");
    rawsql(broken, "PRAGMA writable_schema = ON; UPDATE sqlite_schema SET sql = replace(sql, 'time_utc)', 'notes)') "
                   "WHERE name = 'observation_time'");
    const struct {
        std::string file, says;
    } rows[] = {{text, "not an SQLite database"}, {other, "another program's database"},
                {newer, "newer than this program's 2"}, {broken, "fails its integrity check"}};
    for (const auto& row : rows) {
        const std::string before = bytesof(row.file);
        LogDb db;
        const Outcome opened = db.open(row.file, LogPurpose::write);
        EXPECT_EQ(opened.kind, OutcomeKind::io) << row.file;
        EXPECT_NE(opened.message.find(row.says), std::string::npos) << opened.message;
        EXPECT_EQ(bytesof(row.file), before) << row.file << " was written";
    }
}

// A log of schema version 1 (stored as its first release wrote it: observers,
// equipment and typed counts) migrates in place after a copy is kept; what it
// holds reads back as the stored export says.
TEST_F(LogTest, MigratesAStoredVersion1Log) {
    std::ofstream(path, std::ios::binary) << bytesof(TESTS + "/log_v1.sqlite");
    {
        LogDb db;
        ASSERT_TRUE(db.open(path, LogPurpose::write).done());
        std::string exported;
        ASSERT_TRUE(exportlog(db, exported).done());
        const std::string expected = TESTS + "/expected/migrated_v1.csv";
        if (std::getenv("QUORVEL_UPDATE_GOLDEN")) std::ofstream(expected) << exported;
        EXPECT_EQ(exported, bytesof(expected));
        SaveResult saved;
        EXPECT_TRUE(saveobservation(db, {typed("OLDR", dayat(0), "G", 1, 4), "", {}}, saved).done());
    }
    LogDb backup;  // the copy keeps version 1, which a reader does not migrate
    const Outcome old = backup.open(path + ".v1-backup", LogPurpose::read);
    EXPECT_NE(old.message.find("older schema version 1"), std::string::npos) << old.message;
}

// Save to Log's answers are kept by a save that succeeds, and only by one.
TEST_F(LogTest, AnswersAreKeptOnlyWithTheirSave) {
    LogDb db;
    ASSERT_TRUE(db.open(path, LogPurpose::write).done());
    SaveResult saved;
    auto save = [&](const char* seeing, int64_t g, int64_t f) {
        return saveandremember(db, {typed("ANSR", dayat(0), seeing, g, f), "", {}}, {seeing, "ANSR", "", ""}, saved).kind;
    };
    EXPECT_EQ(save("G", 5, 3), OutcomeKind::inputfault);  // more groups than spots
    EXPECT_EQ(count(db, "SELECT count(*) FROM preference"), 0);
    EXPECT_EQ(save("E", 1, 3), OutcomeKind::done);
    EXPECT_EQ(save("P", 1, 3), OutcomeKind::inputfault);  // the same minute again
    const SaveAnswers kept = rememberedanswers(db);
    EXPECT_EQ(kept.seeing + "|" + kept.observer + "|" + kept.equipment, "E|ANSR|");
}
