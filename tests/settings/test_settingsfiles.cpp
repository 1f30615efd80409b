// The settings files of both programs: what a start-up shows, what a save
// writes, and that no failure loses the previous file.
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "settingsfiles.h"
#include "textvalue.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

const char* const TEXT_NAMES[] = {"txtlat",    "txtlong", "txttz",     "txtlabint",
                                  "txtangint", "txtfont", "txtgspace", "txtdia"};
const char* const BOX_NAMES[] = {"chksunrot", "chkposang", "chkdrift", "optdst",        "chkflip", "chkaltaz",
                                 "chkequat",  "chkgrid",   "chkinvert", "chksunequator", "chkaxes"};

/// A window without widgets: holds texts and states and records every call that sets them.
struct FakeForm : SettingsForm {
    std::map<TextBox, std::string> texts;
    std::map<CheckBox, int> states;
    std::vector<std::string> calls;
    int16_t state = 0;
    TwipsRect geom;
    std::vector<TwipsRect> screenlist;
    int events = 0;

    std::string text(TextBox b) const override { return texts.contains(b) ? texts.at(b) : ""; }
    void settext(TextBox b, const std::string& t) override { calls.push_back(TEXT_NAMES[int(b)] + ("=" + (texts[b] = t))); }
    int value(CheckBox b) const override { return states.contains(b) ? states.at(b) : 0; }
    void setvalue(CheckBox b, int v) override { calls.push_back(BOX_NAMES[int(b)] + ("=" + std::to_string(states[b] = v))); }
    int16_t windowstate() const override { return state; }
    void setwindowstate(int16_t s) override { calls.push_back("windowstate=" + std::to_string(state = s)); }
    TwipsRect geometry() const override { return geom; }
    void setgeometry(const TwipsRect& g) override { geom = g, calls.push_back("geometry"); }
    std::vector<TwipsRect> screens() const override { return screenlist; }
    void processevents() override { ++events; }
};

struct Message { std::string title, text; };
struct FakeMessages : MessageBoxes {
    std::vector<Message> shown;
    void showmessage(const std::string& title, const std::string& text) override { shown.push_back({title, text}); }
};

/// One run of a program on a folder.
struct Session {
    Program program;
    std::string folder;
    FakeForm form;
    SettingsState state;
    ObsInput obs;
    ViewOpts view;
    StyleOpts style;
    FakeMessages messages;
    Session(Program p, std::string f) : program(p), folder(std::move(f)) {}
    int load() { return loadsettings(program, folder, form, state, obs, view, style).fault; }
    bool save() {
        const Outcome o = writeini(program, folder, form, state, obs, view, style);
        if (!o.done()) messages.showmessage(SAVE_MESSAGE_TITLE, o.message);
        return o.done();
    }
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
std::vector<int32_t> rect(const TwipsRect& r) { return {r.left, r.top, r.width, r.height}; }
/// The little-endian field of size 2 or 4 at offset at.
int32_t le(const std::string& s, size_t at, size_t size = 2) {
    uint32_t v = 0;
    for (size_t k = 0; k < size; ++k) v |= static_cast<uint32_t>(static_cast<uint8_t>(s[at + k])) << (8 * k);
    return size == 2 ? static_cast<int16_t>(v) : static_cast<int32_t>(v);
}
std::string randombytes(size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    std::string s(n, '\0');
    for (char& c : s) c = static_cast<char>(rng());
    return s;
}

std::vector<int32_t> geometryfields(const std::string& f) { return {le(f, 152, 4), le(f, 156, 4), le(f, 160, 4), le(f, 164, 4)}; }
/// What each name in a folder holds, folders included.
std::map<std::string, std::string> snapshot(const std::string& folder) {
    std::map<std::string, std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        out[e.path().string()] = e.is_directory() ? "<folder>" : readall(e.path().string());
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

TEST_F(SettingsFilesTest, ViewerStartSetsBoxesThenTexts) {
    SettingsRec equat = viewerrecord(), altaz = viewerrecord();
    equat.zonehours = -4, equat.reserved40 = {30, -4}, equat.dst = 1, equat.flipsign = 1;
    equat.grid = 1, equat.rotation = 1, equat.drift = 1;
    altaz.lat10 = -335, altaz.long10 = 1234, altaz.zonehours = 10, altaz.mountaltaz = 1;
    altaz.invert = 1, altaz.posangles = 1;
    const struct { const char* name; SettingsRec rec; std::vector<std::string> calls; float tz; } rows[] = {
        {"equatorial mount, Newfoundland zone", equat,
         {"chksunrot=1", "chkposang=0", "chkdrift=1", "optdst=1", "chkflip=1", "chkequat=1", "chkgrid=1",
          "chkinvert=0", "txttz=-3.5", "txtlat= 51.5", "txtlong=   -.5"}, -3.5f},
        {"alt-azimuth mount, south and west", altaz,
         {"chksunrot=0", "chkposang=1", "chkdrift=0", "optdst=0", "chkflip=0", "chkaltaz=1", "chkgrid=0",
          "chkinvert=1", "txttz= 10", "txtlat=-33.5", "txtlong= 123.4"}, 10.0f},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        writeall(path("orra.ini"), bytesof(r.rec));
        Session s{Program::quorvel, folder};
        ASSERT_EQ(s.load(), 0);
        EXPECT_EQ(s.form.calls, r.calls);
        EXPECT_EQ(s.state.rec, r.rec);
        EXPECT_EQ(std::vector<float>({s.obs.lat, s.obs.lon, s.obs.tz}),
                  std::vector<float>({static_cast<float>(r.rec.lat10 / 10.0), static_cast<float>(r.rec.long10 / 10.0), r.tz}));
        const ViewOpts& v = s.view;
        EXPECT_EQ(std::vector<int>({s.obs.dst, v.flip, v.altaz, v.grid, v.invert, v.sunrot, v.posang, v.drift}),
                  std::vector<int>({r.rec.dst, r.rec.flipsign, r.rec.mountaltaz, r.rec.grid, r.rec.invert,
                                    r.rec.rotation, r.rec.posangles, r.rec.drift}));
    }
}

TEST_F(SettingsFilesTest, GrayedStatesLoadUncheckedOnlyInTheViewer) {
    SettingsRec rec = viewerrecord();
    rec.rotation = 2, rec.posangles = 2, rec.drift = 2, rec.sunequator = 2, rec.axes = 2;
    rec.reserved10 = GRAPHICS_RECORD_MARK;  // a record quorvel_g wrote, so its style is read
    writeall(path("orra.ini"), bytesof(rec));
    Session viewer{Program::quorvel, folder}, graphics{Program::quorvel_g, folder};
    ASSERT_EQ(viewer.load(), 0);
    ASSERT_EQ(graphics.load(), 0);
    for (CheckBox b : {CheckBox::chksunrot, CheckBox::chkposang, CheckBox::chkdrift})
        EXPECT_EQ(viewer.form.value(b), 0) << BOX_NAMES[static_cast<int>(b)];
    EXPECT_EQ(std::vector<int>({viewer.view.sunrot, viewer.view.posang, viewer.view.drift}), std::vector<int>(3, 0));
    for (CheckBox b : {CheckBox::chksunrot, CheckBox::chkposang, CheckBox::chksunequator, CheckBox::chkaxes})
        EXPECT_EQ(graphics.form.value(b), 2) << BOX_NAMES[static_cast<int>(b)];
    EXPECT_EQ(std::vector<int>({graphics.view.sunrot, graphics.view.posang}), std::vector<int>(2, 2));
    EXPECT_EQ(graphics.style.showequator, 0);
}

TEST_F(SettingsFilesTest, GraphicsStartSetsWindowThenFieldsThenStyle) {
    SettingsRec rec = viewerrecord();
    rec.drift = 1, rec.winstate = 2, rec.labelinterval = 30, rec.markinterval = -5, rec.fontsize = 14;
    rec.gridspacing = 15, rec.diameter = 500, rec.sunequator = 1, rec.reserved10 = GRAPHICS_RECORD_MARK;
    writeall(path("orrag.ini"), bytesof(rec));
    Session s{Program::quorvel_g, folder};
    ASSERT_EQ(s.load(), 0);
    EXPECT_EQ(s.form.calls, (std::vector<std::string>{
        "windowstate=2", "geometry", "chksunrot=0", "chkposang=0", "optdst=0", "chkflip=0", "chkequat=1",
        "chkgrid=0", "chkinvert=0", "txttz= 0", "txtlat= 51.5", "txtlong=   -.5", "txtlabint= 30",
        "txtangint=-5", "txtfont= 14", "txtgspace= 15", "txtdia= 500", "chksunequator=1", "chkaxes=0"}));
    EXPECT_EQ(s.style.showequator, 1);
    EXPECT_EQ(s.view.drift, 0) << "quorvel_g has no drift arrows";
}

TEST_F(SettingsFilesTest, ViewerFirstRunStartsFromZeros) {
    Session s{Program::quorvel, folder};
    ASSERT_EQ(s.load(), 0);
    ASSERT_TRUE(fs::is_regular_file(path("orra.ini")));
    EXPECT_EQ(fs::file_size(path("orra.ini")), 0u);
    EXPECT_EQ(s.state.rec, SettingsRec{});
    EXPECT_EQ(s.form.texts, (std::map<TextBox, std::string>{
        {TextBox::txtlat, "   .0"}, {TextBox::txtlong, "    .0"}, {TextBox::txttz, " 0"}}));
    for (int b = 0; b <= static_cast<int>(CheckBox::chkinvert); ++b)
        EXPECT_EQ(s.form.value(CheckBox(b)), CheckBox(b) == CheckBox::chkequat ? 1 : 0) << BOX_NAMES[b];
    EXPECT_EQ(std::vector<float>({s.obs.lat, s.obs.lon, s.obs.tz}), std::vector<float>(3, 0.0f));
}

TEST_F(SettingsFilesTest, ViewerSaveCarriesTheOtherFieldsThrough) {
    std::string old = randombytes(SETTINGS_RECORD_SIZE, 7);
    old.replace(40, 4, std::string("\x1e\x00\x07\x00", 4));  // 30 minutes of a zone of 7 hours
    const struct { const char* tz; int16_t hours; std::string minutebytes; } rows[] = {
        {"0", 0, old.substr(40, 4)},                    // minutes of another zone stay as they were
        {"5.5", 5, std::string("\x1e\x00\x05\x00", 4)},  // 30 minutes of zone 5
        {"5,5", 5, old.substr(40, 4)},                  // read as the redraw reads it: a whole 5
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.tz);
        writeall(path("orra.ini"), old);
        Session s{Program::quorvel, folder};
        ASSERT_EQ(s.load(), 0);
        s.form.texts = {{TextBox::txtlat, "51.5"}, {TextBox::txtlong, "-0.5"}, {TextBox::txttz, r.tz}};
        s.form.states.clear();
        ASSERT_TRUE(s.save());
        const std::string now = readall(path("orra.ini"));
        ASSERT_EQ(now.size(), SETTINGS_RECORD_SIZE);
        EXPECT_EQ(now.substr(0, 4), "\x03\x02\xFB\xFF");  // the London observer
        EXPECT_EQ(le(now, 4), r.hours);
        EXPECT_EQ(now.substr(6, 4), std::string("\x00\x00\xFF\xFF", 4));
        EXPECT_EQ(now.substr(10, 2), old.substr(10, 2));
        EXPECT_EQ(now.substr(12, 12), std::string(12, '\0')) << "mount and options unchecked";
        EXPECT_EQ(now.substr(24, 16), old.substr(24, 16));
        EXPECT_EQ(now.substr(40, 4), r.minutebytes);
        EXPECT_EQ(now.substr(44, 22), old.substr(44, 22));
        EXPECT_EQ(le(now, 66), 0);
        EXPECT_EQ(now.substr(68, 84), old.substr(68, 84));
        EXPECT_EQ(geometryfields(now), std::vector<int32_t>({100, 300, 12900, 11100}));
    }
}

TEST_F(SettingsFilesTest, GraphicsFirstRunImportsTheViewerFile) {
    SettingsRec rec = viewerrecord();
    rec.winstate = 1, rec.winleft = 5000, rec.diameter = 640, rec.diskcolour = 0x00FF00;
    writeall(path("orra.ini"), bytesof(rec));
    Session viewer{Program::quorvel, folder};
    ASSERT_EQ(viewer.load(), 0);
    viewer.form.texts[TextBox::txtlat] = "-45.3";
    ASSERT_TRUE(viewer.save());
    const std::string viewerfile = readall(path("orra.ini")) + "trailing bytes";
    writeall(path("orra.ini"), viewerfile);

    Session first{Program::quorvel_g, folder};
    first.form.screenlist = {{0, 0, 28800, 16200}};
    ASSERT_EQ(first.load(), 0);
    EXPECT_EQ(readall(path("orrag.ini")), viewerfile);
    EXPECT_FALSE(fs::exists(path("orragold.ini")));
    EXPECT_EQ(first.form.state, 0);
    EXPECT_EQ(rect(first.form.geom), (std::vector<int32_t>{300, 100, 12900, 11100}));
    EXPECT_EQ(first.form.text(TextBox::txtlat), "-45.3");
    EXPECT_EQ(first.form.text(TextBox::txtdia), "500") << "a record quorvel_g never wrote holds no style";
    EXPECT_EQ(first.style.diskcolour, 0xFFFFFF);
    first.form.texts[TextBox::txtdia] = "720";
    ASSERT_TRUE(first.save());
    const std::string saved = readall(path("orrag.ini"));

    Session second{Program::quorvel_g, folder};
    ASSERT_EQ(second.load(), 0);
    EXPECT_EQ(readall(path("orragold.ini")), saved);
    EXPECT_EQ(second.form.text(TextBox::txtdia), " 720");
    EXPECT_EQ(readall(path("orra.ini")), viewerfile) << "quorvel_g never writes the viewer's file";
}

// A program folder that may take the file keeps it; one that cannot (here
// one that does not exist; as root, permissions stop no write) sends it to
// the configuration folder.
TEST_F(SettingsFilesTest, SettingsLiveBesideTheProgramOrInTheConfigurationFolder) {
    EXPECT_EQ(settingsfolder(folder, "orra.ini", "/config"), folder);
    EXPECT_EQ(settingsfolder(folder + "/gone", "orra.ini", "/config"), "/config");
}

TEST_F(SettingsFilesTest, StartUpFaults) {
    Session g{Program::quorvel_g, folder};
    EXPECT_EQ(g.load(), FAULT_FILE_NOT_FOUND);
    EXPECT_TRUE(fs::is_empty(folder)) << "nothing is created when neither file exists";
    EXPECT_EQ(startupmessage(Program::quorvel_g, FAULT_FILE_NOT_FOUND, 6),
              "File 'orra.ini' or 'orrag.ini is missing from the program folder.  The program cannot run.");
    EXPECT_EQ(startupmessage(Program::quorvel, FAULT_FILE_NOT_FOUND, 0),
              "File 'orra.ini' or 'orraold.ini is missing from the program folder.  The program cannot run.");
    EXPECT_EQ(startupmessage(Program::quorvel, 57, 0), "ERROR 57 occurred in subroutine f1 load.  The program cannot run.");
    EXPECT_EQ(startupmessage(Program::quorvel_g, 70, 6),
              "Line = 6   ERROR 70 occurred in subroutine f1 load.  The program cannot run.");
    // A folder where a file should be: a fault of its own, not a missing file.
    for (auto [p, name] : {std::pair{Program::quorvel, "orra.ini"}, std::pair{Program::quorvel_g, "orra.ini"},
                           std::pair{Program::quorvel_g, "orrag.ini"}}) {
        fs::create_directory(path(name));
        Session s{p, folder};
        const int fault = s.load();
        EXPECT_TRUE(fault == FAULT_DEVICE_IO || fault == FAULT_PERMISSION_DENIED)
            << settingsfilename(p) << " with a folder " << name << ": " << fault;
    }
}

TEST_F(SettingsFilesTest, EveryFieldRoundTripsThroughLoadAndSave) {
    const std::vector<int16_t> tenths = {-32768, -32767, -10000, -1800, -999, -335, -11, -10, -9, -1, 0,
                                         1,      5,      9,      10,    99,   100,  515, 999, 1800, 32767};
    for (size_t i = 0; i < tenths.size(); ++i) {
        const std::string noise = randombytes(SETTINGS_RECORD_SIZE, static_cast<unsigned>(i));
        SettingsRec v = decoderecord(std::span(reinterpret_cast<const uint8_t*>(noise.data()), noise.size()));
        v.lat10 = tenths[i], v.long10 = tenths[tenths.size() - 1 - i];
        v.zonehours = static_cast<int16_t>(i % 27) - 13;
        v.reserved40[0] = static_cast<int16_t>(i * 7 % 60), v.reserved40[1] = i % 3 ? v.zonehours : 0;
        v.dst = i % 2, v.flipsign = i % 3 ? 1 : -1, v.mountaltaz = i % 4 == 0, v.grid = i % 5 == 0;
        v.invert = i % 2 == 0, v.rotation = i % 3 == 0, v.posangles = i % 4 == 1, v.drift = i % 5 == 2;
        v.winstate = 0, v.wintop = 100, v.winleft = 300, v.winwidth = 12900, v.winheight = 11100;

        SettingsRec g = v;  // quorvel_g writes zeros where nothing is read, and keeps grayed states
        g.reserved10 = 100, g.drift = 0, g.reserved24 = 0, g.reserved100 = {};
        std::fill(g.reserved40.begin() + 2, g.reserved40.end(), 0);
        if (recordzone(g) == g.zonehours) g.reserved40[0] = g.reserved40[1] = 0;
        g.rotation = i % 3, g.posangles = (i + 1) % 3, g.sunequator = (i + 2) % 3, g.axes = i % 3;
        const int32_t k = static_cast<int32_t>(i);
        g.winstate = static_cast<int16_t>(i % 3), g.wintop = -200 * k, g.winleft = 1000 * k;
        g.winwidth = 3000 + 1000 * k, g.winheight = 20000;

        for (auto [program, rec] : {std::pair{Program::quorvel, v}, std::pair{Program::quorvel_g, g}}) {
            SCOPED_TRACE(testing::Message() << settingsfilename(program) << ", lat10 " << rec.lat10);
            const std::string file = path(settingsfilename(program));
            writeall(file, bytesof(rec));
            Session s{program, folder};
            ASSERT_EQ(s.load(), 0);
            ASSERT_TRUE(s.save());
            EXPECT_EQ(readall(file), bytesof(rec));
        }
    }
}

TEST_F(SettingsFilesTest, TypedValuesStoredAndShownAgain) {
    static constexpr Program both[] = {Program::quorvel, Program::quorvel_g};
    static constexpr const Program* graphics = both + 1;
    const struct {
        TextBox box;
        const char* typed;
        size_t offset;
        int16_t stored;
        const char* shown;  // nullptr: not checked
        const Program* from = both;
    } rows[] = {
        {TextBox::txtlat, "0.7", 0, 7, "   .7"},       {TextBox::txtlat, "-0.2", 0, -2, "  -.2"},
        {TextBox::txtlat, "95", 0, 950, " 95.0"},      {TextBox::txtlat, "51,5", 0, 515, " 51.5"},
        {TextBox::txtlat, "N 51", 0, 0, "   .0"},      {TextBox::txtlong, "-0.15", 2, -2, "   -.2"},
        {TextBox::txtlong, "-3276.8", 2, -32768, "-3276.8"},
        {TextBox::txttz, "-3.5", 4, -4, "-3.5"},       {TextBox::txttz, "5.75", 4, 5, " 5.75"},
        {TextBox::txttz, "-12", 4, -12, "-12"},
        {TextBox::txtlabint, " 30", 26, 30, nullptr, graphics}, {TextBox::txtangint, "12.9", 28, 12, nullptr, graphics},
        {TextBox::txtfont, "-2,5", 30, -2, nullptr, graphics},  // no decimal comma here: the comma ends the number
        {TextBox::txtgspace, " -3.5", 32, -4, nullptr, graphics}, {TextBox::txtdia, "big", 34, 0, nullptr, graphics},
        {TextBox::txtdia, "1e3", 34, 1000, nullptr, graphics},
    };
    for (const auto& r : rows) {
        for (const Program* program = r.from; program != std::end(both); ++program) {
            SCOPED_TRACE(testing::Message() << settingsfilename(*program) << ": \"" << r.typed << '"');
            writeall(path(settingsfilename(*program)), bytesof(viewerrecord()));
            Session s{*program, folder};
            ASSERT_EQ(s.load(), 0);
            s.form.texts[r.box] = r.typed;
            ASSERT_TRUE(s.save());
            const std::string file = readall(path(settingsfilename(*program)));
            EXPECT_EQ(le(file, r.offset), r.stored);
            const double tz = textvalue(commatodot(r.typed));
            if (r.box == TextBox::txttz && tz != r.stored) {  // the minutes beside the floor of the zone
                EXPECT_EQ(std::vector<int>({le(file, 40), le(file, 42)}),
                          std::vector<int>({static_cast<int>((tz - r.stored) * 60), r.stored}));
            }
            Session next{*program, folder};
            ASSERT_EQ(next.load(), 0);
            if (r.shown) {
                EXPECT_EQ(next.form.text(r.box), r.shown);
            }
        }
    }
}

TEST_F(SettingsFilesTest, GraphicsSaveWritesItsOwnFields) {
    writeall(path("orrag.ini"), randombytes(SETTINGS_RECORD_SIZE, 3));
    Session s{Program::quorvel_g, folder};
    ASSERT_EQ(s.load(), 0);
    s.form.states[CheckBox::chkaxes] = 2;
    s.form.state = 1;
    s.form.geom = {-100, 50, 9000, 7000};
    s.style.arrowcolour = 0x123456;
    ASSERT_TRUE(s.save());
    EXPECT_GT(s.form.events, 0) << "pending window events run during the save";
    const std::string f = readall(path("orrag.ini"));
    ASSERT_EQ(f.size(), SETTINGS_RECORD_SIZE);
    EXPECT_EQ(std::vector<int>({le(f, 10), le(f, 22), le(f, 24), le(f, 38), le(f, 66)}),
              std::vector<int>({100, 0, 0, 2, 1}));
    EXPECT_EQ(f.substr(44, 22), std::string(22, '\0'));
    EXPECT_EQ(f.substr(100, 52), std::string(52, '\0'));
    EXPECT_EQ(le(f, 92, 4), 0x123456);
    EXPECT_EQ(geometryfields(f), std::vector<int32_t>({50, -100, 9000, 7000}));
}

TEST_F(SettingsFilesTest, ValueTooLargeForItsFieldIsNotSaved) {
    const struct { Program program; TextBox box; const char* typed; const char* name; } rows[] = {
        {Program::quorvel, TextBox::txtlat, "5000", "latitude"},
        {Program::quorvel, TextBox::txtlat, "1e39", "latitude"},
        {Program::quorvel, TextBox::txtlong, "3276.8", "longitude"},
        {Program::quorvel, TextBox::txttz, "-40000", "time difference"},
        {Program::quorvel_g, TextBox::txtdia, "32768", "solar diameter"},
        {Program::quorvel_g, TextBox::txtfont, "-32769", "label font size"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.typed);
        const std::string file = path(settingsfilename(r.program)), old = bytesof(viewerrecord());
        writeall(file, old);
        Session s{r.program, folder};
        ASSERT_EQ(s.load(), 0);
        s.form.texts[r.box] = r.typed;
        EXPECT_FALSE(s.save());
        EXPECT_EQ(readall(file), old);
        ASSERT_EQ(s.messages.shown.size(), 1u);
        EXPECT_EQ(s.messages.shown[0].title, SAVE_MESSAGE_TITLE);
        EXPECT_NE(s.messages.shown[0].text.find(r.name), std::string::npos) << s.messages.shown[0].text;
        EXPECT_NE(s.messages.shown[0].text.find(r.typed), std::string::npos) << s.messages.shown[0].text;
    }
}

/// A save that the file system refuses: the folder is left as it was and the user is told.
/// A file size limit, like a disk that fills, holds during the save only; root is bound by it too.
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
    const bool ok = s.save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    ASSERT_TRUE(limitset);
    EXPECT_FALSE(ok);
    EXPECT_EQ(snapshot(folder), before);
    ASSERT_EQ(s.messages.shown.size(), 1u);
    EXPECT_EQ(s.messages.shown[0].title, SAVE_MESSAGE_TITLE);
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
        EXPECT_EQ(readall(path("orra.ini")), old);
    }
    ASSERT_EQ(chmod(folder.c_str(), 0555), 0);  // a read-only folder binds every user but root
    if (!std::ofstream(path("probe")).is_open()) {
        SCOPED_TRACE("the folder is read-only");
        expectfailedsave(folder, folder);
    }
    chmod(folder.c_str(), 0755);
}

TEST_F(SettingsFilesTest, InvisibleWindowFallsBackToTheFixedGeometry) {
    const struct { const char* name; TwipsRect stored; bool kept; } rows[] = {
        {"on the first screen", {2000, 1000, 15000, 12000}, true},
        {"on the second screen", {30000, 500, 9000, 6000}, true},
        {"partly off the top left corner", {-5000, -2000, 9000, 9000}, true},
        {"zero width", {2000, 1000, 0, 12000}, false},
        {"zero height", {2000, 1000, 15000, 0}, false},
        {"a few pixels", {2000, 1000, 60, 60}, false},
        {"negative width", {20000, 1000, -15000, 12000}, false},
        {"right of every screen, touching the last", {48000, 0, 9000, 9000}, false},
        {"below every screen", {2000, 16200, 9000, 9000}, false},
        {"below the second screen, beside the first", {30000, 12000, 9000, 3000}, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        SettingsRec rec = viewerrecord();
        rec.winstate = 2, rec.winleft = r.stored.left, rec.wintop = r.stored.top;
        rec.winwidth = r.stored.width, rec.winheight = r.stored.height;
        writeall(path("orrag.ini"), bytesof(rec));
        Session s{Program::quorvel_g, folder};
        s.form.screenlist = {{0, 0, 28800, 16200}, {28800, 0, 19200, 10800}};
        ASSERT_EQ(s.load(), 0);
        EXPECT_EQ(rect(s.form.geom), rect(r.kept ? r.stored : TwipsRect{300, 100, 12900, 11100}));
        EXPECT_EQ(s.form.state, 2);
    }
}

TEST_F(SettingsFilesTest, AnyFileContentLoadsAndSaves) {
    for (Program program : {Program::quorvel, Program::quorvel_g}) {
        for (size_t n : {0, 1, 10, 167, 168, 169, 1000, 70000}) {
            SCOPED_TRACE(testing::Message() << settingsfilename(program) << ", " << n << " bytes");
            const std::string content = randombytes(n, static_cast<unsigned>(n));
            const std::string file = path(settingsfilename(program));
            writeall(file, content);
            Session s{program, folder};
            s.form.screenlist = {{0, 0, 28800, 16200}};
            ASSERT_EQ(s.load(), 0);
            SettingsBytes first{};
            std::copy_n(content.begin(), std::min(n, SETTINGS_RECORD_SIZE), first.begin());
            EXPECT_EQ(s.state.rec, decoderecord(first));
            EXPECT_EQ(textvalue(s.form.text(TextBox::txtlat)), s.state.rec.lat10 / 10.0);
            EXPECT_EQ(textvalue(s.form.text(TextBox::txtlong)), s.state.rec.long10 / 10.0);
            if (program == Program::quorvel_g) {
                EXPECT_EQ(readall(path("orragold.ini")), content);
            }
            EXPECT_TRUE(s.save());
            EXPECT_EQ(fs::file_size(file), SETTINGS_RECORD_SIZE);
        }
    }
}

}  // namespace
}  // namespace quorvel
