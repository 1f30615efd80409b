#include "graphicswindow.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "messagetext.h"
#include "textvalue.h"
#include "twips.h"

namespace quorvel {
namespace {

const char* const CREDIT = QT_TRANSLATE_NOOP("quorvel::ObservationWindow", "Quorvel-G, by the Quorvel developers");
const char* const SIZES_TITLE = "Quorvel-G";
// The window's frame around its client area, twips: the stored geometry is the outer one.
constexpr double FRAME_WIDTH = 120, FRAME_HEIGHT = 420;

}  // namespace

GraphicsWindow::GraphicsWindow(WindowServices services, GraphicsServices graphics)
    : ObservationWindow(std::move(services)), graphics_(graphics) {
    setWindowTitle(tr("Quorvel-G       Graphics production version of Quorvel"));
    desktopquestions_.setparent(this);
    buildcontrols();
    wireevents();
    setgeometry(GRAPHICS_WINDOW_FIRST);
}

void GraphicsWindow::buildcontrols() {
    ControlFactory f(this, tpp_);
    const QFont small = smallfont(), resultfont = arialfont(9.75), buttons = arialfont(9.75);
    buildinputs(f);
    boxes_[CheckBox::chkposang]->setText(tr("&Position angles"));
    boxes_[CheckBox::chkposang]->setToolTip(tr("Check for a position angle scale"));
    boxes_[CheckBox::chksunrot]->setText(tr("S&olar rotation arrows"));
    boxes_[CheckBox::chksunrot]->setToolTip(tr("Check to show axes and NS meridian"));
    // The longer captions need the whole row; "Grid" joins "Invert".
    placetwips(boxes_[CheckBox::chkposang], 240, 3870, 1545, 250, tpp_);
    placetwips(boxes_[CheckBox::chksunrot], 240, 4140, 1935, 250, tpp_);
    placetwips(boxes_[CheckBox::chkgrid], 1350, 3360, 705, 250, tpp_);
    for (CheckBox b : {CheckBox::chkposang, CheckBox::chksunrot, CheckBox::chkgrid}) widentofit(boxes_[b]);

    // The left column below the inputs: the view buttons with the notice
    // between them, the colours, the two style boxes and the sizes.
    butdraw_ = f.button("butdraw", tr("Quorvel Normal &View"), {120, 4560, 2175, 795}, arialfont(9.75, true));
    buildnotice(f, {360, 5370, 1455, 375});
    f.frame("Shape12", {120, 5760, 2175, 1290});
    comgraph_ = f.button("comgraph", tr("&Graphics Ready View"), {120, 5775, 2175, 870}, arialfont(9.75, true));
    cmdcapture_ = f.button("cmdcapture", tr("&Copy to Clipboard"), {120, 6660, 2175, 370}, buttons);

    f.frame("Shape8", {120, 7065, 2175, 1305});
    f.label("Label19", tr("Colours"), {240, 7095, 900, 240}, small);
    cmddefaultstyle_ = f.button("cmddefaultstyle", tr("Default st&yle"), {1200, 7080, 1035, 240}, small,
                                tr("The design's sizes, colours, \"Equator\" and \"Axes\"; drawn at the next view button."));
    const std::tuple<const char*, const char*, Colour StyleOpts::*> colours[] = {
        {"cmdcolback", QT_TR_NOOP("&Bckgrnd"), &StyleOpts::backcolour}, {"cmddiskcol", QT_TR_NOOP("Dis&k"), &StyleOpts::diskcolour},
        {"cmdlimbcol", QT_TR_NOOP("&Limb"), &StyleOpts::limbcolour},    {"cmdgridcol", QT_TR_NOOP("Gri&d"), &StyleOpts::gridcolour},
        {"cmdeqcol", QT_TR_NOOP("E&quator"), &StyleOpts::equatorcolour}, {"cmdpacols", QT_TR_NOOP("PA &Scale"), &StyleOpts::pacolour},
        {"cmdarcol", QT_TR_NOOP("Arro&ws"), &StyleOpts::arrowcolour},   {"cmdaxescol", QT_TR_NOOP("S&un axis"), &StyleOpts::axiscolour}};
    for (size_t i = 0; i < 8; ++i) {
        const auto& [name, caption, field] = colours[i];
        const double left = i % 2 == 0 ? 240 : 1200, top = 7335 + 255.0 * static_cast<double>(i / 2);
        colourbuttons_.push_back({f.button(name, tr(caption), {left, top, 855, 240}, small), field});
    }
    f.frame("Shape9", {120, 8385, 2175, 315});
    boxes_[CheckBox::chksunequator] = f.checkbox("chksunequator", tr("Equ&ator"), {240, 8415, 900, 250},
                                                 tr("Check to show axes and NS meridian"));
    boxes_[CheckBox::chkaxes] = f.checkbox("chkaxes", tr("A&xes"), {1200, 8415, 900, 250}, tr("Check to show axes and NS meridian"));

    f.frame("Shape11", {120, 8715, 2175, 1830});
    const std::tuple<const char*, const char*, TextBox, const char*, const char*, const char*> sizes[] = {
        {"Label5", QT_TR_NOOP("Solar diameter, pixels"), TextBox::txtdia, "txtdia", DEFAULT_DIAMETER, ""},
        {"Label3", QT_TR_NOOP("Grid interval, degrees"), TextBox::txtgspace, "txtgspace", DEFAULT_GRID_INTERVAL, ""},
        {"Label20", QT_TR_NOOP("Angle mark interval"), TextBox::txtangint, "txtangint", DEFAULT_MARK_INTERVAL,
         QT_TR_NOOP("Angular interval in position angle scale")},
        {"Label21", QT_TR_NOOP("Angle label  interval"), TextBox::txtlabint, "txtlabint", DEFAULT_LABEL_INTERVAL, ""},
        {"Label22", QT_TR_NOOP("Label font size"), TextBox::txtfont, "txtfont", DEFAULT_FONT_SIZE,
         QT_TR_NOOP("Angular interval in position angle scale")}};
    double top = 8730;
    QFont captions = small;
    captions.setPointSizeF(7.5);  // two lines where the caption needs them
    for (const auto& [label, caption, box, name, text, tooltip] : sizes) {
        QLabel* named = f.label(label, tr(caption), {200, top, 1330, 360}, captions);
        texts_[box] = f.textbox(name, {1560, top + 37, 675, 285}, tr(tooltip));
        namefield(named, texts_[box]);
        texts_[box]->setText(text);
        top += 360;
    }

    // The value and caption rows below pic1; the layout moves them.
    const std::tuple<const char*, const char*, const char*, ResultLabel, double> rows[] = {
        {"Label11", QT_TR_NOOP("Alt"), "lblalt", ResultLabel::lblalt, 2520},
        {"Label12", QT_TR_NOOP("Azim"), "lblaz", ResultLabel::lblaz, 3500},
        {"Label9", QT_TR_NOOP("Ang from N"), "lblntilt", ResultLabel::lblntilt, 4480},
        {"Label14", QT_TR_NOOP("Bo"), "lblbo", ResultLabel::lblbo, 5700},
        {"Label16", QT_TR_NOOP("P"), "lblp", ResultLabel::lblp, 6680},
        {"Label15", QT_TR_NOOP("Lo"), "lbllosun", ResultLabel::lbllosun, 7660}};
    for (const auto& [caption, captiontext, value, label, left] : rows) {
        placed_[caption] = f.label(caption, tr(captiontext), {left, 9630, 960, 240}, small);
        placed_[value] = result(label, f.label(value, "", {left, 9870, 960, 285}, resultfont));
    }
    placed_["Label23"] = f.label("Label23", tr("CR"), {8640, 9630, 960, 240}, small, tr("Carrington rotation number"));
    placed_["lblcarrot"] = lblcarrot_ = f.label("lblcarrot", "", {8640, 9870, 960, 285}, resultfont,
        tr("Carrington rotation number: it grows by one each time Lo passes from 0 to 360."));
    label9_ = static_cast<QLabel*>(placed_["Label9"]);
    result(ResultLabel::lblsunrastr, f.label("lblsunrastr", "", {2520, 10500, 1500, 240}, small))->hide();
    result(ResultLabel::lblsundecstr, f.label("lblsundecstr", "", {4100, 10500, 1500, 240}, small))->hide();
    result(ResultLabel::lbljd, f.label("lbljd", "", {5700, 10500, 1500, 240}, small));
    result(ResultLabel::lblsid, f.label("lblsid", "", {7300, 10500, 1500, 240}, small));
    cmdhelp_ = f.button("cmdhelp", tr("&Help"), {11000, 9870, 570, 450}, buttons);
    cmdsaveimage_ = f.button("cmdsaveimage", tr("Save I&mage..."), {9840, 9870, 1140, 400}, small,
        tr("The graphics-ready view alone: PNG or SVG at a disk diameter in pixels, PDF in millimetres."));
    cmdprint_ = f.button("cmdprint", tr("&Print..."), {11040, 9870, 780, 400}, small,
        tr("Prints the graphics-ready view with the disk at a diameter in millimetres (150 mm makes a drawing blank)."));
    // The bottom row: version, credit and the readout of the point under the mouse.
    buildfooter(f, CREDIT, {2520, 10300, 1000, 240}, {3600, 10300, 2950, 240}, {6600, 10300, 6000, 240});
}

void GraphicsWindow::wireevents() {
    wireinputs(comgraph_);
    // Grid stands beside Invert here: reading order.
    setTabOrder(boxes_[CheckBox::chkinvert], boxes_[CheckBox::chkgrid]);
    setTabOrder(boxes_[CheckBox::chkgrid], boxes_[CheckBox::chkposang]);
    shortcut(Qt::Key_F1, [this] { cmdhelp_Click(); });
    shortcut(QKeySequence::Copy, [this] { cmdcapture_Click(); });
    shortcut(QKeySequence::Save, [this] { cmdsaveimage_Click(); });
    shortcut(QKeySequence::Print, [this] { cmdprint_Click(); });
    for (CheckBox b : {CheckBox::chkflip, CheckBox::optdst})
        connect(boxes_[b], &QCheckBox::stateChanged, this, &GraphicsWindow::showchanged);
    connect(boxes_[CheckBox::chksunequator], &QCheckBox::stateChanged, this, &GraphicsWindow::chksunequator_Click);
    connect(butdraw_, &QPushButton::clicked, this, &GraphicsWindow::butdraw_Click);
    connect(comgraph_, &QPushButton::clicked, this, &GraphicsWindow::comgraph_Click);
    connect(cmdcapture_, &QPushButton::clicked, this, &GraphicsWindow::cmdcapture_Click);
    connect(cmdhelp_, &QPushButton::clicked, this, &GraphicsWindow::cmdhelp_Click);
    connect(cmdsaveimage_, &QPushButton::clicked, this, &GraphicsWindow::cmdsaveimage_Click);
    connect(cmdprint_, &QPushButton::clicked, this, &GraphicsWindow::cmdprint_Click);
    connect(cmddefaultstyle_, &QPushButton::clicked, this, &GraphicsWindow::cmddefaultstyle_Click);
    for (auto& [button, field] : colourbuttons_) {
        auto member = field;
        connect(button, &QPushButton::clicked, this, [this, member] { colour_Click(member); });
    }
}

void GraphicsWindow::Form_Load() {
    setwindowstate(0);
    setgeometry(GRAPHICS_WINDOW_FIRST);
    defaultcolours(styleopts);
    customcolours = setcustomcolours();
    if (!startup(Program::quorvel_g, CREDIT)) return;
    layout();
    showcolours();
    // A first start without settings shows its picture at once.
    if (settings.firststart) QTimer::singleShot(0, this, [this] { comgraph_Click(); });
}

Outcome GraphicsWindow::view(bool graphicsready) {
    // The style's boxes are checked first: what the record cannot hold is
    // neither drawn nor saved.
    StyleSizes sizes;
    const Outcome checked = checkstylesizes([this](TextBox box) { return text(box); },
                                            largestdiameter(tpp_), sizes);
    if (!checked.done()) return checked;
    const StyleOpts style = styleopts;
    auto picture = [&](Surface& s, RedrawState& st, const PictureControls& c, ArrowPoints& pts) {
        (graphicsready ? drawgraphicpicture : drawnormalgpicture)(s, st, c, style, sizes, pts);
    };
    redraw(picture, CaptionStyle::graphics, graphicsready ? style.backcolour : WHITE);
    return Outcome::ok();
}

void GraphicsWindow::viewandsave(bool graphicsready) {
    const Outcome viewed = view(graphicsready);
    report(SIZES_TITLE, viewed);
    if (viewed.done()) save();
}

void GraphicsWindow::save() { savesettings(Program::quorvel_g); }

void GraphicsWindow::butdraw_Click() { viewandsave(false); }

void GraphicsWindow::comgraph_Click() { viewandsave(true); }

void GraphicsWindow::cmdcapture_Click() {
    // The whole picture, however much of it the window shows.
    graphics_.clipboard.clear();
    QCoreApplication::processEvents();
    graphics_.clipboard.setimage(pic1->image());
    QCoreApplication::processEvents();
    graphics_.clipboard.beep();
}

void GraphicsWindow::cmdhelp_Click() { openhelp("helpqvg.pdf"); }

TrueScaleRequest GraphicsWindow::truescalerequest() const {
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
    r.letters = routine.state.letters;
    return r;
}

void GraphicsWindow::cmdsaveimage_Click() {
    TrueScaleRequest r = truescalerequest();
    if (!questions().ask(r, false)) return;
    lastdiametermm_ = r.diametermm;
    lastcaption_ = r.caption;
    const Outcome result = exporttruescale(r);
    if (!result.done()) report(MESSAGE_TEXT("Message", "Save Image"),
                                {result.kind, fillin(MESSAGE_TEXT("Message", "The image was not saved: %1"), {result.message})});
}

void GraphicsWindow::cmdprint_Click() {
    TrueScaleRequest r = truescalerequest();
    if (!questions().ask(r, true)) return;
    lastdiametermm_ = r.diametermm;
    lastcaption_ = r.caption;
    const Outcome printed = questions().print(r);
    if (!printed.done()) report(MESSAGE_TEXT("Message", "Print"),
                                 {printed.kind, fillin(MESSAGE_TEXT("Message", "Nothing was printed: %1"), {printed.message})});
}

void GraphicsWindow::chksunequator_Click() { styleopts.showequator = value(CheckBox::chksunequator) == 1 ? 1 : 0; }

void GraphicsWindow::cmddefaultstyle_Click() {
    applydefaultstyle(*this, styleopts);
    showcolours();
}

void GraphicsWindow::colour_Click(Colour StyleOpts::*colour) {
    styleopts.*colour = choosecolour(graphics_.colours, styleopts.*colour, customcolours);
    showcolours();
}

void GraphicsWindow::showcolours() {
    for (auto& [button, field] : colourbuttons_) setbuttoncolour(button, qcolour(styleopts.*field));
}

void GraphicsWindow::layout() {
    const double w = width() * tpp_ + FRAME_WIDTH, h = height() * tpp_ + FRAME_HEIGHT;
    auto moveto = [&](QWidget* widget, double left, double top) {
        widget->move(topixels(left, tpp_), topixels(top, tpp_));
    };
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
    // Help keeps its place from the right edge, and the two output buttons theirs beside it.
    const double helpleft = w - cmdhelp_->width() * tpp_ - 450;
    cmdhelp_->move(topixels(helpleft, tpp_), topixels(H - 1230, tpp_));
    moveto(cmdprint_, helpleft - 60 - cmdprint_->width() * tpp_, H - 1230);
    moveto(cmdsaveimage_, helpleft - 120 - (cmdprint_->width() + cmdsaveimage_->width()) * tpp_, H - 1230);
    for (QLabel* l : {lblver_, lblauthor_, lblreadout_}) move(l, H - 800);
    lblreadout_->resize(std::max(1, topixels(helpleft - 60, tpp_) - lblreadout_->x()), lblreadout_->height());
    results_[ResultLabel::lblsundecstr]->hide();
    results_[ResultLabel::lblsunrastr]->hide();
}

void GraphicsWindow::resizeEvent(QResizeEvent* event) {
    ObservationWindow::resizeEvent(event);
    layout();
}

int16_t GraphicsWindow::windowstate() const {
    if (isMinimized()) return 1;
    if (isMaximized()) return 2;
    return 0;
}

void GraphicsWindow::setwindowstate(int16_t state) {
    setWindowState(state == 1 ? Qt::WindowMinimized : state == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
}

TwipsRect GraphicsWindow::geometry() const {
    // The position of the frame, as setgeometry restores it: the client area
    // of the normal (not maximized) window, less the frame's own offset.
    const QRect g = normalGeometry().isValid() ? normalGeometry() : QWidget::geometry();
    const QPoint frame = g.topLeft() - (QWidget::geometry().topLeft() - pos());
    return {static_cast<int32_t>(std::lround(frame.x() * tpp_)), static_cast<int32_t>(std::lround(frame.y() * tpp_)),
            static_cast<int32_t>(std::lround(g.width() * tpp_ + FRAME_WIDTH)),
            static_cast<int32_t>(std::lround(g.height() * tpp_ + FRAME_HEIGHT))};
}

void GraphicsWindow::setgeometry(const TwipsRect& r) {
    move(topixels(r.left, tpp_), topixels(r.top, tpp_));  // the frame's top-left corner
    resize(std::max(1, topixels(r.width - FRAME_WIDTH, tpp_)), std::max(1, topixels(r.height - FRAME_HEIGHT, tpp_)));
}

std::vector<TwipsRect> GraphicsWindow::screens() const {
    std::vector<TwipsRect> out;
    for (QScreen* s : QGuiApplication::screens()) {
        const QRect a = s->availableGeometry();
        out.push_back({static_cast<int32_t>(a.x() * tpp_), static_cast<int32_t>(a.y() * tpp_),
                       static_cast<int32_t>(a.width() * tpp_), static_cast<int32_t>(a.height() * tpp_)});
    }
    return out;
}

}  // namespace quorvel
