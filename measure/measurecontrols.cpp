// The measuring window's controls: the side panel of date, place,
// orientation and overlay, the table of spots and its buttons, and their wiring.
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "imagepane.h"
#include "measurewindow.h"
#include "spotpanel.h"

namespace quorvel {
namespace {

constexpr int PANEL_WIDTH = 330;  // pixels of the controls' column
const char* const COLUMNS[] = {"No", "x", "y", "Lat", "CMD", "Carr", "PA", "r", "\u03bc"};

QLineEdit* textbox(const char* name, const std::string& text, QWidget* parent) {
    auto* box = new QLineEdit(QString::fromStdString(text), parent);
    box->setObjectName(name);
    return box;
}

QCheckBox* checkbox(const char* name, const QString& caption, bool on, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(on);
    return box;
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

}  // namespace

QWidget* MeasureWindow::fieldsgroup(const MeasureStart& s) {
    auto* box = new QGroupBox(tr("Date, time and place"), this);
    auto* g = new QGridLayout(box);
    const FieldTexts& f = s.fields;
    txtday_ = textbox("txtday", f.day, box), txtmonth_ = textbox("txtmonth", f.month, box);
    txtyear_ = textbox("txtyear", f.year, box), txthour_ = textbox("txthour", f.hour, box);
    txtmin_ = textbox("txtmin", f.min, box), txttz_ = textbox("txttz", f.tz, box);
    txtlat_ = textbox("txtlat", f.lat, box), txtlong_ = textbox("txtlong", f.lon, box);
    optdst_ = checkbox("optdst", tr("DST"), f.dst, box);
    const std::pair<const char*, QWidget*> cells[] = {
        {QT_TR_NOOP("D"), txtday_}, {QT_TR_NOOP("M"), txtmonth_}, {QT_TR_NOOP("Y"), txtyear_},
        {QT_TR_NOOP("hr"), txthour_}, {QT_TR_NOOP("min"), txtmin_}, {QT_TR_NOOP("Std time minus UT"), txttz_},
        {QT_TR_NOOP("Lat"), txtlat_}, {QT_TR_NOOP("Long (E neg.)"), txtlong_}};
    int i = 0;
    for (const auto& [caption, widget] : cells) {
        auto* label = new QLabel(tr(caption), box);
        label->setBuddy(widget);
        widget->setAccessibleName(tr(caption));
        g->addWidget(label, (i / 3) * 2, i % 3);
        g->addWidget(widget, (i / 3) * 2 + 1, i % 3);
        ++i;
    }
    g->addWidget(optdst_, 5, 2);
    txtlong_->setToolTip(tr("Longitudes East are Negative"));
    txtcamoffset_ = textbox("txtcamoffset", "", box);
    txtcamoffset_->setToolTip(tr("A camera's JPEG: its clock's offset to UT, +HH:MM or hours"));
    txtcamoffset_->setAccessibleName(tr("Camera clock: UT+hh:mm"));
    txtcamoffset_->setEnabled(false);
    auto* camlabel = new QLabel(tr("Camera clock: UT+hh:mm"), box);
    camlabel->setBuddy(txtcamoffset_);
    g->addWidget(camlabel, 6, 0, 1, 2);
    g->addWidget(txtcamoffset_, 6, 2);
    return box;
}

QWidget* MeasureWindow::orientationgroup(const MeasureStart& s) {
    auto* box = new QGroupBox(tr("Orientation of the image"), this);
    auto* l = new QGridLayout(box);
    cboorient_ = new QComboBox(box);
    cboorient_->setObjectName("cboorient");
    cboorient_->addItems({tr("As seen in the telescope"), tr("Celestial north up, east left"), tr("Solar north up")});
    chkaltaz_ = checkbox("chkaltaz", tr("Altaz mount"), s.altaz, box);
    chkflip_ = checkbox("chkflip", tr("Flip image horizontally"), s.flip, box);
    chkinvert_ = checkbox("chkinvert", tr("Invert"), s.invert, box);
    txtrotate_ = textbox("txtrotate", "0", box);
    txtrotate_->setToolTip(tr("Degrees the image is turned further, counterclockwise (a turned camera)"));
    txtrotate_->setAccessibleName(tr("Turned (deg, counterclockwise)"));
    l->addWidget(cboorient_, 0, 0, 1, 2);
    l->addWidget(chkaltaz_, 1, 0);
    l->addWidget(chkinvert_, 1, 1);
    l->addWidget(chkflip_, 2, 0, 1, 2);
    l->addWidget(new QLabel(tr("Turned (deg, counterclockwise)"), box), 3, 0);
    l->addWidget(txtrotate_, 3, 1);
    return box;
}

QWidget* MeasureWindow::overlaygroup() {
    auto* box = new QGroupBox(tr("Overlay"), this);
    auto* l = new QGridLayout(box);
    const std::tuple<const char*, const char*, bool OverlayOpts::*> items[] = {
        {"chkgrid", QT_TR_NOOP("Grid every"), &OverlayOpts::grid},
        {"chkequator", QT_TR_NOOP("Equator"), &OverlayOpts::equator},
        {"chkaxis", QT_TR_NOOP("Axis and pole"), &OverlayOpts::axis},
        {"chklimb", QT_TR_NOOP("Limb"), &OverlayOpts::limb},
        {"chkposang", QT_TR_NOOP("PA scale"), &OverlayOpts::scale},
        {"chkletters", QT_TR_NOOP("N and E"), &OverlayOpts::letters},
        {"chkspots", QT_TR_NOOP("Spots"), &OverlayOpts::spots}};
    int i = 0;
    for (const auto& [name, caption, member] : items) {
        QCheckBox* c = checkbox(name, tr(caption), true, box);
        overlayboxes_.push_back({c, member});
        l->addWidget(c, i == 0 ? 0 : (i + 1) / 2, i == 0 ? 0 : (i + 1) % 2);
        ++i;
    }
    txtgspace_ = textbox("txtgspace", "10", box);
    txtgspace_->setToolTip(tr("Degrees between the grid's lines, 1 to 90"));
    txtgspace_->setAccessibleName(tr("Grid every (degrees)"));
    l->addWidget(txtgspace_, 0, 1);
    return box;
}

void MeasureWindow::buildcontrols(const MeasureStart& start) {
    auto* pane = new ImagePane(this);
    view_ = pane->view();
    view_->drawover = [this](QImage& target, const Placement& at) {
        if (frame_) drawoverlay(target, *frame_, at, overlayopts(), rows_);
        if (spotpanel_) spotpanel_->drawover(target, at);
    };
    cmdopen_ = button("cmdopen", tr("Open Image..."), this);
    lblfile_ = new QLabel(this);
    lbldate_ = new QLabel(this);
    lbldate_->setWordWrap(true);
    lbldate_->setTextFormat(Qt::RichText);  // the notes carry a link; the values in them are escaped
    lbldate_->setObjectName("lbldate");
    lbldate_->setTextInteractionFlags(Qt::TextBrowserInteraction);
    lblvalues_ = new QLabel(this);
    lblvalues_->setWordWrap(true);
    lbllimb_ = new QLabel(tr("No limb yet."), this);
    lbllimb_->setWordWrap(true);
    cmdfindlimb_ = button("cmdfindlimb", tr("Find Limb"), this);
    cmdthree_ = button("cmdthree", tr("Limb by 3 Points"), this);

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
    // The panel scrolls when the screen is short (1366 x 768) and widens with
    // the system font.
    auto* inner = new QWidget;
    inner->setLayout(panel);
    inner->setMinimumWidth(PANEL_WIDTH);
    auto* side = new QScrollArea(this);
    side->setObjectName("panelscroll");
    side->setWidget(inner);
    side->setWidgetResizable(true);
    side->setFrameShape(QFrame::NoFrame);
    side->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    side->setMinimumWidth(inner->sizeHint().width() + side->verticalScrollBar()->sizeHint().width());

    tblspots_ = new QTableWidget(0, static_cast<int>(std::size(COLUMNS)), this);
    tblspots_->setObjectName("tblspots");
    for (int c = 0; c < tblspots_->columnCount(); ++c)
        tblspots_->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromUtf8(COLUMNS[c])));
    tblspots_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblspots_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblspots_->verticalHeader()->hide();
    tblspots_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblspots_->setMinimumHeight(120);
    cmddelete_ = button("cmddelete", tr("Delete Row"), this);
    cmdcopy_ = button("cmdcopy", tr("Copy"), this);
    cmdsavecsv_ = button("cmdsavecsv", tr("Save CSV..."), this);
    cmdsaveimage_ = button("cmdsaveimage", tr("Save Image..."), this);
    cmdsavelog_ = button("cmdsavelog", tr("Save to Log..."), this);
    cmdlogdetails_ = new QPushButton(tr("Seeing && Equipment..."), this);
    cmdlogdetails_->setObjectName("cmdlogdetails");
    cmdundorow_ = button("cmdundorow", tr("Undo"), this);
    cmdundorow_->setToolTip(tr("Undo the last row added or deleted, or the last change of the limb (Ctrl+Z)"));
    cmdredorow_ = button("cmdredorow", tr("Redo"), this);
    cmdredorow_->setToolTip(tr("Do again what was undone (Ctrl+Shift+Z or Ctrl+Y)"));
    lblstatus_ = new QLabel(this);
    lblstatus_->setObjectName("lblstatus");

    auto* picture = new QVBoxLayout;
    picture->addWidget(viewbar());
    picture->addWidget(pane, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(picture, 1);
    top->addWidget(side);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdundorow_, cmdredorow_, cmddelete_, cmdcopy_, cmdsavecsv_, cmdsaveimage_, cmdsavelog_, cmdlogdetails_})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* all = new QVBoxLayout(this);
    all->addLayout(top, 3);
    spotpanel_ = new SpotPanel([this](const std::string& text, bool fault) { status(text, fault); }, this);
    spotpanel_->changed = [this] { view_->refresh(); };
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("tabspots");
    tabs->addTab(tblspots_, tr("Measured Spots"));
    tabs->addTab(spotpanel_, tr("Count Spots"));
    connect(tabs, &QTabWidget::currentChanged, this, [this] {  // the Count Spots page has its own
        for (QPushButton* b : {cmdundorow_, cmdredorow_}) b->setVisible(!countingshown());
    });
    all->addWidget(tabs, 1);
    all->addLayout(buttons);
    all->addWidget(lblstatus_);
    resize(1100, 700);  // within a 1366 x 768 screen with its title bar and panel
}

void MeasureWindow::wireevents() {
    for (QLineEdit* box : {txtday_, txtmonth_, txtyear_, txthour_, txtmin_, txttz_, txtlat_, txtlong_, txtrotate_,
                           txtgspace_})
        connect(box, &QLineEdit::textChanged, this, &MeasureWindow::recompute);
    for (QCheckBox* box : {optdst_, chkaltaz_, chkflip_, chkinvert_})
        connect(box, &QCheckBox::toggled, this, &MeasureWindow::recompute);
    for (const auto& [box, member] : overlayboxes_) connect(box, &QCheckBox::toggled, view_, &ImageView::refresh);
    connect(cboorient_, &QComboBox::currentIndexChanged, this, &MeasureWindow::recompute);
    for (QLineEdit* box : {txtday_, txtmonth_, txtyear_, txthour_, txtmin_, txttz_})
        connect(box, &QLineEdit::textEdited, this, [this] { setdateset(true); });
    connect(lbldate_, &QLabel::linkActivated, this, &MeasureWindow::keepdate);
    connect(txtcamoffset_, &QLineEdit::textEdited, this, [this] { camoffsetgiven_ = true; });
    connect(txtcamoffset_, &QLineEdit::editingFinished, this, &MeasureWindow::takecameradate);
    connect(cmdopen_, &QPushButton::clicked, this, &MeasureWindow::openclick);
    connect(cmdfindlimb_, &QPushButton::clicked, this, [this] {
        if (!maymovelimb()) return;
        const Measured before = measured();
        findlimbagain();
        remember(tr("the limb found again"), before);
    });
    connect(cmdthree_, &QPushButton::clicked, this, [this] {
        cmdmovelimb_->setChecked(false);  // the three clicks must reach the window
        if (!maymovelimb()) return;
        threemode_ = true;
        threepoints_.clear();
        status(tr("Click a point on the limb (%1 of 3).").arg(1).toStdString());
    });
    connect(cmddelete_, &QPushButton::clicked, this, &MeasureWindow::deleterows);
    connect(new QShortcut(QKeySequence::Delete, tblspots_), &QShortcut::activated, this, &MeasureWindow::deleterows);
    if (services_.help) connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, this, services_.help);
    connect(cmdcopy_, &QPushButton::clicked, this, &MeasureWindow::copyrows);
    connect(cmdsavecsv_, &QPushButton::clicked, this, &MeasureWindow::savecsvclick);
    connect(cmdsaveimage_, &QPushButton::clicked, this, &MeasureWindow::saveimageclick);
    connect(cmdsavelog_, &QPushButton::clicked, this, &MeasureWindow::savelogclick);
    connect(cmdlogdetails_, &QPushButton::clicked, this, &MeasureWindow::changelogclick);
    connect(view_, &ImageView::clicked, this, &MeasureWindow::clicked);
    connect(view_, &ImageView::pointed, this, &MeasureWindow::pointed);
    connect(view_, &ImageView::limbdragged, this, [this](double cx, double cy, double r) {
        if (!dragbefore_) dragbefore_ = measured();
        setlimb({cx, cy, r});
    });
    connect(view_, &ImageView::limbdropped, this, [this] {
        if (dragbefore_) remember(tr("the limb moved"), *dragbefore_);
        dragbefore_.reset();
    });
    wireview();
}

}  // namespace quorvel
