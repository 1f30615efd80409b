#include "mainwindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QTimer>
#include <QWindow>

#include "controls.h"
#include "runtimefault.h"
#include "twips.h"

#ifndef QUORVEL_VERSION
#define QUORVEL_VERSION "2.0.1"
#endif

namespace quorvel {
namespace {

const char* const TILT_TOOLTIP =
    "Angle between (1) the meridian passing through the Sun and the North Celestial Pole and (2) "
    "the great circle passing through the Sun and the Zenith.";
const char* const CREDIT = "Quorvel, by the Quorvel developers - the oriented solar disk";

/// The decimal separator of the user's locale, for the result labels.
char localeseparator() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode()) : '.';
}

}  // namespace

F1::F1(WindowServices services) : services_(std::move(services)), tpp_(twipsperpixel(this)) {
    setObjectName("f1");
    setWindowTitle("Quorvel");
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, FORM_YELLOW);
    setPalette(p);
    resize(topixels(9645, tpp_), topixels(7230, tpp_));
    buildcontrols();
    wireevents();
}

void F1::buildcontrols() {
    ControlFactory f(this, tpp_);
    const QFont small = smallfont(), result = arialfont(9.75);

    f.frame("Shape1", {120, 240, 2175, 1275});
    f.frame("Shape2", {120, 1560, 2175, 1140});
    f.frame("Shape4", {120, 2790, 2175, 870});
    f.frame("Shape7", {120, 3810, 2175, 660});
    f.frame("Shape3", {120, 5490, 2175, 1440}, RESULT_BROWN);
    shape6_ = f.frame("Shape6", {2480, 6220, 1750, 640}, RESULT_BROWN);
    f.frame("Shape5", {4330, 6220, 3200, 640}, RESULT_BROWN);

    f.label("Label4", "D", {240, 315, 495, 240}, small);
    f.label("Label6", "M", {840, 315, 565, 240}, small);
    f.label("Label10", "Y", {1510, 315, 615, 240}, small);
    f.label("Label17", "hr", {255, 870, 495, 240}, small);
    f.label("Label18", "min", {855, 870, 565, 240}, small);
    f.label("Label7", "Lat", {240, 1620, 855, 240}, small);
    f.label("Label1", "Long", {1200, 1620, 930, 240}, small);
    f.label("Label2", "Std time minus UT", {705, 2190, 800, 440}, small);

    txtday_ = f.textbox("txtday", {240, 555, 495, 285}, "Day of month");
    txtmonth_ = f.textbox("txtmonth", {840, 555, 565, 285}, "Month");
    txtyear_ = f.textbox("txtyear", {1510, 555, 615, 285}, "Year,e.g. 2006");
    txthour_ = f.textbox("txthour", {255, 1110, 495, 285});
    txtmin_ = f.textbox("txtmin", {855, 1110, 565, 285});
    command1_ = f.button("Command1", "Now", {1530, 1110, 615, 285}, small,
                         "Enters current time of PC clock - but see DST checkbox.");
    texts_[TextBox::txtlat] = f.textbox("txtlat", {240, 1860, 855, 285}, "Latitude - Positive in Northern Hemisphere.");
    texts_[TextBox::txtlong] = f.textbox("txtlong", {1200, 1860, 930, 285}, "Longitudes East are Negative");
    texts_[TextBox::txttz] = f.textbox("txttz", {240, 2220, 425, 285},
                                       "Standard time difference from UTC in hours.  Negative for longitudes West of Greenwich.");
    boxes_[CheckBox::optdst] = f.checkbox("optdst", "DST", {1530, 2220, 630, 375},
                                          "Check when daylight saving (summer) time is used.");
    boxes_[CheckBox::chkaltaz] = f.checkbox("chkaltaz", "Altaz mount", {240, 2850, 1215, 250});
    boxes_[CheckBox::chkequat] = f.checkbox("chkequat", "Equat", {1485, 2850, 735, 250});
    boxes_[CheckBox::chkflip] = f.checkbox("chkflip", "Flip image horizontally", {240, 3110, 1935, 250});
    boxes_[CheckBox::chkinvert] = f.checkbox("chkinvert", "Invert", {240, 3360, 975, 250});
    boxes_[CheckBox::chkposang] = f.checkbox("chkposang", "Pos Angs", {240, 3870, 1065, 250});
    boxes_[CheckBox::chkdrift] = f.checkbox("chkdrift", "EW drift", {1350, 3870, 870, 255});
    boxes_[CheckBox::chksunrot] = f.checkbox("chksunrot", "Rotation", {225, 4140, 1065, 250});
    boxes_[CheckBox::chkgrid] = f.checkbox("chkgrid", "Grid", {1350, 4130, 615, 250});
    butdraw_ = f.button("butdraw", "Draw", {120, 4560, 2175, 795}, arialfont(15.75));
    command2_ = f.button("Command2", "Graphics", {7660, 6460, 875, 450}, arialfont(9.75));
    cmdhelp_ = f.button("cmdhelp", "Help", {8700, 6460, 570, 450}, arialfont(9.75));

    pic1 = new PictureBox(this, tpp_);
    pic1->setObjectName("pic1");
    placetwips(pic1, 2480, 240, 6805, 5895, tpp_);

    // The notice overlaps the lower part of "Draw": it stays on top of it.
    lblalter_ = f.label("lblalter", "Parameters have changed", {360, 5040, 1455, 375}, small);
    lblalter_->setAutoFillBackground(true);
    QPalette pink = lblalter_->palette();
    pink.setColor(QPalette::Window, NOTICE_PINK);
    lblalter_->setPalette(pink);
    lblalter_->setAlignment(Qt::AlignCenter);
    lblalter_->raise();

    f.label("lblsunpos", "Sun Position", {240, 5550, 1935, 285}, result);
    results_[ResultLabel::lblsunrastr] = f.label("lblsunrastr", "AAAAA", {240, 5835, 1995, 285}, result);
    results_[ResultLabel::lblsundecstr] = f.label("lblsundecstr", "BBBBBB", {240, 6120, 1995, 285}, result);
    results_[ResultLabel::lblalt] = f.label("lblalt", "CCCC", {240, 6405, 1995, 285}, result, "Sun's altitude, degrees");
    results_[ResultLabel::lblaz] = f.label("lblaz", "DDDD", {240, 6660, 1995, 255}, result,
                                           "Sun's azimuth, degrees from north measured through east.");
    label9_ = f.label("Label9", "N - S meridian tilt", {2540, 6260, 1650, 255}, small);
    results_[ResultLabel::lblntilt] = f.label("lblntilt", "gamma", {2540, 6530, 1650, 285}, result);
    f.label("Label14", "Bo", {4390, 6260, 1000, 255}, small);
    f.label("Label16", "P", {5420, 6260, 1000, 255}, small);
    f.label("Label15", "Lo", {6450, 6260, 1000, 255}, small);
    results_[ResultLabel::lblbo] = f.label("lblbo", "Bo", {4390, 6530, 1000, 285}, result,
        "Heliographic latitude of centre of sun's disk, degrees.  N pole is tilted towards Earth if Bo is positive.");
    results_[ResultLabel::lblp] = f.label("lblp", "P", {5420, 6530, 1000, 285}, result,
        "Position angle of the northern extremity of the axis of rotation measured eastwards from the North point of the disk.");
    results_[ResultLabel::lbllosun] = f.label("lbllosun", "Lo", {6450, 6530, 1000, 285}, result,
        "Heliographic longitude, degrees, of the centre of the Sun's disk.");
    results_[ResultLabel::lbljd] = f.label("lbljd", "jd temp", {2480, 6900, 2000, 240}, small);
    results_[ResultLabel::lblsid] = f.label("lblsid", "sid", {4500, 6900, 2000, 240}, small);
    // The hour angle and its captions sit below the client area, out of sight.
    f.label("Label8", "Hr ang", {240, 7500, 800, 240}, small);
    f.label("Label11", "Alt", {1100, 7500, 800, 240}, small);
    f.label("Label12", "Azim", {1900, 7500, 800, 240}, small);
    results_[ResultLabel::lblhang] = f.label("lblhang", "", {240, 7760, 1000, 285}, result, "Hour angle of sun.  ");
    lblver_ = f.label("lblver", "vx.x.x", {120, 6990, 2200, 240}, small);
    lblauthor_ = f.label("lblauthor", CREDIT, {2480, 6990, 5100, 240}, small);

}

void F1::wireevents() {
    for (QLineEdit* t : {txtday_, txtmonth_, txtyear_, txthour_, txtmin_, texts_[TextBox::txttz],
                         texts_[TextBox::txtlat], texts_[TextBox::txtlong]})
        connect(t, &QLineEdit::textChanged, this, &F1::showchanged);
    for (CheckBox b : {CheckBox::chkflip, CheckBox::chkgrid, CheckBox::chkposang, CheckBox::chksunrot,
                       CheckBox::chkdrift, CheckBox::optdst})
        connect(boxes_[b], &QCheckBox::stateChanged, this, &F1::showchanged);
    connect(boxes_[CheckBox::chkaltaz], &QCheckBox::stateChanged, this, &F1::chkaltaz_Click);
    connect(boxes_[CheckBox::chkequat], &QCheckBox::stateChanged, this, &F1::chkequat_Click);
    connect(butdraw_, &QPushButton::clicked, this, &F1::butdraw_Click);
    connect(command1_, &QPushButton::clicked, this, &F1::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &F1::Command2_Click);
    connect(cmdhelp_, &QPushButton::clicked, this, &F1::cmdhelp_Click);
}

void F1::Form_Load() {
    try {
        lblalter_->hide();
        results_[ResultLabel::lbljd]->hide();
        results_[ResultLabel::lblsid]->hide();
        lblver_->setText("Version " QUORVEL_VERSION);
        lblauthor_->setText(CREDIT);
        settextcolour(lblauthor_, CREDIT_GREY);
        settextcolour(lblver_, CREDIT_GREY);
        for (const char* name : {"lblsunpos", "lblalt", "lblaz", "lblsundecstr", "lblsunrastr", "Label9",
                                 "Label14", "Label15", "Label16", "lblbo", "lblntilt", "lbllosun", "lblp"})
            settextcolour(findChild<QLabel*>(name), RESULT_BROWN);
        fillclock();
        results_[ResultLabel::lblntilt]->setToolTip(TILT_TOOLTIP);
        const int fault = loadsettings(Program::quorvel, services_.folder, *this, settings,
                                       routine.state.obs, routine.state.view, style_);
        if (fault != 0) throw RuntimeFault(fault, "settings file");
        QCoreApplication::processEvents();
    } catch (const RuntimeFault& e) {
        services_.messages.showmessage(STARTUP_MESSAGE_TITLE, startupmessage(Program::quorvel, e.number, 0));
        services_.end.endprogram();
    }
}

void F1::fillclock() {
    // Each field reads the clock when it is filled.
    txtday_->setText(QString::number(services_.clock.now().date().day()));
    txtmonth_->setText(QString::number(services_.clock.now().date().month()));
    txtyear_->setText(QString::number(services_.clock.now().date().year()));
    txthour_->setText(QString::number(services_.clock.now().time().hour()));
    txtmin_->setText(QString::number(services_.clock.now().time().minute()));
}

void F1::showchanged() { lblalter_->show(); }

void F1::draw() {
    lblalter_->hide();
    FieldTexts f;
    f.day = txtday_->text().toStdString();
    f.month = txtmonth_->text().toStdString();
    f.year = txtyear_->text().toStdString();
    f.hour = txthour_->text().toStdString();
    f.min = txtmin_->text().toStdString();
    f.tz = text(TextBox::txttz);
    f.dst = value(CheckBox::optdst) == 1;
    f.lat = text(TextBox::txtlat);
    f.lon = text(TextBox::txtlong);
    DrawPlatform platform{pic1->surface(), *this, *this, services_.messages, services_.end, localeseparator()};
    if (routine.draw(f, checked(CheckBox::chkaltaz), platform) == DrawOutcome::nested) return;
    pic1->update();
    ++redraws;
    emit redrawn();
}

void F1::butdraw_Click() {
    draw();
    writeini(Program::quorvel, services_.folder, *this, settings, routine.state.obs, routine.state.view,
             style_, services_.messages);
}

void F1::chkaltaz_Click() {
    if (equatbusy_ == 1) return;
    altazbusy_ = 1;
    boxes_[CheckBox::chkaltaz]->setChecked(true);
    boxes_[CheckBox::chkequat]->setChecked(false);
    altazbusy_ = 0;
    showchanged();
}

void F1::chkequat_Click() {
    if (altazbusy_ == 1) return;
    equatbusy_ = 1;
    boxes_[CheckBox::chkequat]->setChecked(true);
    boxes_[CheckBox::chkaltaz]->setChecked(false);
    equatbusy_ = 0;
    showchanged();
}

void F1::Command1_Click() {
    showchanged();
    fillclock();
}

void F1::Command2_Click() {
    std::string command = "quorvel_g";
    try {
        launch(services_.shell, command, 1, services_.folder);
    } catch (const RuntimeFault& e) {
        services_.messages.showmessage("Graphics", "The graphics program quorvel_g could not be started from the program folder: " +
                                                       std::string(e.what()) + ".");
    }
}

void F1::cmdhelp_Click() {
    std::string command = "helpqv.pdf";
    try {
        launch(services_.shell, command, 1, services_.folder);
    } catch (const RuntimeFault& e) {
        if (e.number == 53)
            services_.messages.showmessage("File Error", "File 'helpqv.pdf' is missing from the program folder.   Help cannot open.");
        else
            services_.messages.showmessage("Help Error", "ERROR " + std::to_string(e.number) +
                " occurred in HELP.  HELP needs Adobe Acrobat reader installed.   Please go to Adobe site for a free download.");
    }
}

QLineEdit* F1::textbox(TextBox box) const {
    auto it = texts_.find(box);
    return it == texts_.end() ? nullptr : it->second;
}

QCheckBox* F1::checkbox(CheckBox box) const {
    auto it = boxes_.find(box);
    return it == boxes_.end() ? nullptr : it->second;
}

std::string F1::text(TextBox box) const {
    QLineEdit* t = textbox(box);
    return t ? t->text().toStdString() : "";
}

void F1::settext(TextBox box, const std::string& text) {
    if (QLineEdit* t = textbox(box)) t->setText(QString::fromStdString(text));
}

int F1::value(CheckBox box) const {
    QCheckBox* c = checkbox(box);
    if (!c) return 0;
    switch (c->checkState()) {
        case Qt::Checked: return 1;
        case Qt::PartiallyChecked: return 2;
        default: return 0;
    }
}

void F1::setvalue(CheckBox box, int v) {
    QCheckBox* c = checkbox(box);
    if (!c) return;
    if (v == 2) c->setTristate(true);
    c->setCheckState(v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void F1::processevents() { QCoreApplication::processEvents(); }

void F1::setcaption(ResultLabel label, const std::string& caption) {
    results_[label]->setText(QString::fromStdString(caption));
}

void F1::showtilt(bool visible) {
    results_[ResultLabel::lblntilt]->setVisible(visible);
    label9_->setVisible(visible);
    shape6_->setVisible(visible);
}

void F1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!watching_ && windowHandle()) {
        windowHandle()->installEventFilter(this);
        watching_ = true;
        exposed();  // the first showing draws
    }
}

bool F1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed())
        exposed();
    return QWidget::eventFilter(watched, event);
}

void F1::exposed() {
    // Exposures (shown, uncovered, restored, resized) redraw while inputerr is 0,
    // coalesced into one redraw; one during a redraw changes nothing.
    if (redrawqueued_ || routine.drawing() || routine.state.inputerr != 0) return;
    redrawqueued_ = true;
    QTimer::singleShot(0, this, [this] {
        redrawqueued_ = false;
        if (routine.state.inputerr == 0 && !routine.drawing()) draw();
    });
}

}  // namespace quorvel
