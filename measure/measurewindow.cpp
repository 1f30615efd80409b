#include "measurewindow.h"

#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QShortcut>
#include <QVBoxLayout>
#include <cmath>

#include "numbertext.h"
#include "pictureexport.h"
#include "textvalue.h"

namespace quorvel {
namespace {

constexpr int PANEL_WIDTH = 330;  // pixels of the controls' column
const char* const IMAGE_FILTER = "Images (*.png *.jpg *.jpeg *.tif *.tiff *.bmp *.fits *.fit *.fts);;All files (*)";
const char* const COLUMNS[] = {"No", "x", "y", "Lat", "CMD", "Carr", "PA", "r", "\u03bc"};

QLineEdit* textbox(const char* name, const std::string& text, QWidget* parent) {
    auto* box = new QLineEdit(QString::fromStdString(text), parent);
    box->setObjectName(name);
    return box;
}

QCheckBox* checkbox(const char* name, const char* caption, bool on, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(on);
    return box;
}

QPushButton* button(const char* name, const char* caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

std::string degreesign(double v, const char* pattern) { return patterntext(v, pattern) + "\u00b0"; }

}  // namespace

MeasureWindow::MeasureWindow(const MeasureStart& start, MeasureServices services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(std::move(services)), desktopmessages_(this), colours_(start.colours) {
    setObjectName("measurewindow");
    setWindowTitle("Measure Image");
    buildcontrols(start);
    wireevents();
    recompute();
    status("Open an image of the Sun, or a drawing of it.");
}

QWidget* MeasureWindow::fieldsgroup(const MeasureStart& s) {
    auto* box = new QGroupBox("Date, time and place", this);
    auto* g = new QGridLayout(box);
    const FieldTexts& f = s.fields;
    txtday_ = textbox("txtday", f.day, box), txtmonth_ = textbox("txtmonth", f.month, box);
    txtyear_ = textbox("txtyear", f.year, box), txthour_ = textbox("txthour", f.hour, box);
    txtmin_ = textbox("txtmin", f.min, box), txttz_ = textbox("txttz", f.tz, box);
    txtlat_ = textbox("txtlat", f.lat, box), txtlong_ = textbox("txtlong", f.lon, box);
    optdst_ = checkbox("optdst", "DST", f.dst, box);
    const std::pair<const char*, QWidget*> cells[] = {
        {"D", txtday_}, {"M", txtmonth_}, {"Y", txtyear_}, {"hr", txthour_}, {"min", txtmin_},
        {"Std time minus UT", txttz_}, {"Lat", txtlat_}, {"Long (E neg.)", txtlong_}};
    int i = 0;
    for (const auto& [caption, widget] : cells) {
        g->addWidget(new QLabel(caption, box), (i / 3) * 2, i % 3);
        g->addWidget(widget, (i / 3) * 2 + 1, i % 3);
        ++i;
    }
    g->addWidget(optdst_, 5, 2);
    txtlong_->setToolTip("Longitudes East are Negative");
    return box;
}

QWidget* MeasureWindow::orientationgroup(const MeasureStart& s) {
    auto* box = new QGroupBox("Orientation of the image", this);
    auto* l = new QGridLayout(box);
    cboorient_ = new QComboBox(box);
    cboorient_->setObjectName("cboorient");
    cboorient_->addItems({"As seen in the telescope", "Celestial north up, east left", "Solar north up"});
    chkaltaz_ = checkbox("chkaltaz", "Altaz mount", s.altaz, box);
    chkflip_ = checkbox("chkflip", "Flip image horizontally", s.flip, box);
    chkinvert_ = checkbox("chkinvert", "Invert", s.invert, box);
    txtrotate_ = textbox("txtrotate", "0", box);
    txtrotate_->setToolTip("Degrees the image is turned further, counterclockwise (a turned camera)");
    l->addWidget(cboorient_, 0, 0, 1, 2);
    l->addWidget(chkaltaz_, 1, 0);
    l->addWidget(chkinvert_, 1, 1);
    l->addWidget(chkflip_, 2, 0, 1, 2);
    l->addWidget(new QLabel("Turned (deg, counterclockwise)", box), 3, 0);
    l->addWidget(txtrotate_, 3, 1);
    return box;
}

QWidget* MeasureWindow::overlaygroup() {
    auto* box = new QGroupBox("Overlay", this);
    auto* l = new QGridLayout(box);
    const std::tuple<const char*, const char*, bool OverlayOpts::*> items[] = {
        {"chkgrid", "Grid every", &OverlayOpts::grid},       {"chkequator", "Equator", &OverlayOpts::equator},
        {"chkaxis", "Axis and pole", &OverlayOpts::axis},    {"chklimb", "Limb", &OverlayOpts::limb},
        {"chkposang", "PA scale", &OverlayOpts::scale},      {"chkletters", "N and E", &OverlayOpts::letters},
        {"chkspots", "Spots", &OverlayOpts::spots}};
    int i = 0;
    for (const auto& [name, caption, member] : items) {
        QCheckBox* c = checkbox(name, caption, true, box);
        overlayboxes_.push_back({c, member});
        l->addWidget(c, i == 0 ? 0 : (i + 1) / 2, i == 0 ? 0 : (i + 1) % 2);
        ++i;
    }
    txtgspace_ = textbox("txtgspace", "10", box);
    txtgspace_->setToolTip("Degrees between the grid's lines, 1 to 90");
    l->addWidget(txtgspace_, 0, 1);
    return box;
}

void MeasureWindow::buildcontrols(const MeasureStart& start) {
    view_ = new ImageView(this);
    view_->setObjectName("imageview");
    view_->drawover = [this](QImage& target, const Placement& at) {
        if (frame_) drawoverlay(target, *frame_, at, overlayopts(), rows_);
    };
    cmdopen_ = button("cmdopen", "Open Image...", this);
    lblfile_ = new QLabel(this);
    lbldate_ = new QLabel(this);
    lbldate_->setWordWrap(true);
    lblvalues_ = new QLabel(this);
    lblvalues_->setWordWrap(true);
    lbllimb_ = new QLabel("No limb yet.", this);
    lbllimb_->setWordWrap(true);
    cmdfindlimb_ = button("cmdfindlimb", "Find Limb", this);
    cmdthree_ = button("cmdthree", "Limb by 3 Points", this);

    auto* panel = new QVBoxLayout;
    panel->addWidget(cmdopen_);
    panel->addWidget(lblfile_);
    panel->addWidget(lbldate_);
    panel->addWidget(fieldsgroup(start));
    panel->addWidget(orientationgroup(start));
    panel->addWidget(lblvalues_);
    auto* limbrow = new QHBoxLayout;
    limbrow->addWidget(cmdfindlimb_);
    limbrow->addWidget(cmdthree_);
    panel->addWidget(lbllimb_);
    panel->addLayout(limbrow);
    panel->addWidget(overlaygroup());
    panel->addStretch();
    auto* side = new QWidget(this);
    side->setLayout(panel);
    side->setFixedWidth(PANEL_WIDTH);

    tblspots_ = new QTableWidget(0, static_cast<int>(std::size(COLUMNS)), this);
    tblspots_->setObjectName("tblspots");
    for (int c = 0; c < tblspots_->columnCount(); ++c)
        tblspots_->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromUtf8(COLUMNS[c])));
    tblspots_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblspots_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblspots_->verticalHeader()->hide();
    tblspots_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblspots_->setMinimumHeight(120);
    cmddelete_ = button("cmddelete", "Delete Row", this);
    cmdcopy_ = button("cmdcopy", "Copy", this);
    cmdsavecsv_ = button("cmdsavecsv", "Save CSV...", this);
    cmdsaveimage_ = button("cmdsaveimage", "Save Image...", this);
    lblstatus_ = new QLabel(this);
    lblstatus_->setObjectName("lblstatus");

    auto* top = new QHBoxLayout;
    top->addWidget(view_, 1);
    top->addWidget(side);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmddelete_, cmdcopy_, cmdsavecsv_, cmdsaveimage_}) buttons->addWidget(b);
    buttons->addStretch();
    auto* all = new QVBoxLayout(this);
    all->addLayout(top, 3);
    all->addWidget(tblspots_, 1);
    all->addLayout(buttons);
    all->addWidget(lblstatus_);
    resize(1100, 820);
}

void MeasureWindow::wireevents() {
    for (QLineEdit* box : {txtday_, txtmonth_, txtyear_, txthour_, txtmin_, txttz_, txtlat_, txtlong_, txtrotate_,
                           txtgspace_})
        connect(box, &QLineEdit::textChanged, this, &MeasureWindow::recompute);
    for (QCheckBox* box : {optdst_, chkaltaz_, chkflip_, chkinvert_})
        connect(box, &QCheckBox::toggled, this, &MeasureWindow::recompute);
    for (const auto& [box, member] : overlayboxes_) connect(box, &QCheckBox::toggled, view_, &ImageView::refresh);
    connect(cboorient_, &QComboBox::currentIndexChanged, this, &MeasureWindow::recompute);
    connect(cmdopen_, &QPushButton::clicked, this, &MeasureWindow::openclick);
    connect(cmdfindlimb_, &QPushButton::clicked, this, &MeasureWindow::findlimbagain);
    connect(cmdthree_, &QPushButton::clicked, this, [this] {
        threemode_ = true;
        threepoints_.clear();
        status("Click a point on the limb (1 of 3).");
    });
    connect(cmddelete_, &QPushButton::clicked, this, &MeasureWindow::deleterows);
    connect(new QShortcut(QKeySequence::Delete, tblspots_), &QShortcut::activated, this, &MeasureWindow::deleterows);
    connect(cmdcopy_, &QPushButton::clicked, this, &MeasureWindow::copyrows);
    connect(cmdsavecsv_, &QPushButton::clicked, this, &MeasureWindow::savecsvclick);
    connect(cmdsaveimage_, &QPushButton::clicked, this, &MeasureWindow::saveimageclick);
    connect(view_, &ImageView::clicked, this, &MeasureWindow::clicked);
    connect(view_, &ImageView::pointed, this, &MeasureWindow::pointed);
    connect(view_, &ImageView::limbdragged, this, [this](double cx, double cy, double r) { setlimb({cx, cy, r}); });
}

void MeasureWindow::status(const std::string& text, bool fault) {
    lblstatus_->setText(QString::fromStdString(text));
    lblstatus_->setStyleSheet(fault ? "color: #b00000;" : "");
}

FieldTexts MeasureWindow::fields() const {
    auto t = [](const QLineEdit* e) { return e->text().toStdString(); };
    return FieldTexts{t(txtday_), t(txtmonth_), t(txtyear_), t(txthour_), t(txtmin_),
                      t(txttz_),  optdst_->isChecked(), t(txtlat_), t(txtlong_)};
}

Orientation MeasureWindow::orientation(bool& ok) const {
    Orientation o;
    o.kind = static_cast<OrientKind>(cboorient_->currentIndex());
    o.altaz = chkaltaz_->isChecked();
    o.flip = chkflip_->isChecked();
    o.invert = chkinvert_->isChecked();
    const auto turn = strictnumber(txtrotate_->text().toStdString());
    ok = turn && std::fabs(*turn) <= 360;
    o.rotatedeg = ok ? *turn : 0;
    return o;
}

OverlayOpts MeasureWindow::overlayopts() const {
    OverlayOpts o;
    o.colours = colours_;
    for (const auto& [box, member] : overlayboxes_) o.*member = box->isChecked();
    const auto gap = strictnumber(txtgspace_->text().toStdString());
    if (gap && *gap >= 1 && *gap <= 90) o.gridinterval = static_cast<float>(*gap);
    else o.grid = false;
    return o;
}

void MeasureWindow::recompute() {
    const bool telescope = cboorient_->currentIndex() == 0;
    for (QCheckBox* box : {chkaltaz_, chkflip_, chkinvert_}) box->setEnabled(telescope);
    DiskMoment m;
    const Outcome fault = diskmoment(fields(), DiskModel::classic, m);
    bool turnok = false;
    const Orientation o = orientation(turnok);
    moment_.reset();
    frame_.reset();
    if (!fault.done()) {
        lblvalues_->setText(QString::fromStdString(fault.message));
    } else if (!turnok) {
        lblvalues_->setText("The turn of the image is not a number of degrees from -360 to 360.");
    } else {
        moment_ = m;
        lblvalues_->setText(QString::fromStdString(
            "UT " + utstamp(m.sun.jd, m.sun.jdfrac) + "   P " + degreesign(m.sun.p, "0.00") + "   B0 " +
            degreesign(m.sun.b0, "0.00") + "\nL0 " + degreesign(m.sun.l0, "0.00") + "   Carrington rotation " +
            std::to_string(m.rotation)));
        if (limb_) frame_ = imageframe(m.sun, o, limb_->circle);
    }
    lblvalues_->setStyleSheet(moment_ ? "" : "color: #b00000;");
    filltable();
    view_->refresh();
}

void MeasureWindow::filltable() {
    rows_.clear();
    for (size_t i = 0; i < spots_.size(); ++i) {
        SpotRow row{numbers_[i], spots_[i].x(), spots_[i].y(), {}, 0};
        if (frame_) row = measurespot(*frame_, spots_[i].x(), spots_[i].y(), numbers_[i]);
        rows_.push_back(row);
    }
    tblspots_->setRowCount(static_cast<int>(rows_.size()));
    for (size_t i = 0; i < rows_.size(); ++i) {
        const std::string line = frame_ ? spotline(rows_[i]) : std::to_string(rows_[i].number) + "," +
                                                                    patterntext(rows_[i].x, "0.00") + "," +
                                                                    patterntext(rows_[i].y, "0.00");
        QStringList cells = QString::fromStdString(line).split(',');
        for (int c = 0; c < tblspots_->columnCount(); ++c)
            tblspots_->setItem(static_cast<int>(i), c, new QTableWidgetItem(c < cells.size() ? cells[c] : ""));
    }
}

Outcome MeasureWindow::openimage(const std::string& path) {
    if (unsaved_ && !rows_.empty()) {
        const std::string q = "Opening another image clears the " + std::to_string(rows_.size()) +
                              " spots measured and not saved. Open it all the same?";
        const bool yes = services_.confirm
                             ? services_.confirm(q)
                             : QMessageBox::question(this, "Measure Image", QString::fromStdString(q)) == QMessageBox::Yes;
        if (!yes) return Outcome::ok();
    }
    LoadedImage next;
    const Outcome result = loadimage(path, next);
    if (!result.done()) {
        status(result.message, true);
        (services_.messages ? *services_.messages : desktopmessages_).showmessage("Measure Image", result.message);
        return result;
    }
    image_ = std::move(next);
    imagepath_ = path;
    spots_.clear();
    numbers_.clear();
    unsaved_ = false;
    lblfile_->setText(QFileInfo(QString::fromStdString(path)).fileName() +
                      QString(" (%1 x %2)").arg(image_.gray.width).arg(image_.gray.height));
    if (image_.fits && image_.date) {
        FieldTexts f = fields();
        setutfields(*image_.date, f);
        const QSignalBlocker b1(txtday_), b2(txtmonth_), b3(txtyear_), b4(txthour_), b5(txtmin_), b6(txttz_), b7(optdst_);
        txtday_->setText(QString::fromStdString(f.day));
        txtmonth_->setText(QString::fromStdString(f.month));
        txtyear_->setText(QString::fromStdString(f.year));
        txthour_->setText(QString::fromStdString(f.hour));
        txtmin_->setText(QString::fromStdString(f.min));
        txttz_->setText("0");
        optdst_->setChecked(false);
        lbldate_->setText(QString::fromStdString("Date and time from the FITS header (DATE-OBS), as UT: " +
                                                 obsdatetext(*image_.date)));
    } else if (image_.fits) {
        lbldate_->setText(QString::fromStdString(
            image_.dateobs.empty() ? "The FITS header gives no date (DATE-OBS): check the date and time."
                                   : "The FITS header's DATE-OBS \"" + image_.dateobs +
                                         "\" cannot be read: check the date and time."));
    } else {
        lbldate_->clear();
    }
    view_->setpicture(&image_.picture);
    findlimbagain();
    return result;
}

void MeasureWindow::findlimbagain() {
    if (image_.gray.empty()) return;
    limb_ = findlimb(image_.gray);
    if (limb_) {
        lbllimb_->setText(QString::fromStdString("Limb found: centre " + patterntext(limb_->circle.cx, "0.0") + ", " +
                                                 patterntext(limb_->circle.cy, "0.0") + ", radius " +
                                                 patterntext(limb_->circle.r, "0.0") + " px, scatter " +
                                                 patterntext(limb_->scatter, "0.00") + " px (" +
                                                 std::to_string(limb_->points) + " edge points)."));
        status("Click a spot on the disk to measure it; drag the limb's centre or edge to correct it.");
    } else {
        lbllimb_->setText("No limb.");
        status("No solar disk was found on the image: set the limb by 3 points.", true);
    }
    view_->setlimb(limb_ ? std::optional(limb_->circle) : std::nullopt);
    recompute();
}

void MeasureWindow::setlimb(const Circle& c) {
    limb_ = LimbFit{c, limbscatter(image_.gray, c), 0};
    lbllimb_->setText(QString::fromStdString(
        "Limb set by hand: centre " + patterntext(c.cx, "0.0") + ", " + patterntext(c.cy, "0.0") + ", radius " +
        patterntext(c.r, "0.0") + " px" +
        (std::isnan(limb_->scatter) ? "." : ", edge scatter " + patterntext(limb_->scatter, "0.00") + " px.")));
    view_->setlimb(c);
    recompute();
}

void MeasureWindow::pointed(double x, double y) {
    if (threemode_ || !frame_) return;
    status(readouttext(measurespot(*frame_, x, y, 0).disk));
}

void MeasureWindow::clicked(double x, double y) {
    if (!threemode_) {
        addspot(x, y);
        return;
    }
    threepoints_.push_back({x, y});
    if (threepoints_.size() < 3) {
        status("Click a point on the limb (" + std::to_string(threepoints_.size() + 1) + " of 3).");
        return;
    }
    threemode_ = false;
    const auto c = circlethrough(threepoints_[0], threepoints_[1], threepoints_[2]);
    if (!c) {
        status("The three points lie on a line: no limb through them.", true);
        return;
    }
    setlimb(*c);
    status("Limb set through the three points.");
}

bool MeasureWindow::addspot(double x, double y) {
    if (image_.gray.empty()) return false;
    if (!frame_) {
        status(limb_ ? lblvalues_->text().toStdString() : "No limb: set it first.", true);
        return false;
    }
    const int32_t number = numbers_.empty() ? 1 : numbers_.back() + 1;
    const SpotRow row = measurespot(*frame_, x, y, number);
    if (!row.disk.ondisk) {
        status("Off the disk.", true);
        return false;
    }
    spots_.push_back({x, y});
    numbers_.push_back(number);
    unsaved_ = true;
    filltable();
    view_->refresh();
    status("Spot " + std::to_string(number) + ": " + readouttext(row.disk));
    return true;
}

void MeasureWindow::deleterows() {
    std::vector<int> picked;
    for (const QModelIndex& i : tblspots_->selectionModel()->selectedRows()) picked.push_back(i.row());
    std::sort(picked.rbegin(), picked.rend());
    for (int r : picked) {
        spots_.erase(spots_.begin() + r);
        numbers_.erase(numbers_.begin() + r);
    }
    if (!picked.empty()) unsaved_ = true;
    filltable();
    view_->refresh();
}

void MeasureWindow::copyrows() {
    std::vector<int> picked;
    for (const QModelIndex& i : tblspots_->selectionModel()->selectedRows()) picked.push_back(i.row());
    std::sort(picked.begin(), picked.end());
    if (picked.empty())
        for (size_t i = 0; i < rows_.size(); ++i) picked.push_back(static_cast<int>(i));
    std::string text = spotheader('\t') + "\n";
    for (int r : picked) text += spotline(rows_[static_cast<size_t>(r)], '\t') + "\n";
    (services_.clipboard ? *services_.clipboard : systemclipboard_).settext(text);
    status(std::to_string(picked.size()) + " rows copied, with their header.");
}

MeasureRecord MeasureWindow::record() const {
    bool ok = false;
    return MeasureRecord{QFileInfo(QString::fromStdString(imagepath_)).fileName().toStdString(),
                         moment_ ? *moment_ : DiskMoment{}, limb_ ? *limb_ : LimbFit{}, orientation(ok)};
}

std::string MeasureWindow::csvtext() const { return measurecsv(record(), rows_); }

Outcome MeasureWindow::savecsv(const std::string& path) {
    if (!frame_) return Outcome::input(limb_ ? lblvalues_->text().toStdString() : "No limb: set it first.");
    const std::string text = csvtext();
    Outcome result = savefile(path, QByteArray::fromStdString(text));
    if (result.done()) unsaved_ = false;
    return result;
}

Outcome MeasureWindow::saveimage(const std::string& path) {
    if (!frame_) return Outcome::input(limb_ ? lblvalues_->text().toStdString() : "No limb: set it first.");
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!annotatedimage(image_.picture, *frame_, overlayopts(), rows_).save(&buffer, "PNG"))
        return Outcome::io("cannot encode the annotated image");
    return savefile(path, data);
}

void MeasureWindow::openclick() {
    const std::string path = services_.askopen
                                 ? services_.askopen("Open Image", "", IMAGE_FILTER)
                                 : QFileDialog::getOpenFileName(this, "Open Image", {}, IMAGE_FILTER).toStdString();
    if (!path.empty()) openimage(path);
}

void MeasureWindow::savecsvclick() {
    const std::string suggested = QFileInfo(QString::fromStdString(imagepath_)).completeBaseName().toStdString() + ".csv";
    const char* filter = "CSV files (*.csv)";
    const std::string path = services_.asksave ? services_.asksave("Save CSV", suggested, filter)
                                               : QFileDialog::getSaveFileName(this, "Save CSV", QString::fromStdString(suggested), filter).toStdString();
    if (path.empty()) return;
    const Outcome r = savecsv(path);
    status(r.done() ? rows_.size() ? "Saved " + path : "Saved " + path + " (no rows)" : r.message, !r.done());
}

void MeasureWindow::saveimageclick() {
    const std::string suggested = QFileInfo(QString::fromStdString(imagepath_)).completeBaseName().toStdString() + "_measured.png";
    const char* filter = "PNG images (*.png)";
    std::string path = services_.asksave ? services_.asksave("Save Image", suggested, filter)
                                         : QFileDialog::getSaveFileName(this, "Save Image", QString::fromStdString(suggested), filter).toStdString();
    if (path.empty()) return;
    if (!hasending(path, ".png")) path += ".png";
    const Outcome r = saveimage(path);
    status(r.done() ? "Saved " + path : r.message, !r.done());
}

}  // namespace quorvel
