#include "mainwindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QTimer>
#include <QWindow>

#include "controls.h"
#include "messagetext.h"
#include "picture.h"
#include "twips.h"

namespace quorvel {
namespace {

const char* const TILT_TOOLTIP = QT_TRANSLATE_NOOP("quorvel::MainWindow",
    "Angle between (1) the meridian passing through the Sun and the North Celestial Pole and (2) "
    "the great circle passing through the Sun and the Zenith.");
const char* const CREDIT = QT_TRANSLATE_NOOP("quorvel::ObservationWindow", "Quorvel, by the Quorvel developers");

}  // namespace

MainWindow::MainWindow(WindowServices services) : ObservationWindow(std::move(services)) {
    setWindowTitle("Quorvel");
    // The design's client area, fixed: the hidden rows below it stay hidden.
    setFixedSize(topixels(9645, tpp_), topixels(7230, tpp_));
    buildcontrols();
    wireevents();
}

void MainWindow::buildcontrols() {
    ControlFactory f(this, tpp_);
    const QFont small = smallfont(), resultfont = arialfont(9.75);

    buildinputs(f);
    // The result group lies below the notice, which lies below "Draw".
    f.frame("Shape3", {120, 5790, 2175, 1185}, RESULT_BROWN);
    shape6_ = f.frame("Shape6", {2480, 6220, 1750, 640}, RESULT_BROWN);
    f.frame("Shape5", {4330, 6220, 3200, 640}, RESULT_BROWN);
    boxes_[CheckBox::chkdrift] = f.checkbox("chkdrift", tr("E&W drift"), {1305, 3870, 975, 255});
    butdraw_ = f.button("butdraw", tr("&Draw"), {120, 4560, 2175, 795}, arialfont(15.75));
    command2_ = f.button("Command2", tr("&Graphics"), {7660, 6460, 875, 450}, arialfont(9.75));
    cmdhelp_ = f.button("cmdhelp", tr("&Help"), {8700, 6460, 570, 450}, arialfont(9.75));
    cmdmeasure_ = f.button("cmdmeasure", tr("&Measure Image..."), {7660, 6150, 1610, 270}, small,
                           tr("Your own image of the Sun: the grid over it, and spots measured by a click."));

    buildnotice(f, {360, 5385, 1455, 375});

    // Results start blank: their design captions are placeholders, never values.
    f.label("lblsunpos", tr("Sun Position"), {240, 5820, 1935, 225}, resultfont);
    result(ResultLabel::lblsunrastr, f.label("lblsunrastr", "", {240, 6045, 1995, 225}, resultfont));
    result(ResultLabel::lblsundecstr, f.label("lblsundecstr", "", {240, 6270, 1995, 225}, resultfont));
    result(ResultLabel::lblalt, f.label("lblalt", "", {240, 6495, 1995, 225}, resultfont, tr("Sun's altitude, degrees")));
    result(ResultLabel::lblaz, f.label("lblaz", "", {240, 6720, 1995, 225}, resultfont,
                                       tr("Sun's azimuth, degrees from north measured through east.")));
    label9_ = f.label("Label9", tr("N - S meridian tilt"), {2540, 6260, 1650, 255}, small);
    result(ResultLabel::lblntilt, f.label("lblntilt", "", {2540, 6530, 1650, 285}, resultfont));
    f.label("Label14", tr("Bo"), {4390, 6260, 880, 255}, small);
    f.label("Label16", tr("P"), {5300, 6260, 820, 255}, small);
    f.label("Label15", tr("Lo"), {6150, 6260, 680, 255}, small);
    f.label("Label23", tr("CR"), {6850, 6260, 650, 255}, small, tr("Carrington rotation number"));
    result(ResultLabel::lblbo, f.label("lblbo", "", {4390, 6530, 880, 285}, resultfont,
        tr("Heliographic latitude of centre of sun's disk, degrees.  N pole is tilted towards Earth if Bo is positive.")));
    result(ResultLabel::lblp, f.label("lblp", "", {5300, 6530, 820, 285}, resultfont,
        tr("Position angle of the northern extremity of the axis of rotation measured eastwards from the North point of the disk.")));
    result(ResultLabel::lbllosun, f.label("lbllosun", "", {6150, 6530, 680, 285}, resultfont,
        tr("Heliographic longitude, degrees, of the centre of the Sun's disk.")));
    lblcarrot_ = f.label("lblcarrot", "", {6850, 6530, 650, 285}, resultfont,
                         tr("Carrington rotation number: it grows by one each time Lo passes from 0 to 360."));
    result(ResultLabel::lbljd, f.label("lbljd", "", {2480, 6900, 2000, 240}, small));
    result(ResultLabel::lblsid, f.label("lblsid", "", {4500, 6900, 2000, 240}, small));
    // The hour angle and its captions sit below the client area, out of sight.
    f.label("Label8", tr("Hr ang"), {240, 7500, 800, 240}, small);
    f.label("Label11", tr("Alt"), {1100, 7500, 800, 240}, small);
    f.label("Label12", tr("Azim"), {1900, 7500, 800, 240}, small);
    result(ResultLabel::lblhang, f.label("lblhang", "", {240, 7760, 1000, 285}, resultfont, tr("Hour angle of sun.  ")));
    buildfooter(f, CREDIT, {120, 6990, 2200, 240}, {2480, 6990, 2700, 240}, {5220, 6990, 4380, 240});
}

void MainWindow::wireevents() {
    wireinputs(butdraw_);
    // The four overlay boxes in reading order: Pos Angs, EW drift, Rotation, Grid.
    setTabOrder(boxes_[CheckBox::chkposang], boxes_[CheckBox::chkdrift]);
    setTabOrder(boxes_[CheckBox::chkdrift], boxes_[CheckBox::chksunrot]);
    setTabOrder(boxes_[CheckBox::chksunrot], boxes_[CheckBox::chkgrid]);
    shortcut(Qt::Key_F1, [this] { cmdhelp_Click(); });
    for (CheckBox b : {CheckBox::chkflip, CheckBox::chkgrid, CheckBox::chkposang, CheckBox::chksunrot,
                       CheckBox::chkdrift, CheckBox::optdst})
        connect(boxes_[b], &QCheckBox::stateChanged, this, &MainWindow::showchanged);
    connect(butdraw_, &QPushButton::clicked, this, &MainWindow::butdraw_Click);
    connect(command2_, &QPushButton::clicked, this, &MainWindow::Command2_Click);
    connect(cmdhelp_, &QPushButton::clicked, this, &MainWindow::cmdhelp_Click);
    connect(cmdmeasure_, &QPushButton::clicked, this, &MainWindow::openmeasure);
}

void MainWindow::Form_Load() {
    for (const char* name : {"lblsunpos", "lblalt", "lblaz", "lblsundecstr", "lblsunrastr", "Label9", "Label14",
                             "Label15", "Label16", "Label23", "lblbo", "lblntilt", "lbllosun", "lblp", "lblcarrot"})
        settextcolour(findChild<QLabel*>(name), RESULT_BROWN);
    results_[ResultLabel::lblntilt]->setToolTip(tr(TILT_TOOLTIP));
    if (!startup(Program::quorvel, CREDIT)) return;
    QCoreApplication::processEvents();
}

void MainWindow::draw() { redraw(drawpicture, CaptionStyle::viewer); }

void MainWindow::butdraw_Click() {
    draw();
    savesettings(Program::quorvel);
}

void MainWindow::Command2_Click() {
    std::string command = "quorvel_g";
    const Outcome started = launch(services_.shell, command, services_.folders.program);
    if (!started.done())
        report(MESSAGE_TEXT("Message", "Graphics"),
               Outcome::io(fillin(MESSAGE_TEXT("Message", "The graphics program quorvel_g could not be started from %1: %2."),
                                  {services_.folders.program, started.message})));
}

void MainWindow::cmdhelp_Click() { openhelp("helpqv.pdf"); }

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!watching_ && windowHandle()) {
        windowHandle()->installEventFilter(this);
        watching_ = true;
        exposed();  // the first showing draws
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed())
        exposed();
    return QWidget::eventFilter(watched, event);
}

void MainWindow::exposed() {
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
