#include "observationwindow.h"

#include <QAction>
#include <QApplication>
#include <QShortcut>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QPointer>

#include "guidelanguage.h"
#include "language.h"
#include "logdialog.h"
#include "measurewindow.h"
#include "messagetext.h"
#include "readout.h"
#include "twips.h"

namespace quorvel {
namespace {

const char* const MEASURE_TITLE = MESSAGE_TEXT("Message", "Measure Image");

}  // namespace

char localeseparator() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode()) : '.';
}

ObservationWindow::ObservationWindow(WindowServices services)
    : services_(std::move(services)), tpp_(twipsperpixel(this)) {
    setObjectName("f1");
    setAutoFillBackground(true);
    setformpalette(this);
    routine.state.letters = translatedcompass();
}

void ObservationWindow::buildinputs(ControlFactory& f) {
    const QFont small = smallfont();
    f.frame("Shape1", {120, 240, 2175, 1275});
    f.frame("Shape2", {120, 1560, 2175, 1140});
    f.frame("Shape4", {120, 2790, 2175, 870});
    f.frame("Shape7", {120, 3810, 2175, 660});
    QLabel* day = f.label("Label4", tr("D"), {240, 315, 495, 240}, small);
    QLabel* month = f.label("Label6", tr("M"), {840, 315, 565, 240}, small);
    QLabel* year = f.label("Label10", tr("Y"), {1510, 315, 615, 240}, small);
    QLabel* hour = f.label("Label17", tr("hr"), {255, 870, 495, 240}, small);
    QLabel* minute = f.label("Label18", tr("min"), {855, 870, 565, 240}, small);
    QLabel* lat = f.label("Label7", tr("Lat"), {240, 1620, 855, 240}, small);
    QLabel* lon = f.label("Label1", tr("Long"), {1200, 1620, 930, 240}, small);
    QLabel* zone = f.label("Label2", tr("Std time minus UT"), {705, 2190, 800, 440}, small);

    txtday_ = f.textbox("txtday", {240, 555, 495, 285}, tr("Day of month"));
    txtmonth_ = f.textbox("txtmonth", {840, 555, 565, 285}, tr("Month"));
    txtyear_ = f.textbox("txtyear", {1510, 555, 615, 285}, tr("Year,e.g. 2006"));
    txthour_ = f.textbox("txthour", {255, 1110, 495, 285});
    txtmin_ = f.textbox("txtmin", {855, 1110, 565, 285});
    command1_ = f.button("Command1", tr("&Now"), {1530, 1110, 615, 285}, small,
                         tr("Enters current time of PC clock - but see DST checkbox."));
    texts_[TextBox::txtlat] = f.textbox("txtlat", {240, 1860, 855, 285}, tr("Latitude - Positive in Northern Hemisphere."));
    texts_[TextBox::txtlong] = f.textbox("txtlong", {1200, 1860, 930, 285}, tr("Longitudes East are Negative"));
    texts_[TextBox::txttz] = f.textbox("txttz", {240, 2220, 425, 285},
                                       tr("Standard time difference from UTC in hours.  Negative for longitudes West of Greenwich."));
    for (auto [caption, field] : {std::pair{day, txtday_}, {month, txtmonth_}, {year, txtyear_}, {hour, txthour_},
                                  {minute, txtmin_}, {lat, texts_[TextBox::txtlat]},
                                  {lon, texts_[TextBox::txtlong]}, {zone, texts_[TextBox::txttz]}})
        namefield(caption, field);
    boxes_[CheckBox::optdst] = f.checkbox("optdst", tr("DS&T"), {1530, 2220, 630, 375},
                                          tr("Check when daylight saving (summer) time is used."));
    // Widths beyond the design's where a caption needs them to show whole.
    boxes_[CheckBox::chkaltaz] = f.checkbox("chkaltaz", tr("Alta&z mount"), {225, 2850, 1260, 250});
    boxes_[CheckBox::chkequat] = f.checkbox("chkequat", tr("&Equat"), {1485, 2850, 795, 250});
    boxes_[CheckBox::chkflip] = f.checkbox("chkflip", tr("&Flip image horizontally"), {240, 3110, 2025, 250});
    boxes_[CheckBox::chkinvert] = f.checkbox("chkinvert", tr("&Invert"), {240, 3360, 975, 250});
    boxes_[CheckBox::chkposang] = f.checkbox("chkposang", tr("&Pos Angs"), {240, 3870, 1065, 250});
    boxes_[CheckBox::chksunrot] = f.checkbox("chksunrot", tr("R&otation"), {225, 4140, 1065, 250});
    boxes_[CheckBox::chkgrid] = f.checkbox("chkgrid", tr("G&rid"), {1350, 4130, 705, 250});

    pic1 = new PictureBox(this, tpp_);
    pic1->setObjectName("pic1");
    placetwips(pic1, 2480, 240, 6805, 5895, tpp_);
    auto* measure = new QAction(tr("Measure Image..."), pic1);
    pic1->addAction(measure);
    pic1->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(measure, &QAction::triggered, this, &ObservationWindow::openmeasure);
    auto* logbook = new QAction(tr("Observer's Log..."), pic1);
    pic1->addAction(logbook);
    connect(logbook, &QAction::triggered, this, &ObservationWindow::openlog);
}

void ObservationWindow::buildnotice(ControlFactory& f, TwipsBox box) {
    QFont font = smallfont();
    font.setPointSizeF(7.5);  // two lines in the design's box
    lblalter_ = f.label("lblalter", tr("Parameters have changed"), box, font);
    lblalter_->setAutoFillBackground(true);
    QPalette pink = lblalter_->palette();
    pink.setColor(QPalette::Window, NOTICE_PINK);
    pink.setColor(QPalette::WindowText, Qt::black);
    lblalter_->setPalette(pink);
    lblalter_->setAlignment(Qt::AlignCenter);
}

void ObservationWindow::buildfooter(ControlFactory& f, const char* credit, TwipsBox version, TwipsBox creditbox,
                                    TwipsBox readout) {
    const QFont small = smallfont();
    lblver_ = f.label("lblver", "", version, small);
    lblauthor_ = f.label("lblauthor", tr(credit), creditbox, small);
    lblreadout_ = f.label("lblreadout", "", readout, small, tr("The point under the mouse; a click copies it for a spreadsheet."));
}

QLabel* ObservationWindow::result(ResultLabel label, QLabel* widget) {
    results_[label] = widget;
    return widget;
}

void ObservationWindow::shortcut(const QKeySequence& key, const std::function<void()>& run) {
    connect(new QShortcut(key, this), &QShortcut::activated, this, run);
}

void ObservationWindow::wireinputs(QPushButton* defaultbutton) {
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), [] { QApplication::closeAllWindows(); });
    for (QLineEdit* t : {txtday_, txtmonth_, txtyear_, txthour_, txtmin_, texts_[TextBox::txttz],
                         texts_[TextBox::txtlat], texts_[TextBox::txtlong]})
        connect(t, &QLineEdit::textChanged, this, &ObservationWindow::showchanged);
    for (QLineEdit* t : findChildren<QLineEdit*>())
        connect(t, &QLineEdit::returnPressed, defaultbutton, &QPushButton::click);
    // A click has already toggled the box; the handler checks it again. The
    // program's own changes raise the handlers through setvalue.
    connect(boxes_[CheckBox::chkaltaz], &QCheckBox::clicked, this, &ObservationWindow::chkaltaz_Click);
    connect(boxes_[CheckBox::chkequat], &QCheckBox::clicked, this, &ObservationWindow::chkequat_Click);
    connect(command1_, &QPushButton::clicked, this, &ObservationWindow::Command1_Click);
    connect(pic1, &PictureBox::pointed, this, &ObservationWindow::pic1_MouseMove);
    connect(pic1, &PictureBox::clicked, this, &ObservationWindow::pic1_Click);
    connect(pic1, &PictureBox::left, this, [this] {
        if (lblreadout_) lblreadout_->clear();
    });
}

StyleOpts ObservationWindow::measurecolours() const { return overlaycolours(); }

MeasureWindow* ObservationWindow::newmeasurewindow(const FieldTexts& fields) {
    MeasureServices services;
    services.messages = &services_.messages;
    services.clipboard = &clipboard();
    services.help = [self = QPointer<ObservationWindow>(this)] {
        if (self) self->openhelp("helpqv.pdf");  // the measuring sections are in quorvel's guide
    };
    auto* window = new MeasureWindow({fields, checked(CheckBox::chkaltaz), checked(CheckBox::chkflip),
                                      checked(CheckBox::chkinvert), measurecolours()},
                                     std::move(services));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

void ObservationWindow::openmeasure() { newmeasurewindow(readfields()); }

void ObservationWindow::measureimage(const std::string& path) {
    report(MEASURE_TITLE, newmeasurewindow(readfields())->openimage(path));
}

void ObservationWindow::openlog() {
    LogDialogServices services;
    services.messages = &services_.messages;
    services.openmeasurement = [this](const log::ObservationRecord& o) {
        FieldTexts f = readfields();  // the place stays; the moment is the observation's, in UT
        f.day = std::to_string(o.time.day);
        f.month = std::to_string(o.time.month);
        f.year = std::to_string(o.time.year);
        f.hour = std::to_string(o.time.hour);
        f.min = std::to_string(o.time.minute);
        f.tz = std::to_string(0);
        f.dst = false;
        report(MEASURE_TITLE, newmeasurewindow(f)->openimage(o.image->path));
    };
    auto* dialog = new LogDialog("", std::move(services), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

FieldTexts ObservationWindow::readfields() const {
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
    return f;
}

DrawPlatform ObservationWindow::platform() {
    return DrawPlatform{pic1->surface(), *this, *this, localeseparator()};
}

void ObservationWindow::fillclock() {
    // Each field reads the clock when it is filled.
    txtday_->setText(QString::number(services_.clock.now().date().day()));
    txtmonth_->setText(QString::number(services_.clock.now().date().month()));
    txtyear_->setText(QString::number(services_.clock.now().date().year()));
    txthour_->setText(QString::number(services_.clock.now().time().hour()));
    txtmin_->setText(QString::number(services_.clock.now().time().minute()));
}

void ObservationWindow::showchanged() { lblalter_->show(); }

void ObservationWindow::report(const char* title, const Outcome& outcome) {
    if (outcome.done()) return;
    const bool fatal = outcome.kind == OutcomeKind::fault;
    services_.messages.showmessage(fatal ? DRAW_FAULT_TITLE : title, outcome.message);
    if (fatal) services_.end.endprogram();
}

void ObservationWindow::redraw(const PictureStep& picture, CaptionStyle captions, Colour background) {
    if (routine.drawing()) return;
    lblalter_->hide();
    DrawPlatform p = platform();
    p.background = background;
    report(INPUT_MESSAGE_TITLE, routine.draw(readfields(), checked(CheckBox::chkaltaz), p, picture, captions));
    pic1->update();
    ++redraws;
    emit redrawn();
}

bool ObservationWindow::startup(Program program, const char* credit) {
    lblalter_->hide();
    results_[ResultLabel::lbljd]->hide();
    results_[ResultLabel::lblsid]->hide();
    lblver_->setText(tr("Version %1").arg(QUORVEL_VERSION));
    lblauthor_->setText(tr(credit));
    settextcolour(lblauthor_, CREDIT_GREY);
    settextcolour(lblver_, CREDIT_GREY);
    fillclock();
    const Outcome loaded = loadsettings(program, services_.folders, *this, settings, routine.state.obs,
                                        routine.state.view, styleopts);
    if (!loaded.done()) {
        report(STARTUP_MESSAGE_TITLE, Outcome::runtimefault(startupmessage(loaded), loaded.fault));
        return false;
    }
    if (!settings.notice.empty()) report(SETTINGS_NOTICE_TITLE, Outcome::input(settings.notice));
    showmount();
    return true;
}

void ObservationWindow::savesettings(Program program) {
    if (title_.isEmpty()) title_ = windowTitle();
    const Outcome saved =
        writeini(program, services_.folders, *this, settings, routine.state.obs, routine.state.view, styleopts);
    const bool unwritable = saved.kind == OutcomeKind::io;
    // A value the record cannot hold is the user's to correct, each time; a
    // folder that takes no file is said once.
    if (!(unwritable && savefailed_)) report(SAVE_MESSAGE_TITLE, saved);
    if (unwritable) savefailed_ = true;
    if (saved.done()) savefailed_ = false;
    setWindowTitle(savefailed_ ? tr("%1 (settings not saved)").arg(title_) : title_);
}

void ObservationWindow::openhelp(const std::string& guide) {
    const std::string& folder = services_.folders.documents;
    const QDir documents(QString::fromStdString(folder));
    std::vector<std::string> languages;
    for (const QString& name : QLocale::system().uiLanguages()) languages.push_back(name.toStdString());
    const std::string document = guideforlanguages(
        guide, languages, [&](const std::string& file) { return documents.exists(QString::fromStdString(file)); });
    std::string command = document;
    const Outcome opened = launch(services_.shell, command, folder);
    if (opened.done()) return;
    if (opened.fault == FAULT_FILE_NOT_FOUND) {
        report(MESSAGE_TEXT("Message", "File Error"),
               Outcome::io(fillin(MESSAGE_TEXT("Message", "File '%1' is missing from %2.   Help cannot open."), {document, folder})));
        return;
    }
    report(MESSAGE_TEXT("Message", "Help Error"),
           Outcome::io(fillin(MESSAGE_TEXT("Message", "No document viewer could open '%1'. Install xdg-utils and a PDF viewer "
                                                      "(for example: sudo apt install xdg-utils evince), or open the file "
                                                      "yourself: %2/%1"), {document, folder})));
}

void ObservationWindow::pic1_MouseMove(double x, double y) {
    // Only a picture that stands: none after a failed check, none while drawing.
    if (!lblreadout_ || routine.drawing() || routine.state.inputerr == 1) return;
    lblreadout_->setText(translatemessage(readouttext(readdisk(x, y, routine.state.sun, routine.state.view))));
}

void ObservationWindow::pic1_Click(double x, double y) {
    if (routine.drawing() || routine.state.inputerr == 1) return;
    const DiskReadout r = readdisk(x, y, routine.state.sun, routine.state.view);
    if (!r.ondisk) return;
    clipboard().settext(readoutline(routine.state.sun.jd, routine.state.sun.jdfrac, r));
}

void ObservationWindow::mountclick(CheckBox chosen, CheckBox other, int16_t& busy, int16_t otherbusy) {
    if (otherbusy == 1) return;
    busy = 1;
    boxes_[chosen]->setChecked(true);
    boxes_[other]->setChecked(false);
    busy = 0;
    showchanged();
}

void ObservationWindow::chkaltaz_Click() { mountclick(CheckBox::chkaltaz, CheckBox::chkequat, altazbusy_, equatbusy_); }

void ObservationWindow::chkequat_Click() { mountclick(CheckBox::chkequat, CheckBox::chkaltaz, equatbusy_, altazbusy_); }

void ObservationWindow::Command1_Click() {
    showchanged();
    fillclock();
}

QLineEdit* ObservationWindow::textbox(TextBox box) const {
    auto it = texts_.find(box);
    return it == texts_.end() ? nullptr : it->second;
}

QCheckBox* ObservationWindow::checkbox(CheckBox box) const {
    auto it = boxes_.find(box);
    return it == boxes_.end() ? nullptr : it->second;
}

std::string ObservationWindow::text(TextBox box) const {
    QLineEdit* t = textbox(box);
    return t ? t->text().toStdString() : "";
}

void ObservationWindow::settext(TextBox box, const std::string& text) {
    if (QLineEdit* t = textbox(box)) t->setText(QString::fromStdString(text));
}

int ObservationWindow::value(CheckBox box) const {
    QCheckBox* c = checkbox(box);
    if (!c) return 0;
    switch (c->checkState()) {
        case Qt::Checked: return 1;
        case Qt::PartiallyChecked: return 2;
        default: return 0;
    }
}

void ObservationWindow::setvalue(CheckBox box, int v) {
    QCheckBox* c = checkbox(box);
    if (!c) return;
    if (v == 2) c->setTristate(true);
    c->setCheckState(v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    // Setting a box raises its click event, as a click would.
    if (box == CheckBox::chkaltaz) chkaltaz_Click();
    if (box == CheckBox::chkequat) chkequat_Click();
}

void ObservationWindow::showmount() { showtilt(value(CheckBox::chkaltaz) == 1); }

void ObservationWindow::processevents() { QCoreApplication::processEvents(); }

namespace {

/// A result caption in the user's language: its leading word translated, the
/// blanks and the number after it as they are.
QString translatedcaption(const std::string& caption) {
    static const char* const words[] = {QT_TRANSLATE_NOOP("Caption", "Altitude"), QT_TRANSLATE_NOOP("Caption", "Azimuth"),
                                        QT_TRANSLATE_NOOP("Caption", "RA"), QT_TRANSLATE_NOOP("Caption", "Dec")};
    const QString text = QString::fromStdString(caption);
    for (const char* word : words)
        if (text.startsWith(QLatin1String(word) + ' ')) return QCoreApplication::translate("Caption", word) + text.mid(qstrlen(word));
    return text;
}

}  // namespace

void ObservationWindow::setcaption(ResultLabel label, const std::string& caption) {
    if (QLabel* l = results_[label]) l->setText(translatedcaption(caption));
}

void ObservationWindow::setrotation(int32_t rotation) {
    if (lblcarrot_) lblcarrot_->setText(QString::number(rotation));
}

void ObservationWindow::showtilt(bool visible) {
    if (QLabel* l = results_[ResultLabel::lblntilt]) l->setVisible(visible);
    if (label9_) label9_->setVisible(visible);
    if (shape6_) shape6_->setVisible(visible);
}

}  // namespace quorvel
