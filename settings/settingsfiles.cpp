#include "settingsfiles.h"

#include <cmath>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "numbertext.h"
#include "recordcheck.h"
#include "recordfile.h"
#include "textvalue.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

std::string filepath(const std::string& folder, const char* name) {
    return folder.empty() ? std::string(name) : folder + "/" + name;
}

/// A check box state as stored: 0, 1 or 2 (grayed); anything else unchecked.
int storedstate(int16_t v) { return v >= 0 && v <= 2 ? v : 0; }
int exactlyone(int16_t v) { return v == 1 ? 1 : 0; }
int16_t ischecked(const SettingsForm& form, CheckBox box) { return form.value(box) == 1 ? 1 : 0; }

/// The zone as a signed number text: " 1", "-5", " 5.5".
std::string zonetext(double tz) { return signedtext(std::round(tz * 1e4) / 1e4); }

/// The module values of a loaded record.
void applyvalues(Program program, const SettingsRec& rec, SettingsState& state, ObsInput& obs,
                 ViewOpts& view) {
    const bool g = program == Program::quorvel_g;
    state.inilat = static_cast<float>(rec.lat10 / 10.0);
    state.inilong = static_cast<float>(rec.long10 / 10.0);
    obs.tz = static_cast<float>(recordzone(rec));
    obs.dst = rec.dst;
    view.flip = rec.flipsign;
    view.altaz = rec.mountaltaz;
    view.grid = rec.grid;
    view.invert = rec.invert;
    auto upto1 = [](int16_t v) { return static_cast<int16_t>(v > 1 ? 0 : v); };
    view.sunrot = g ? rec.rotation : upto1(rec.rotation);
    view.posang = g ? rec.posangles : upto1(rec.posangles);
    if (!g) view.drift = upto1(rec.drift);
}

/// The check boxes, in the window's order: setting a box raises its click event.
void applyboxes(Program program, const SettingsRec& rec, const ViewOpts& view, SettingsForm& form) {
    const bool g = program == Program::quorvel_g;
    form.setvalue(CheckBox::chksunrot, g ? storedstate(rec.rotation) : exactlyone(view.sunrot));
    form.setvalue(CheckBox::chkposang, g ? storedstate(rec.posangles) : exactlyone(view.posang));
    if (!g) form.setvalue(CheckBox::chkdrift, exactlyone(view.drift));
    form.setvalue(CheckBox::optdst, exactlyone(rec.dst));
    form.setvalue(CheckBox::chkflip, exactlyone(rec.flipsign));
    form.setvalue(rec.mountaltaz == 1 ? CheckBox::chkaltaz : CheckBox::chkequat, 1);
    form.setvalue(CheckBox::chkgrid, exactlyone(rec.grid));
    form.setvalue(CheckBox::chkinvert, exactlyone(rec.invert));
}

void applyplacetexts(const SettingsRec& rec, SettingsForm& form) {
    form.settext(TextBox::txttz, zonetext(recordzone(rec)));
    form.settext(TextBox::txtlat, tenthstext(rec.lat10, 4));
    form.settext(TextBox::txtlong, tenthstext(rec.long10, 5));
}

void applystyle(const SettingsRec& rec, SettingsForm& form, StyleOpts& style) {
    if (rec.reserved10 != GRAPHICS_RECORD_MARK) {  // a record quorvel_g never wrote holds no style
        applydefaultstyle(form, style);
        return;
    }
    form.settext(TextBox::txtlabint, signedtext(rec.labelinterval));
    form.settext(TextBox::txtangint, signedtext(rec.markinterval));
    form.settext(TextBox::txtfont, signedtext(rec.fontsize));
    form.settext(TextBox::txtgspace, signedtext(rec.gridspacing));
    form.settext(TextBox::txtdia, signedtext(rec.diameter));
    form.setvalue(CheckBox::chksunequator, storedstate(rec.sunequator));
    form.setvalue(CheckBox::chkaxes, storedstate(rec.axes));
    style.showequator = rec.sunequator == 1 ? 1 : 0;
    recordcolours(rec, style);
}

bool intersects(const TwipsRect& a, const TwipsRect& b) {
    // In 64 bits: a stored width may be anything a file holds.
    auto end = [](int32_t start, int32_t size) { return static_cast<int64_t>(start) + size; };
    return a.left < end(b.left, b.width) && b.left < end(a.left, a.width) && a.top < end(b.top, b.height) &&
           b.top < end(a.top, a.height);
}

void applywindow(const SettingsRec& rec, SettingsForm& form) {
    constexpr int32_t SMALLEST = 1500;  // twips: about 100 pixels, still a usable window
    const TwipsRect stored{rec.winleft, rec.wintop, rec.winwidth, rec.winheight};
    bool visible = stored.width >= SMALLEST && stored.height >= SMALLEST;
    const auto screens = form.screens();
    if (visible && !screens.empty()) {
        visible = false;
        for (const TwipsRect& s : screens) visible = visible || intersects(stored, s);
    }
    form.setwindowstate(rec.winstate);
    form.setgeometry(visible ? stored : GRAPHICS_WINDOW_FIRST);
}

/// What a start says of a record no save writes, kept aside as NAME.bad.
std::string outofrange(const std::string& path, const std::string& field, bool keptaside) {
    return keptaside ? fillin(MESSAGE_TEXT("Message", "The settings file '%1' holds values out of range (the %2); the defaults "
                                                      "are used. It is kept as '%1.bad'."), {path, field})
                     : fillin(MESSAGE_TEXT("Message", "The settings file '%1' holds values out of range (the %2); the defaults "
                                                      "are used."), {path, field});
}

/// Reads a record that a save of ours could have written. A record that
/// fails its checks is read as the all-zero record of a first start; own
/// says whether the file is this program's, set aside as NAME.bad.
Outcome readsoundrecord(const std::string& path, bool own, SettingsBytes& bytes, std::string& notice) {
    if (Outcome read = readrecordfile(path, bytes); !read.done()) return read;
    const auto field = unsavedfield(decoderecord(bytes));
    if (!field) return Outcome::ok();
    bytes.fill(0);
    std::error_code failed;
    if (own) fs::rename(path, path + ".bad", failed);
    notice = outofrange(path, *field, own && !failed);
    return Outcome{OutcomeKind::inputfault, notice};
}

bool missing(const Outcome& read) { return read.fault == FAULT_FILE_NOT_FOUND; }

/// quorvel_g: read "orrag.ini" and back it up when sound, else import
/// "orra.ini" on the first run; without either, the defaults of a first start.
Outcome readgraphicsfile(const Folders& folders, SettingsBytes& bytes, SettingsState& state) {
    const std::string own = filepath(folders.settings, GRAPHICS_SETTINGS_FILE);
    const Outcome read = readsoundrecord(own, true, bytes, state.notice);
    // A backup that cannot be written costs nothing now; the settings still load.
    if (read.done()) copyfile(own, filepath(folders.settings, GRAPHICS_BACKUP_FILE));
    if (!missing(read)) return read.kind == OutcomeKind::inputfault ? Outcome::ok() : read;
    const std::string viewer = filepath(folders.viewersettings, QUORVEL_SETTINGS_FILE);
    const Outcome imported = readsoundrecord(viewer, false, bytes, state.notice);
    if (imported.done()) copyfile(viewer, own);  // where the folder is read-only, the record read serves
    state.firststart = missing(imported);
    return imported.kind == OutcomeKind::io && !missing(imported) ? imported : Outcome::ok();
}

Outcome readviewerfile(const std::string& folder, SettingsBytes& bytes, SettingsState& state) {
    const std::string path = filepath(folder, QUORVEL_SETTINGS_FILE);
    bytes.fill(0);
    const Outcome read = readsoundrecord(path, true, bytes, state.notice);
    if (read.kind != OutcomeKind::io) return Outcome::ok();
    if (!missing(read)) return read;
    state.firststart = true;
    replacefile(path, "");  // the empty file of a first run, where the folder allows
    return Outcome::ok();
}

}  // namespace

namespace {

/// Which record field keeps which style colour.
constexpr std::pair<int32_t SettingsRec::*, int32_t StyleOpts::*> COLOUR_FIELDS[] = {
    {&SettingsRec::diskcolour, &StyleOpts::diskcolour},       {&SettingsRec::backcolour, &StyleOpts::backcolour},
    {&SettingsRec::limbcolour, &StyleOpts::limbcolour},       {&SettingsRec::pacolour, &StyleOpts::pacolour},
    {&SettingsRec::gridcolour, &StyleOpts::gridcolour},       {&SettingsRec::equatorcolour, &StyleOpts::equatorcolour},
    {&SettingsRec::arrowcolour, &StyleOpts::arrowcolour},     {&SettingsRec::axiscolour, &StyleOpts::axiscolour}};

}  // namespace

void applydefaultstyle(SettingsForm& form, StyleOpts& style) {
    form.settext(TextBox::txtdia, DEFAULT_DIAMETER);
    form.settext(TextBox::txtgspace, DEFAULT_GRID_INTERVAL);
    form.settext(TextBox::txtangint, DEFAULT_MARK_INTERVAL);
    form.settext(TextBox::txtlabint, DEFAULT_LABEL_INTERVAL);
    form.settext(TextBox::txtfont, DEFAULT_FONT_SIZE);
    form.setvalue(CheckBox::chksunequator, 1);
    form.setvalue(CheckBox::chkaxes, 1);
    style.showequator = 1;
    defaultcolours(style);
}

void recordcolours(const SettingsRec& rec, StyleOpts& style) {
    for (const auto& [inrecord, instyle] : COLOUR_FIELDS) style.*instyle = rec.*inrecord;
}

void storecolours(const StyleOpts& style, SettingsRec& rec) {
    for (const auto& [inrecord, instyle] : COLOUR_FIELDS) rec.*inrecord = style.*instyle;
}

const char* settingsfilename(Program program) {
    return program == Program::quorvel ? QUORVEL_SETTINGS_FILE : GRAPHICS_SETTINGS_FILE;
}

Outcome loadsettings(Program program, const Folders& folders, SettingsForm& form,
                     SettingsState& state, ObsInput& obs, ViewOpts& view, StyleOpts& style) {
    SettingsBytes bytes{};
    const bool g = program == Program::quorvel_g;
    state.notice.clear();
    state.firststart = false;
    if (Outcome read = g ? readgraphicsfile(folders, bytes, state) : readviewerfile(folders.settings, bytes, state);
        !read.done())
        return read;
    applyrecord(program, decoderecord(bytes), form, state, obs, view, style);
    return Outcome::ok();
}

void applyrecord(Program program, const SettingsRec& rec, SettingsForm& form, SettingsState& state,
                 ObsInput& obs, ViewOpts& view, StyleOpts& style) {
    const bool g = program == Program::quorvel_g;
    state.rec = rec;
    if (g) applywindow(rec, form);
    applyvalues(program, rec, state, obs, view);
    applyboxes(program, rec, view, form);
    applyplacetexts(rec, form);
    obs.lat = state.inilat;  // the next redraw uses the loaded place
    obs.lon = state.inilong;
    if (g) applystyle(rec, form, style);
}

std::string startupmessage(const Outcome& failure) {
    const std::string why = failure.message.empty()
                                ? "ERROR " + std::to_string(failure.fault) + " occurred while reading the settings"
                                : failure.message;
    return why + ".  The program cannot run.";
}

namespace {

/// A value that must fit a 16-bit field, with the name a message gives it.
struct Field16 {
    const char* name;
    std::string typed;
    double value;  ///< already scaled and rounded as stored
    double unit;   ///< what one step of the field is worth, in the typed unit
};

/// The message when a value does not fit; nullopt when all fit.
std::optional<std::string> unfitting(const std::vector<Field16>& fields, const char* file) {
    for (const Field16& f : fields) {
        if (f.value >= -32768 && f.value <= 32767) continue;
        return fillin(MESSAGE_TEXT("Message", "The %1 %2 is too large to keep: it must lie between %3 and %4. The settings "
                                              "were not saved; '%5' keeps the previous ones."),
                      {f.name, quotedtyped(f.typed), generaltext(-32768 * f.unit), generaltext(32767 * f.unit), file});
    }
    return std::nullopt;
}

double floorvalue(const SettingsForm& form, TextBox box) {
    return std::floor(textvalue(form.text(box)));
}

/// The fields only quorvel_g owns.
void graphicsfields(const SettingsForm& form, const StyleOpts& style, SettingsRec& rec) {
    rec.reserved10 = GRAPHICS_RECORD_MARK;
    rec.drift = 0;
    rec.reserved24 = 0;
    rec.labelinterval = static_cast<int16_t>(floorvalue(form, TextBox::txtlabint));
    rec.markinterval = static_cast<int16_t>(floorvalue(form, TextBox::txtangint));
    rec.fontsize = static_cast<int16_t>(floorvalue(form, TextBox::txtfont));
    rec.gridspacing = static_cast<int16_t>(floorvalue(form, TextBox::txtgspace));
    rec.diameter = static_cast<int16_t>(floorvalue(form, TextBox::txtdia));
    rec.sunequator = static_cast<int16_t>(form.value(CheckBox::chksunequator));
    rec.axes = static_cast<int16_t>(form.value(CheckBox::chkaxes));
    rec.reserved40.fill(0);
    rec.reserved100.fill(0);
    rec.winstate = form.windowstate();
    storecolours(style, rec);
    const TwipsRect g = form.geometry();
    rec.wintop = g.top;
    rec.winleft = g.left;
    rec.winwidth = g.width;
    rec.winheight = g.height;
}

}  // namespace

Outcome writeini(Program program, const Folders& folders, SettingsForm& form,
                 SettingsState& state, ObsInput& obs, ViewOpts& view, const StyleOpts& style) {
    const bool g = program == Program::quorvel_g;
    const char* file = settingsfilename(program);
    const std::string lattext = form.text(TextBox::txtlat), longtext = form.text(TextBox::txtlong);
    const std::string tztext = form.text(TextBox::txttz);
    state.inilat = textvaluefloat(commatodot(lattext));
    state.inilong = textvaluefloat(commatodot(longtext));
    // The zone as the redraw reads it (without a decimal comma), so that the
    // next start draws the moment this one drew.
    obs.tz = textvaluefloat(tztext);
    obs.dst = ischecked(form, CheckBox::optdst);
    view.flip = ischecked(form, CheckBox::chkflip) ? 1 : -1;
    view.altaz = ischecked(form, CheckBox::chkaltaz);
    view.grid = ischecked(form, CheckBox::chkgrid);
    view.invert = ischecked(form, CheckBox::chkinvert);

    // Nearest tenth of the binary32 values: 0.7 is 7 tenths, -0.2 is -2.
    const double lat10 = std::round(static_cast<double>(state.inilat) * 10);
    const double long10 = std::round(static_cast<double>(state.inilong) * 10);
    const double zonehours = std::floor(static_cast<double>(obs.tz));
    std::vector<Field16> fields = {{MESSAGE_TEXT("Message", "latitude"), lattext, lat10, 0.1},
                                   {MESSAGE_TEXT("Message", "longitude"), longtext, long10, 0.1},
                                   {MESSAGE_TEXT("Message", "time difference"), tztext, zonehours, 1}};
    if (g) {
        for (auto [name, box] : {std::pair{MESSAGE_TEXT("Message", "angle label interval"), TextBox::txtlabint},
                                 std::pair{MESSAGE_TEXT("Message", "angle mark interval"), TextBox::txtangint},
                                 std::pair{MESSAGE_TEXT("Message", "label font size"), TextBox::txtfont},
                                 std::pair{MESSAGE_TEXT("Message", "grid interval"), TextBox::txtgspace},
                                 std::pair{MESSAGE_TEXT("Message", "solar diameter"), TextBox::txtdia}})
            fields.push_back({name, form.text(box), floorvalue(form, box), 1});
    }
    if (const auto refusal = unfitting(fields, file)) return Outcome::input(*refusal);

    SettingsRec rec = state.rec;
    rec.lat10 = static_cast<int16_t>(lat10);
    rec.long10 = static_cast<int16_t>(long10);
    if (g) graphicsfields(form, style, rec);
    setrecordzone(rec, static_cast<int16_t>(zonehours), obs.tz);
    rec.dst = obs.dst;
    rec.flipsign = view.flip;
    rec.mountaltaz = view.altaz;
    rec.grid = view.grid;
    rec.invert = view.invert;
    rec.rotation = static_cast<int16_t>(form.value(CheckBox::chksunrot));
    rec.posangles = static_cast<int16_t>(form.value(CheckBox::chkposang));
    if (!g) {
        rec.drift = static_cast<int16_t>(form.value(CheckBox::chkdrift));
        // What quorvel_g takes when it first imports this file.
        rec.wintop = GRAPHICS_WINDOW_FIRST.top;
        rec.winleft = GRAPHICS_WINDOW_FIRST.left;
        rec.winwidth = GRAPHICS_WINDOW_FIRST.width;
        rec.winheight = GRAPHICS_WINDOW_FIRST.height;
        rec.winstate = 0;
    }

    if (g) form.processevents();
    const SettingsBytes bytes = encoderecord(rec);
    const Outcome written = replacefile(filepath(folders.settings, file), std::string(bytes.begin(), bytes.end()));
    if (!written.done())
        return Outcome::io(fillin(MESSAGE_TEXT("Message", "The settings could not be saved to '%1': %2. The previous settings "
                                                          "file is unchanged."), {filepath(folders.settings, file), written.message}));
    state.rec = rec;
    return Outcome::ok();
}

}  // namespace quorvel
