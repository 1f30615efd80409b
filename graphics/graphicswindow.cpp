#include "graphicswindow.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include "runtimefault.h"
#include "textvalue.h"
#include "twips.h"

#ifndef QUORVEL_VERSION
#define QUORVEL_VERSION "2.0.1"
#endif

namespace quorvel {
namespace {

const char* const CREDIT = "Quorvel-G, by the Quorvel developers - the oriented solar disk for slides";
const char* const SIZES_TITLE = "Quorvel-G";
// The window's frame around its client area, twips: the stored geometry is the outer one.
constexpr double FRAME_WIDTH = 120, FRAME_HEIGHT = 420;

}  // namespace

F1G::F1G(WindowServices services, GraphicsServices graphics)
    : ObservationWindow(std::move(services)), graphics_(graphics) {
    setWindowTitle("Quorvel-G       Graphics production version of Quorvel");
    desktopquestions_.setparent(this);
    buildcontrols();
    wireevents();
    setgeometry({300, 100, 12900, 11100});
}

void F1G::buildcontrols() {
    ControlFactory f(this, tpp_);
    const QFont small = smallfont(), resultfont = arialfont(9.75), buttons = arialfont(9.75);
    buildinputs(f);
    boxes_[CheckBox::chkposang]->setText("Position angles");
    boxes_[CheckBox::chkposang]->setToolTip("Check for a position angle scale");
    boxes_[CheckBox::chksunrot]->setText("Solar rotation arrows");
    boxes_[CheckBox::chksunrot]->setToolTip("Check to show axes and NS meridian");
    placetwips(boxes_[CheckBox::chksunrot], 225, 4140, 1935, 250, tpp_);
    placetwips(boxes_[CheckBox::chkgrid], 1470, 3870, 615, 250, tpp_);
    placetwips(boxes_[CheckBox::chkposang], 240, 3870, 1215, 250, tpp_);

    butdraw_ = f.button("butdraw", "Quorvel Normal View", {120, 4560, 2175, 795}, arialfont(9.75, true));
    f.frame("Shape12", {120, 5380, 2175, 1340});
    comgraph_ = f.button("comgraph", "Graphics Ready View", {120, 5420, 2175, 870}, arialfont(9.75, true));
    cmdcapture_ = f.button("cmdcapture", "Copy to Clipboard", {120, 6320, 2175, 370}, buttons);

    f.frame("Shape8", {120, 6760, 2175, 1440});
    f.label("Label19", "Colours", {240, 6800, 1800, 240}, small);
    const std::tuple<const char*, const char*, Colour StyleOpts::*> colours[] = {
        {"cmdcolback", "Bckgrnd", &StyleOpts::backcolour}, {"cmddiskcol", "Disk", &StyleOpts::diskcolour},
        {"cmdlimbcol", "Limb", &StyleOpts::limbcolour},    {"cmdgridcol", "Grid", &StyleOpts::gridcolour},
        {"cmdeqcol", "Equator", &StyleOpts::equatorcolour}, {"cmdpacols", "PA Scale", &StyleOpts::pacolour},
        {"cmdarcol", "Arrows", &StyleOpts::arrowcolour},   {"cmdaxescol", "Sun axis", &StyleOpts::axiscolour}};
    for (size_t i = 0; i < 8; ++i) {
        const auto& [name, caption, field] = colours[i];
        const double left = i % 2 == 0 ? 240 : 1200, top = 7080 + 270.0 * static_cast<double>(i / 2);
        colourbuttons_.push_back({f.button(name, caption, {left, top, 855, 240}, small), field});
    }
    f.frame("Shape9", {120, 8240, 2175, 330});
    boxes_[CheckBox::chksunequator] = f.checkbox("chksunequator", "Equator", {240, 8280, 900, 250},
                                                 "Check to show axes and NS meridian");
    boxes_[CheckBox::chkaxes] = f.checkbox("chkaxes", "Axes", {1200, 8280, 900, 250}, "Check to show axes and NS meridian");

    f.frame("Shape11", {120, 8610, 2175, 1650});
    const std::tuple<const char*, const char*, TextBox, const char*, const char*, const char*> sizes[] = {
        {"Label5", "Solar diameter, pixels", TextBox::txtdia, "txtdia", "500", ""},
        {"Label3", "Grid interval, degrees", TextBox::txtgspace, "txtgspace", "15", ""},
        {"Label20", "Angle mark interval", TextBox::txtangint, "txtangint", "10", "Angular interval in position angle scale"},
        {"Label21", "Angle label  interval", TextBox::txtlabint, "txtlabint", "30", ""},
        {"Label22", "Label font size", TextBox::txtfont, "txtfont", "14", "Angular interval in position angle scale"}};
    double top = 8670;
    QFont captions = small;
    captions.setPointSizeF(7.5);  // the longest caption fits beside its box
    for (const auto& [label, caption, box, name, text, tooltip] : sizes) {
        f.label(label, caption, {200, top + 30, 1560, 240}, captions);
        texts_[box] = f.textbox(name, {1770, top, 465, 285}, tooltip);
        texts_[box]->setText(text);
        top += 315;
    }

    // The value and caption rows below pic1; the layout moves them.
    const std::tuple<const char*, const char*, const char*, ResultLabel, double> rows[] = {
        {"Label11", "Alt", "lblalt", ResultLabel::lblalt, 2520},
        {"Label12", "Azim", "lblaz", ResultLabel::lblaz, 3500},
        {"Label9", "Ang from N", "lblntilt", ResultLabel::lblntilt, 4480},
        {"Label14", "Bo", "lblbo", ResultLabel::lblbo, 5700},
        {"Label16", "P", "lblp", ResultLabel::lblp, 6680},
        {"Label15", "Lo", "lbllosun", ResultLabel::lbllosun, 7660}};
    for (const auto& [caption, captiontext, value, label, left] : rows) {
        placed_[caption] = f.label(caption, captiontext, {left, 9630, 1100, 240}, small);
        placed_[value] = result(label, f.label(value, "", {left, 9870, 1100, 285}, resultfont));
    }
    placed_["Label23"] = f.label("Label23", "CR", {8640, 9630, 1100, 240}, small, "Carrington rotation number");
    placed_["lblcarrot"] = lblcarrot_ = f.label("lblcarrot", "", {8640, 9870, 1100, 285}, resultfont,
        "Carrington rotation number: it grows by one each time Lo passes from 0 to 360.");
    label9_ = static_cast<QLabel*>(placed_["Label9"]);
    result(ResultLabel::lblsunrastr, f.label("lblsunrastr", "AAAAA", {2520, 10500, 1500, 240}, small))->hide();
    result(ResultLabel::lblsundecstr, f.label("lblsundecstr", "BBBBBB", {4100, 10500, 1500, 240}, small))->hide();
    result(ResultLabel::lbljd, f.label("lbljd", "jd temp", {5700, 10500, 1500, 240}, small));
    result(ResultLabel::lblsid, f.label("lblsid", "sid", {7300, 10500, 1500, 240}, small));
    cmdhelp_ = f.button("cmdhelp", "Help", {11000, 9870, 570, 450}, buttons);
    QFont readout = small;
    readout.setPointSizeF(7.5);
    placed_["cmdsaveimage"] = cmdsaveimage_ = f.button("cmdsaveimage", "Save Image...", {9620, 9870, 1000, 400}, small,
        "The graphics-ready view alone: PNG or SVG at a disk diameter in pixels, PDF in millimetres.");
    placed_["cmdprint"] = cmdprint_ = f.button("cmdprint", "Print...", {10700, 9870, 1000, 400}, small,
        "Prints the graphics-ready view with the disk at a diameter in millimetres (150 mm makes a drawing blank).");
    placed_["lblreadout"] = lblreadout_ = f.label("lblreadout", "", {9620, 10300, 3000, 320}, readout,
        "The point under the mouse; a click copies it for a spreadsheet.");
    lblver_ = f.label("lblver", "vx.x.x", {120, 10300, 2200, 240}, small);
    lblauthor_ = f.label("lblauthor", CREDIT, {2520, 10300, 7000, 240}, small);

    buildnotice(f);
}

void F1G::wireevents() {
    wireinputs();
    for (CheckBox b : {CheckBox::chkflip, CheckBox::optdst})
        connect(boxes_[b], &QCheckBox::stateChanged, this, &F1G::showchanged);
    connect(boxes_[CheckBox::chksunequator], &QCheckBox::stateChanged, this, &F1G::chksunequator_Click);
    connect(butdraw_, &QPushButton::clicked, this, &F1G::butdraw_Click);
    connect(comgraph_, &QPushButton::clicked, this, &F1G::comgraph_Click);
    connect(cmdcapture_, &QPushButton::clicked, this, &F1G::cmdcapture_Click);
    connect(cmdhelp_, &QPushButton::clicked, this, &F1G::cmdhelp_Click);
    connect(cmdsaveimage_, &QPushButton::clicked, this, &F1G::cmdsaveimage_Click);
    connect(cmdprint_, &QPushButton::clicked, this, &F1G::cmdprint_Click);
    for (auto& [button, field] : colourbuttons_) {
        auto member = field;
        connect(button, &QPushButton::clicked, this, [this, member] { colour_Click(member); });
    }
}

void F1G::Form_Load() {
    setwindowstate(0);
    setgeometry({300, 100, 12900, 11100});
    defaultcolours(styleopts);
    customcolours = setcustomcolours();
    try {
        loadstep = 1;
        lblalter_->hide();
        results_[ResultLabel::lbljd]->hide();
        results_[ResultLabel::lblsid]->hide();
        loadstep = 2;
        lblver_->setText("Version " QUORVEL_VERSION);
        lblauthor_->setText(CREDIT);
        settextcolour(lblauthor_, CREDIT_GREY);
        settextcolour(lblver_, CREDIT_GREY);
        loadstep = 3;
        fillclock();
        loadstep = 4;
        const int fault = loadsettings(Program::quorvel_g, services_.folder, *this, settings, routine.state.obs,
                                       routine.state.view, styleopts);
        if (fault != 0) throw RuntimeFault(fault, "settings file");
        loadstep = 5;
        layout();
    } catch (const RuntimeFault& e) {
        services_.messages.showmessage(STARTUP_MESSAGE_TITLE, startupmessage(Program::quorvel_g, e.number, loadstep));
        services_.end.endprogram();
    }
}

void F1G::redraw(bool graphicsready) {
    lblalter_->hide();
    const StyleOpts style = styleopts;
    std::string problems;
    auto picture = [&](Surface& s, RedrawState& st, const PictureControls& c, ArrowPoints& pts) {
        const StyleSizes sizes = readstylesizes(c);
        problems = viewproblems(sizes, graphicsready, c);
        (graphicsready ? drawgraphicpicture : drawnormalgpicture)(s, st, c, style, sizes, pts);
    };
    DrawPlatform p = platform();
    if (routine.draw(readfields(), checked(CheckBox::chkaltaz), p, picture, CaptionStyle::graphics) ==
        DrawOutcome::nested)
        return;
    pic1->update();
    ++redraws;
    // What was left out, and why, once the picture stands.
    if (!problems.empty()) services_.messages.showmessage(SIZES_TITLE, problems);
    emit redrawn();
}

void F1G::draw() { redraw(false); }

void F1G::drawgraphic() { redraw(true); }

void F1G::save() {
    writeini(Program::quorvel_g, services_.folder, *this, settings, routine.state.obs, routine.state.view,
             styleopts, services_.messages);
}

void F1G::butdraw_Click() {
    draw();
    save();
}

void F1G::comgraph_Click() {
    drawgraphic();
    save();
}

void F1G::cmdcapture_Click() {
    // This desktop has no window-snapshot key: the window grabs itself as shown.
    graphics_.clipboard.clear();
    QCoreApplication::processEvents();
    graphics_.clipboard.setimage(grab().toImage());
    QCoreApplication::processEvents();
    graphics_.clipboard.beep();
}

void F1G::cmdhelp_Click() { openhelp("helpqvg.pdf"); }

TrueScaleRequest F1G::truescalerequest() const {
    TrueScaleRequest r;
    r.fields = readfields();
    r.altaz = checked(CheckBox::chkaltaz);
    for (const auto& [box, widget] : boxes_)
        if (value(box) == 1) r.checked.insert(box);
    for (const auto& [box, widget] : texts_) r.texts[box] = widget->text().toStdString();
    r.style = styleopts;
    const auto px = leadingnumber(text(TextBox::txtdia));
    r.diameterpx = px && *px > 0 ? *px : 500;
    r.diametermm = lastdiametermm_;
    r.caption = lastcaption_;
    return r;
}

void F1G::cmdsaveimage_Click() {
    TrueScaleRequest r = truescalerequest();
    if (!questions().ask(r, false)) return;
    lastdiametermm_ = r.diametermm;
    lastcaption_ = r.caption;
    const Outcome result = exporttruescale(r);
    if (!result.done()) services_.messages.showmessage("Save Image", "The image was not saved: " + result.message);
}

void F1G::cmdprint_Click() {
    TrueScaleRequest r = truescalerequest();
    if (!questions().ask(r, true)) return;
    lastdiametermm_ = r.diametermm;
    lastcaption_ = r.caption;
    const std::string failure = questions().print(r);
    if (!failure.empty()) services_.messages.showmessage("Print", "Nothing was printed: " + failure);
}

void F1G::chksunequator_Click() { styleopts.showequator = value(CheckBox::chksunequator) == 1 ? 1 : 0; }

void F1G::colour_Click(Colour StyleOpts::*colour) {
    styleopts.*colour = choosecolour(graphics_.colours, styleopts.*colour, customcolours);
}

void F1G::layout() {
    const double w = width() * tpp_ + FRAME_WIDTH, h = height() * tpp_ + FRAME_HEIGHT;
    const int W = static_cast<int16_t>(std::clamp(std::nearbyint(w), -32768.0, 32767.0));
    const int H = static_cast<int16_t>(std::clamp(std::nearbyint(h), -32768.0, 32767.0));
    // A short window keeps pic1 one twip high rather than negative.
    if (W - 3020 >= 1) placetwips(pic1, 2520, 240, W - 3020, std::max(1, H - 1800), tpp_);
    else placetwips(pic1, 2520, 240, 1, 1, tpp_);
    auto move = [&](QWidget* widget, double top) {
        widget->move(widget->x(), topixels(top, tpp_));
    };
    for (const char* name : {"lblalt", "lblaz", "lblntilt", "lblbo", "lblp", "lbllosun", "lblcarrot"})
        move(placed_[name], H - 1230);
    for (const char* name : {"Label11", "Label12", "Label9", "Label14", "Label16", "Label15", "Label23"})
        move(placed_[name], H - 1470);
    move(placed_["cmdsaveimage"], H - 1230);
    move(placed_["cmdprint"], H - 1230);
    move(placed_["lblreadout"], H - 800);
    cmdhelp_->move(topixels(w - cmdhelp_->width() * tpp_ - 450, tpp_), topixels(H - 1230, tpp_));
    move(lblver_, H - 800);
    move(lblauthor_, H - 800);
    results_[ResultLabel::lblsundecstr]->hide();
    results_[ResultLabel::lblsunrastr]->hide();
}

void F1G::resizeEvent(QResizeEvent* event) {
    ObservationWindow::resizeEvent(event);
    layout();
}

int16_t F1G::windowstate() const {
    if (isMinimized()) return 1;
    if (isMaximized()) return 2;
    return 0;
}

void F1G::setwindowstate(int16_t state) {
    setWindowState(state == 1 ? Qt::WindowMinimized : state == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
}

TwipsRect F1G::geometry() const {
    const QRect g = normalGeometry().isValid() ? normalGeometry() : QWidget::geometry();
    return {static_cast<int32_t>(std::lround(g.x() * tpp_)), static_cast<int32_t>(std::lround(g.y() * tpp_)),
            static_cast<int32_t>(std::lround(g.width() * tpp_ + FRAME_WIDTH)),
            static_cast<int32_t>(std::lround(g.height() * tpp_ + FRAME_HEIGHT))};
}

void F1G::setgeometry(const TwipsRect& r) {
    move(topixels(r.left, tpp_), topixels(r.top, tpp_));
    resize(std::max(1, topixels(r.width - FRAME_WIDTH, tpp_)), std::max(1, topixels(r.height - FRAME_HEIGHT, tpp_)));
}

std::vector<TwipsRect> F1G::screens() const {
    std::vector<TwipsRect> out;
    for (QScreen* s : QGuiApplication::screens()) {
        const QRect a = s->availableGeometry();
        out.push_back({static_cast<int32_t>(a.x() * tpp_), static_cast<int32_t>(a.y() * tpp_),
                       static_cast<int32_t>(a.width() * tpp_), static_cast<int32_t>(a.height() * tpp_)});
    }
    return out;
}

}  // namespace quorvel
