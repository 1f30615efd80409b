#include <charconv>
#include <functional>
#include <iostream>

#include <QGuiApplication>

#include "commands.h"
#include "fieldoptions.h"
#include "pictureexport.h"
#include "recordfile.h"
#include "textvalue.h"
#include "truescale.h"

namespace quorvel::cli {
namespace {

const char* const RENDER_HELP =
    "usage: quorvel_cli render [field options] [display options] --out FILE\n"
    "Draws the normal view, as the window shows it, to FILE: PNG or SVG by its ending.\n"
    "An input that fails its check writes no file; its message goes to standard error.\n"
    "\n"
    "Display options:\n"
    "  --altaz      alt-azimuth mount (the picture turns by the parallactic angle)\n"
    "  --flip       flip the image horizontally\n"
    "  --invert     turn the image by 180 degrees\n"
    "  --grid       heliographic grid\n"
    "  --posang     position-angle scale\n"
    "  --drift      east-west drift arrow\n"
    "  --rotation   solar rotation arrows\n"
    "  --size WxH   pixels of the picture (default 454x393: the window's picture box)\n"
    "\n"
    "The graphics-ready view of quorvel_g alone, at a true scale:\n"
    "  --view graphics     draw it instead of the normal view (needs --style)\n"
    "  --style FILE        the colours, sizes and check boxes of an \"orrag.ini\"\n"
    "  --diameter-px N     PNG and SVG: the disk's diameter in pixels (default the style's)\n"
    "  --diameter-mm N     PDF: the disk's diameter in millimetres (default 150)\n"
    "  --caption           date, time, place, P, B0, L0 and the rotation number below the disk\n"
    "FILE may then end in .pdf as well.\n"
    "\n"
    "Field options:\n";

const std::pair<const char*, CheckBox> DISPLAY_FLAGS[] = {
    {"flip", CheckBox::chkflip},     {"invert", CheckBox::chkinvert}, {"grid", CheckBox::chkgrid},
    {"posang", CheckBox::chkposang}, {"drift", CheckBox::chkdrift},   {"rotation", CheckBox::chksunrot}};

QSizeF sizeoption(const std::string& text, double tpp) {
    // Pixels a side: beyond about 6000 the disk's radius leaves the 16-bit
    // range the grid's joins are kept in.
    constexpr int LARGEST = 6000;
    int w = 0, h = 0;
    const char* end = text.data() + text.size();
    auto r1 = std::from_chars(text.data(), end, w);
    if (r1.ec != std::errc() || r1.ptr == end || (*r1.ptr != 'x' && *r1.ptr != 'X'))
        throw UsageError("--size takes WIDTHxHEIGHT in pixels, such as 454x393");
    auto r2 = std::from_chars(r1.ptr + 1, end, h);
    if (r2.ec != std::errc() || r2.ptr != end || w < 1 || h < 1 || w > LARGEST || h > LARGEST)
        throw UsageError("--size takes WIDTHxHEIGHT, each from 1 to 6000 pixels");
    return QSizeF(w * tpp, h * tpp);
}

}  // namespace

double positiveoption(const Options& opts, const char* name, double fallback) {
    if (!opts.has(name)) return fallback;
    const auto v = strictnumber(*opts.get(name));
    if (!v || *v <= 0 || *v > 100000) throw UsageError(std::string("--") + name + " takes a number greater than 0");
    return *v;
}

/// Runs an export inside a GUI application (text needs its fonts; no window
/// is shown) and turns its result into the exit status.
int runexport(const std::function<Outcome()>& exporter) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "quorvel_cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    const Outcome result = exporter();
    if (!result.done()) std::cerr << result.message << '\n';
    return result.exitstatus();
}

int truescalecommand(const Options& opts) {
    if (!opts.has("style")) throw UsageError("--view graphics needs --style FILE (an orrag.ini)");
    if (!opts.has("out")) throw UsageError("render needs --out FILE");
    SettingsBytes bytes{};
    if (readrecordfile(*opts.get("style"), bytes) != 0) {
        std::cerr << "cannot read the style file " << *opts.get("style") << '\n';
        return 2;
    }
    TrueScaleRequest request;
    applystylerecord(decoderecord(bytes), request);
    request.fields = fieldtexts(opts);
    if (opts.flag("altaz")) request.altaz = true;
    for (const auto& [name, box] : DISPLAY_FLAGS)
        if (opts.flag(name)) request.checked.insert(box);
    request.diameterpx = positiveoption(opts, "diameter-px", textvalue(request.texts[TextBox::txtdia]));
    request.diametermm = positiveoption(opts, "diameter-mm", 150);
    request.caption = opts.flag("caption");
    request.path = *opts.get("out");
    return runexport([&] { return exporttruescale(request); });
}

int rendercommand(const std::vector<std::string>& args) {
    std::set<std::string> valued = fieldoptionnames();
    valued.insert({"size", "out", "view", "style", "diameter-px", "diameter-mm"});
    std::set<std::string> flags = {"help", "altaz", "caption"};
    for (const auto& [name, box] : DISPLAY_FLAGS) flags.insert(name);
    const Options opts(args, valued, flags);
    if (opts.flag("help")) {
        std::cout << RENDER_HELP << FIELD_OPTIONS_HELP;
        return 0;
    }
    if (!opts.has("out")) throw UsageError("render needs --out FILE");

    const std::string view = opts.get("view", "normal");
    if (view != "normal" && view != "graphics") throw UsageError("--view takes normal or graphics");
    if (view == "graphics") return truescalecommand(opts);

    ExportRequest request;
    request.fields = fieldtexts(opts);
    request.altaz = opts.flag("altaz");
    for (const auto& [name, box] : DISPLAY_FLAGS)
        if (opts.flag(name)) request.checked.insert(box);
    if (opts.has("size")) request.sizetwips = sizeoption(*opts.get("size"), request.twipsperpixel);
    request.path = *opts.get("out");

    return runexport([&] { return exportpicture(request); });
}

}  // namespace quorvel::cli
