#include <charconv>

#include <iostream>
#include <iterator>

#include "commands.h"
#include "fieldoptions.h"
#include "output.h"
#include "pictureexport.h"
#include "recordfile.h"
#include "svgraster.h"
#include "textvalue.h"
#include "truescale.h"

namespace quorvel::cli {
namespace {

const char* const RENDER_HELP =
    "usage: quorvel_cli render [field options] [display options] --out FILE\n"
    "Draws the normal view, as the window shows it, to FILE: PNG or SVG by its ending,\n"
    "or .log: every caption and every drawing operation of the redraw, one a line.\n"
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
    "  --size WxH   pixels of the picture (default 454x393: the window's picture box;\n"
    "               659x620 with --view graphics-normal)\n"
    "\n"
    "Views of quorvel_g:\n"
    "  --view graphics-normal  its normal view in its window's picture box\n"
    "  --view graphics     its graphics-ready view alone, at a true scale (needs --style)\n"
    "  --style FILE        the colours, sizes and check boxes of an \"orrag.ini\"\n"
    "                      (graphics-normal: the scale's sizes and colour; optional)\n"
    "  --diameter-px N     PNG and SVG: the disk's diameter in pixels (default the style's)\n"
    "  --diameter-mm N     PDF: the disk's diameter in millimetres (default 150)\n"
    "  --caption           date, time, place, P, B0, L0 and the rotation number below the disk\n"
    "FILE may then end in .pdf as well.\n"
    "\n"
    "Field options:\n";

const std::pair<const char*, CheckBox> DISPLAY_FLAGS[] = {
    {"flip", CheckBox::chkflip},     {"invert", CheckBox::chkinvert}, {"grid", CheckBox::chkgrid},
    {"posang", CheckBox::chkposang}, {"drift", CheckBox::chkdrift},   {"rotation", CheckBox::chksunrot}};

/// The picture size of --size WxH, in twips; a usage outcome when it is not one.
Outcome sizeoption(const std::string& text, double tpp, QSizeF& sizetwips) {
    // Pixels a side: beyond about 6000 the disk's radius leaves the 16-bit
    // range the grid's joins are kept in.
    constexpr int LARGEST = 6000;
    int w = 0, h = 0;
    const char* end = text.data() + text.size();
    auto r1 = std::from_chars(text.data(), end, w);
    if (r1.ec != std::errc() || r1.ptr == end || (*r1.ptr != 'x' && *r1.ptr != 'X'))
        return Outcome::usage("--size takes WIDTHxHEIGHT in pixels, such as 454x393");
    auto r2 = std::from_chars(r1.ptr + 1, end, h);
    if (r2.ec != std::errc() || r2.ptr != end || w < 1 || h < 1 || w > LARGEST || h > LARGEST)
        return Outcome::usage("--size takes WIDTHxHEIGHT, each from 1 to 6000 pixels");
    sizetwips = QSizeF(w * tpp, h * tpp);
    return Outcome::ok();
}

/// A number option greater than 0 (and at most 100000), or fallback when it is not given.
Outcome positiveoption(const Options& opts, const char* name, double fallback, double& value) {
    value = fallback;
    if (!opts.has(name)) return Outcome::ok();
    const auto v = strictnumber(*opts.get(name));
    if (!v || *v <= 0 || *v > 100000) return Outcome::usage(std::string("--") + name + " takes a number greater than 0");
    value = *v;
    return Outcome::ok();
}


/// The style of --style FILE into request (the defaults of a new style
/// without it), then the display options of the command line.
Outcome styleoption(const Options& opts, TrueScaleRequest& request) {
    if (!opts.has("style")) {
        defaultcolours(request.style);
        for (auto [box, text] : {std::pair{TextBox::txtdia, DEFAULT_DIAMETER}, {TextBox::txtgspace, DEFAULT_GRID_INTERVAL},
                                 {TextBox::txtangint, DEFAULT_MARK_INTERVAL}, {TextBox::txtlabint, DEFAULT_LABEL_INTERVAL},
                                 {TextBox::txtfont, DEFAULT_FONT_SIZE}})
            request.texts[box] = text;
    } else {
        SettingsBytes bytes{};
        if (!readrecordfile(*opts.get("style"), bytes).done())
            return Outcome::io("cannot read the style file " + *opts.get("style"));
        applystylerecord(decoderecord(bytes), request);
    }
    if (opts.flag("altaz")) request.altaz = true;
    for (const auto& [name, box] : DISPLAY_FLAGS)
        if (opts.flag(name)) request.checked.insert(box);
    return Outcome::ok();
}

Outcome truescalecommand(const Options& opts) {
    if (!opts.has("style")) return Outcome::usage("--view graphics needs --style FILE (an orrag.ini)");
    TrueScaleRequest request;
    for (Outcome read : {styleoption(opts, request), fieldtexts(opts, request.fields),
                         positiveoption(opts, "diameter-px", textvalue(request.texts[TextBox::txtdia]), request.diameterpx),
                         positiveoption(opts, "diameter-mm", 150, request.diametermm)})
        if (!read.done()) return read;
    request.caption = opts.flag("caption");
    request.path = *opts.get("out");
    return exporttruescale(request);
}

}  // namespace

Outcome rendercommand(const std::vector<std::string>& args) {
    OptionNames names{fieldoptionnames(), {"help", "altaz", "caption"}};
    names.valued.insert({"size", "out", "view", "style", "diameter-px", "diameter-mm"});
    for (const auto& [name, box] : DISPLAY_FLAGS) names.flags.insert(name);
    Options opts;
    if (Outcome read = Options::read(args, names, opts); !read.done()) return read;
    if (opts.flag("help")) return writeandflush(stdout, std::string(RENDER_HELP) + FIELD_OPTIONS_HELP);
    if (!opts.has("out")) return Outcome::usage("render needs --out FILE");

    const std::string view = opts.get("view", "normal");
    if (view != "normal" && view != "graphics" && view != "graphics-normal")
        return Outcome::usage("--view takes normal, graphics-normal or graphics");
    if (view == "graphics") return truescalecommand(opts);

    ExportRequest request;
    if (Outcome read = fieldtexts(opts, request.fields); !read.done()) return read;
    request.altaz = opts.flag("altaz");
    for (const auto& [name, box] : DISPLAY_FLAGS)
        if (opts.flag(name)) request.checked.insert(box);
    if (view == "graphics-normal") {
        TrueScaleRequest style;
        if (Outcome read = styleoption(opts, style); !read.done()) return read;
        if (Outcome read = requestsizes(style, request.sizes); !read.done()) return read;
        request.graphicsnormal = true;
        request.style = style.style;
        request.altaz = style.altaz;
        request.checked = style.checked;
        request.sizetwips = GRAPHICS_PICTURE_TWIPS;
    }
    if (opts.has("size"))
        if (Outcome read = sizeoption(*opts.get("size"), request.twipsperpixel, request.sizetwips); !read.done())
            return read;
    request.path = *opts.get("out");

    return exportpicture(request);
}

Outcome svgtopngcommand(const std::vector<std::string>& args) {
    if (args.size() != 1) return Outcome::usage("svg-to-png takes the PNG file's name");
    const std::string svg((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    return svgtopng(svg, args[0]);
}

}  // namespace quorvel::cli
