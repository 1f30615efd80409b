// The settings files of both programs: named scenarios of a start-up and a
// save, stored whole in saved/NAME.txt (the window calls of the start-up, the
// values read, the bytes saved, the calls of the next start-up); then what no
// failure may lose. After a deliberate change, store the scenarios anew with
//   QUORVEL_UPDATE_GOLDEN=1 build/bin/test_settingsfiles
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "recorders.h"
#include "settingsfiles.h"

namespace quorvel::test {
namespace {

namespace fs = std::filesystem;

/// One run of a program on a folder.
struct Session {
    Program program;
    std::string folder;
    RecordingForm form;
    SettingsState state;
    ObsInput obs;
    ViewOpts view;
    StyleOpts style;
    Session(Program p, std::string f) : program(p), folder(std::move(f)) {}
    Outcome load() { return loadsettings(program, folder, form, state, obs, view, style); }
    Outcome save() { return writeini(program, folder, form, state, obs, view, style); }
};

std::string readall(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}
void writeall(const std::string& path, const std::string& data) { std::ofstream(path, std::ios::binary) << data; }
std::string bytesof(const SettingsRec& rec) {
    const SettingsBytes b = encoderecord(rec);
    return {b.begin(), b.end()};
}
std::string randombytes(size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    std::string s(n, '\0');
    for (char& c : s) c = static_cast<char>(rng());
    return s;
}
/// What a folder holds where a file would hold bytes.
const std::string FOLDER = "<folder>";

/// What each name in a folder holds, folders included.
std::map<std::string, std::string> snapshot(const std::string& folder) {
    std::map<std::string, std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        out[e.path().string()] = e.is_directory() ? FOLDER : readall(e.path().string());
    return out;
}

class SettingsFilesTest : public testing::Test {
protected:
    QTemporaryDir dir;
    std::string folder = dir.path().toStdString();
    std::string path(const char* name) const { return folder + "/" + name; }
};

/// A record as quorvel writes it: options 0 or 1, the fixed geometry for quorvel_g.
SettingsRec viewerrecord() {
    SettingsRec r;
    r.lat10 = 515, r.long10 = -5, r.flipsign = -1;
    r.wintop = 100, r.winleft = 300, r.winwidth = 12900, r.winheight = 11100;
    return r;
}

// ---- stored scenarios --------------------------------------------------------

struct Scenario {
    const char* name;
    Program program;
    std::optional<std::string> file;                ///< the program's file before the start; none: no file
    std::map<TextBox, std::string> typed = {};      ///< typed after the start
    std::map<CheckBox, int> clicked = {};           ///< set after the start
    std::function<void(Session&)> more = nullptr;   ///< anything else changed before the save
    std::optional<std::string> viewerfile = {};     ///< quorvel's "orra.ini" beside quorvel_g's
    std::optional<std::string> backup = {};         ///< quorvel_g's "orragold.ini" before the start
};

/// A quorvel_g file whose maximized window was last at r (twips).
std::string placed(TwipsRect r) {
    SettingsRec rec = viewerrecord();
    rec.winstate = 2, rec.winleft = r.left, rec.wintop = r.top, rec.winwidth = r.width, rec.winheight = r.height;
    return bytesof(rec);
}

std::vector<Scenario> scenarios() {
    SettingsRec equat = viewerrecord(), altaz = viewerrecord(), grayed = viewerrecord(), style = viewerrecord();
    equat.zonehours = -4, equat.reserved40 = {30, -4}, equat.dst = 1, equat.flipsign = 1;  // Newfoundland
    equat.grid = 1, equat.rotation = 1, equat.drift = 1;
    altaz.lat10 = -335, altaz.long10 = 1234, altaz.zonehours = 10, altaz.mountaltaz = 1;
    altaz.invert = 1, altaz.posangles = 1;
    grayed.rotation = 2, grayed.posangles = 2, grayed.drift = 2, grayed.sunequator = 2, grayed.axes = 2;
    grayed.reserved10 = GRAPHICS_RECORD_MARK;  // a record quorvel_g wrote, so its style is read
    style.drift = 1, style.winstate = 2, style.labelinterval = 30, style.markinterval = -5, style.fontsize = 14;
    style.gridspacing = 15, style.diameter = 500, style.sunequator = 1, style.reserved10 = GRAPHICS_RECORD_MARK;
    style.diskcolour = 0x00C0FF, style.axiscolour = 0x123456;
    // Noise in every field no save checks: offset 10, the style, the colours.
    std::string zoned = randombytes(SETTINGS_RECORD_SIZE, 7);
    zoned.replace(0, 10, bytesof(viewerrecord()).substr(0, 10));
    zoned.replace(10, 2, std::string(2, '\0'));
    zoned.replace(12, 14, std::string("\x01\x00\x01\x00\x00\x00\x02\x00\x01\x00\x00\x00\x07\x00", 14));
    zoned.replace(36, 4, std::string("\x01\x00\x02\x00", 4));
    zoned.replace(40, 4, std::string("\x1e\x00\x07\x00", 4));  // 30 minutes of a zone of 7 hours
    const std::string plain = bytesof(viewerrecord());
    auto zone = [](int16_t hours, int16_t minutes, int16_t tag) {  // minutes kept for the zone of tag hours
        SettingsRec r = viewerrecord();
        r.zonehours = hours, r.reserved40[0] = minutes, r.reserved40[1] = tag;
        return bytesof(r);
    };
    const Program Q = Program::quorvel, G = Program::quorvel_g;
    using T = TextBox;
    using B = CheckBox;
    return {
        {"viewer_equatorial_newfoundland", Q, bytesof(equat)},
        {"viewer_altaz_south_west_typed", Q, bytesof(altaz),
         {{T::txtlat, "-0.15"}, {T::txtlong, "123,45"}, {T::txttz, "5.75"}}, {{B::chkgrid, 1}}},
        {"viewer_other_fields_carried_through", Q, zoned, {{T::txtlat, "51.5"}, {T::txtlong, "-0.5"}, {T::txttz, "5,5"}}},
        {"viewer_zone_minutes_replaced", Q, zoned, {{T::txttz, "-3.5"}}},
        {"viewer_first_run_typed_extremes", Q, std::nullopt,
         {{T::txtlat, "N 51"}, {T::txtlong, "-3276.8"}, {T::txttz, "-12"}}, {{B::optdst, 1}}},
        {"viewer_grayed_states", Q, bytesof(grayed)},
        {"viewer_zone_india", Q, zone(5, 30, 5)},
        {"viewer_zone_india_typed_whole_5", Q, zone(5, 30, 5), {{T::txttz, "5"}}},
        {"viewer_zone_nepal_typed_a_minute_short_of_6", Q, zone(5, 45, 5), {{T::txttz, "5.995"}}},
        {"viewer_zone_minutes_of_another_zone_typed_half_a_minute", Q, zone(5, 30, 3), {{T::txttz, "5.005"}}},
        {"viewer_zone_sixty_minutes_typed_2", Q, zone(5, 60, 5), {{T::txttz, "2"}}},
        {"viewer_zone_negative_minutes", Q, zone(5, -30, 5)},
        {"viewer_refuses_latitude_5000", Q, plain, {{T::txtlat, "5000"}}},
        {"viewer_refuses_latitude_1e39", Q, plain, {{T::txtlat, "1e39"}}},
        {"viewer_refuses_longitude_3276_8", Q, plain, {{T::txtlong, "3276.8"}}},
        {"viewer_refuses_zone_40000", Q, plain, {{T::txttz, "-40000"}}},
        {"graphics_style_typed", G, bytesof(style),
         {{T::txtlabint, " 45"}, {T::txtangint, "12.9"}, {T::txtfont, "-2,5"}, {T::txtgspace, " -3.5"},
          {T::txtdia, "1e3"}, {T::txtlat, "95"}}, {{B::chkaxes, 1}}},
        {"viewer_noise_set_aside", Q, randombytes(SETTINGS_RECORD_SIZE, 5)},
        {"graphics_noise_set_aside_its_backup_kept", G, randombytes(SETTINGS_RECORD_SIZE, 3), {}, {{B::chkaxes, 2}},
         [](Session& s) {
             s.form.state = 1;
             s.form.geom = {-100, 50, 9000, 7000};
             s.style.arrowcolour = 0x123456;
         }, std::nullopt, bytesof(style)},
        {"graphics_grayed_states", G, bytesof(grayed)},
        {"graphics_short_file", G, bytesof(style).substr(0, 41), {{T::txtdia, "big"}}},
        {"graphics_refuses_diameter_32768", G, plain, {{T::txtdia, "32768"}}},
        {"graphics_refuses_font_size_32769", G, plain, {{T::txtfont, "-32769"}}},
        {"graphics_first_run_imports_the_viewer_file", G, std::nullopt, {{T::txtdia, "720"}}, {}, nullptr,
         plain + "trailing bytes"},
        {"graphics_without_either_file", G, std::nullopt},
        {"graphics_imports_noise_as_defaults", G, std::nullopt, {}, {}, nullptr, randombytes(SETTINGS_RECORD_SIZE, 9)},
        {"viewer_file_is_a_folder", Q, FOLDER},
        {"graphics_file_is_a_folder", G, FOLDER},
        // Where a window stored as maximized reopens: kept when a screen shows enough of it.
        {"graphics_window_on_the_first_screen", G, placed({2000, 1000, 15000, 12000})},
        {"graphics_window_on_the_second_screen", G, placed({30000, 500, 9000, 6000})},
        {"graphics_window_partly_off_the_top_left", G, placed({-5000, -2000, 9000, 9000})},
        {"graphics_window_of_zero_width", G, placed({2000, 1000, 0, 12000})},
        {"graphics_window_of_a_few_pixels", G, placed({2000, 1000, 60, 60})},
        {"graphics_window_of_negative_width", G, placed({20000, 1000, -15000, 12000})},
        {"graphics_window_right_of_every_screen", G, placed({48000, 0, 9000, 9000})},
        {"graphics_window_below_every_screen", G, placed({2000, 16200, 9000, 9000})},
        {"graphics_window_below_the_second_screen", G, placed({30000, 12000, 9000, 3000})},
    };
}

std::string joined(const std::vector<std::string>& calls) {
    std::string out;
    for (const std::string& c : calls) out += (out.empty() ? "" : " ") + c;
    return out;
}
std::string valuesof(const Session& s) {
    const ViewOpts& v = s.view;
    std::ostringstream out;
    out << "lat " << s.obs.lat << "  lon " << s.obs.lon << "  tz " << s.obs.tz << "  dst " << s.obs.dst << "  flip "
        << v.flip << "  altaz " << v.altaz << "  grid " << v.grid << "  invert " << v.invert << "  sunrot "
        << v.sunrot << "  posang " << v.posang << "  drift " << v.drift << "  equator " << s.style.showequator
        << "  disk #" << std::hex << s.style.diskcolour << std::dec << "  window " << s.form.state << " "
        << s.form.geom.left << " " << s.form.geom.top << " " << s.form.geom.width << " " << s.form.geom.height;
    return out.str();
}
std::string hexdump(const std::string& bytes) {
    std::string out;
    char hex[4];
    for (size_t k = 0; k < bytes.size(); ++k) {
        std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned char>(bytes[k]));
        out += (k == 0 ? "" : k % 16 ? " " : "\n") + std::string(hex);
    }
    return out + "\n";
}
/// The names and sizes of a folder's files.
std::string listing(const std::string& folder) {
    std::string out = "files:";
    for (const auto& [name, content] : snapshot(folder))
        out += " " + fs::path(name).filename().string() + " " + (content == FOLDER ? "folder" : std::to_string(content.size()));
    return out + "\n";
}

/// A start: the window calls and the values read, or the failure.
std::string start(Session& s, const char* label) {
    s.form.screenlist = {{0, 0, 28800, 16200}, {28800, 0, 19200, 10800}};
    const Outcome loaded = s.load();
    std::string out = std::string(label) + " start: " + joined(s.form.calls) + "\n";
    if (!loaded.done()) return out + "failed, fault " + std::to_string(loaded.fault) + ": " + loaded.message + "\n";
    if (!s.state.notice.empty()) out += "notice: " + s.state.notice + "\n";
    return out + label + " read: " + valuesof(s) + (s.state.firststart ? "  (first start)" : "") + "\n";
}

/// The whole transcript of a scenario run in folder.
std::string run(const Scenario& c, const std::string& folder) {
    const std::string file = folder + "/" + settingsfilename(c.program);
    if (c.file == FOLDER) fs::create_directory(file);
    else if (c.file) writeall(file, *c.file);
    if (c.viewerfile) writeall(folder + "/orra.ini", *c.viewerfile);
    if (c.backup) writeall(folder + "/orragold.ini", *c.backup);
    Session first{c.program, folder};
    std::string out = start(first, "first");
    if (c.backup) out += readall(folder + "/orragold.ini") == *c.backup ? "backup unchanged\n" : "backup replaced\n";
    if (out.find("failed") != std::string::npos) return out + listing(folder);
    for (const auto& [box, text] : c.typed) first.form.texts[box] = text;
    for (const auto& [box, v] : c.clicked) first.form.states[box] = v;
    if (c.more) c.more(first);
    const std::string before = readall(file);
    if (Outcome o = first.save(); !o.done())
        return out + "save refused: " + o.message + (readall(file) == before ? "; the file unchanged\n" : "\n");
    out += std::string(first.form.events ? "saved, the window's events run meanwhile:\n" : "saved:\n") + hexdump(readall(file));
    Session next{c.program, folder};
    out += start(next, "next");
    return out + listing(folder);
}
void PrintTo(const Scenario& c, std::ostream* os) { *os << c.name; }

class StoredScenario : public testing::TestWithParam<Scenario> {};

TEST_P(StoredScenario, StartAndSaveMatchTheStoredTranscript) {
    QTemporaryDir dir;
    std::string now = run(GetParam(), dir.path().toStdString());
    for (size_t at; (at = now.find(dir.path().toStdString())) != std::string::npos;)
        now.replace(at, dir.path().size(), "FOLDER");
    const std::string stored = std::string(QUORVEL_SAVED_DIR) + "/" + GetParam().name + ".txt";
    if (std::getenv("QUORVEL_UPDATE_GOLDEN")) {
        writeall(stored, now);
        GTEST_SKIP() << "rewrote " << stored;
    }
    EXPECT_EQ(now, readall(stored)) << stored;
}

INSTANTIATE_TEST_SUITE_P(Scenarios, StoredScenario, testing::ValuesIn(scenarios()),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- what the scenarios do not show ---------------------------------------------

// A program folder that may take the file keeps it; one that cannot sends it
// to the configuration folder. The writability check is a stand-in, so that
// root, whom permissions stop from no write, sees the same choices.
TEST_F(SettingsFilesTest, SettingsLiveBesideTheProgramOrInTheConfigurationFolder) {
    const struct { const char* name; bool file, folderwritable, filewritable, beside; } rows[] = {
        {"a writable folder without the file", false, true, false, true},
        {"a writable folder and file", true, true, true, true},
        {"a read-only file in a writable folder", true, true, false, false},
        {"a writable file in a read-only folder", true, false, true, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        fs::remove(path("orra.ini"));
        if (r.file) writeall(path("orra.ini"), "");
        auto writable = [&](const std::string& p) { return p == folder ? r.folderwritable : r.filewritable; };
        EXPECT_EQ(settingsfolder(folder, "orra.ini", "/config", writable), r.beside ? folder : "/config");
    }
    EXPECT_EQ(settingsfolder(folder + "/gone", "orra.ini", "/config", [](const std::string&) { return true; }),
              "/config");
}

/// Links planted for the settings files and the backup made at every start
/// of quorvel_g: each link is replaced by the file, the file it named is untouched.
TEST_F(SettingsFilesTest, LinksAreReplacedNeverWrittenThrough) {
    writeall(path("victim"), "another user's file");
    writeall(path("orrag.ini"), bytesof(viewerrecord()));
    for (const char* name : {"orragold.ini", "orra.ini"}) fs::create_symlink(path("victim"), path(name));
    ASSERT_TRUE(Session(Program::quorvel_g, folder).load().done());
    ASSERT_TRUE(Session(Program::quorvel, folder).save().done());
    EXPECT_EQ(readall(path("victim")), "another user's file");
    EXPECT_EQ(readall(path("orragold.ini")), bytesof(viewerrecord()));
    EXPECT_EQ(readall(path("orra.ini")).size(), SETTINGS_RECORD_SIZE);
    if (geteuid() == 0) {  // a link another user made is not read, nor copied into the backup
        fs::remove(path("orrag.ini"));
        fs::create_symlink(path("victim"), path("orrag.ini"));
        ASSERT_EQ(lchown(path("orrag.ini").c_str(), 65534, 65534), 0);
        EXPECT_EQ(Session(Program::quorvel_g, folder).load().kind, OutcomeKind::io);
        EXPECT_EQ(readall(path("orragold.ini")), bytesof(viewerrecord()));
    }
}

/// A save that the file system refuses: the folder is left as it was and the
/// outcome says so. A file size limit, like a disk that fills, holds during
/// the save only; root is bound by it too.
void expectfailedsave(const std::string& folder, const std::string& savefolder,
                      std::optional<rlim_t> sizelimit = std::nullopt) {
    Session s{Program::quorvel, savefolder};
    s.form.texts = {{TextBox::txtlat, "10"}, {TextBox::txtlong, "20"}, {TextBox::txttz, "1"}};
    const auto before = snapshot(folder);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = sizelimit.value_or(saved.rlim_cur);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const bool limitset = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    const Outcome o = s.save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    ASSERT_TRUE(limitset);
    EXPECT_EQ(o.kind, OutcomeKind::io);
    EXPECT_FALSE(o.message.empty());
    EXPECT_EQ(snapshot(folder), before);
}

TEST_F(SettingsFilesTest, FailedWriteKeepsTheOldFile) {
    const std::string old = bytesof(viewerrecord());
    {
        SCOPED_TRACE("the settings file is a folder");
        fs::create_directory(path("orra.ini"));
        writeall(path("orra.ini") + "/inside", old);
        expectfailedsave(folder, folder);
        fs::remove_all(path("orra.ini"));
    }
    {
        SCOPED_TRACE("the folder's path runs through a file");
        writeall(path("notafolder"), old);
        expectfailedsave(folder, path("notafolder"));
        fs::remove(path("notafolder"));
    }
    for (rlim_t room : {0, 100}) {
        SCOPED_TRACE(testing::Message() << "the disk is full after " << room << " bytes of the record");
        writeall(path("orra.ini"), old);
        expectfailedsave(folder, folder, room);
    }
    ASSERT_EQ(chmod(folder.c_str(), 0555), 0);  // a read-only folder binds every user but root
    if (!std::ofstream(path("probe")).is_open()) {
        SCOPED_TRACE("the folder is read-only");
        expectfailedsave(folder, folder);
    }
    chmod(folder.c_str(), 0755);
}

}  // namespace
}  // namespace quorvel::test
