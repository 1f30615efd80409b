#include "logdialog.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

#include "filewrite.h"
#include "language.h"
#include "messagetext.h"
#include "logdb.h"
#include "reachable.h"
#include "readlog.h"
#include "reportrequest.h"
#include "svgraster.h"
#include "tablecells.h"

namespace quorvel {
namespace {

const char* const HEADERS[] = {QT_TRANSLATE_NOOP("quorvel::LogDialog", "Date (UT)"),
                               QT_TRANSLATE_NOOP("quorvel::LogDialog", "Time"),
                               QT_TRANSLATE_NOOP("quorvel::LogDialog", "Observer"),
                               QT_TRANSLATE_NOOP("quorvel::LogDialog", "Seeing"),
                               "g",
                               "f",
                               "R",
                               QT_TRANSLATE_NOOP("quorvel::LogDialog", "Counted"),
                               QT_TRANSLATE_NOOP("quorvel::LogDialog", "Image")};

/// The report formats by their captions, with the ending their files take.
struct FormatChoice {
    const char* caption;
    const char* format;
    const char* filter;
};
const FormatChoice FORMATS[] = {
        {QT_TRANSLATE_NOOP("quorvel::LogDialog", "AAVSO monthly text"), "aavso",
         QT_TRANSLATE_NOOP("quorvel::LogDialog", "Text files (*.txt)")},
        {QT_TRANSLATE_NOOP("quorvel::LogDialog", "BAA monthly CSV"), "baa",
         QT_TRANSLATE_NOOP("quorvel::LogDialog", "CSV files (*.csv)")},
        {QT_TRANSLATE_NOOP("quorvel::LogDialog", "Groups CSV (the month, or all when empty)"), "groups",
         QT_TRANSLATE_NOOP("quorvel::LogDialog", "CSV files (*.csv)")},
        {QT_TRANSLATE_NOOP("quorvel::LogDialog", "Daily R of the month (plot)"), "daily",
         QT_TRANSLATE_NOOP("quorvel::LogDialog", "PNG images (*.png);;SVG drawings (*.svg)")},
        {QT_TRANSLATE_NOOP("quorvel::LogDialog", "Butterfly diagram (the month, or all when empty)"), "butterfly",
         QT_TRANSLATE_NOOP("quorvel::LogDialog", "PNG images (*.png);;SVG drawings (*.svg)")},
};

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

bool endswith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

LogDialog::LogDialog(const std::string& path, LogDialogServices services, QWidget* parent)
    : QDialog(parent), services_(std::move(services)), desktopmessages_(this) {
    setObjectName("frmlog");
    setWindowTitle(tr("Observer's Log"));
    buildcontrols();
    makereachable(*this);
    load(path.empty() ? log::defaultlogpath() : path);
}

void LogDialog::buildcontrols() {
    lblpath_ = new QLabel(this);
    lblpath_->setObjectName("lblpath");
    cmdother_ = button("cmdother", tr("Other &Log..."), this);
    std::vector<QString> headers;
    for (const char* h : HEADERS) headers.push_back(tr(h));
    tblobs_ = rowtable("tblobs", headers, this);
    trackspanel_ = new TracksPanel(services_.tracks, [this](const std::string& text, bool fault) { status(text, fault); }, this);
    txtmonth_ = new QLineEdit(this);
    txtmonth_->setObjectName("txtmonth");
    txtmonth_->setPlaceholderText("YYYY-MM");
    cboformat_ = new QComboBox(this);
    cboformat_->setObjectName("cboformat");
    cboformat_->setAccessibleName(tr("Report"));
    for (const FormatChoice& f : FORMATS) cboformat_->addItem(tr(f.caption));
    cmdreport_ = button("cmdreport", tr("Save &Report..."), this);
    cmdopen_ = button("cmdopen", tr("&Open Measurement"), this);
    cmdclose_ = button("cmdclose", tr("&Close"), this);
    lblstatus_ = new QLabel(this);
    lblstatus_->setObjectName("lblstatus");
    auto* top = new QHBoxLayout;
    top->addWidget(lblpath_, 1);
    top->addWidget(cmdother_);
    auto* report = new QHBoxLayout;
    auto* month = new QLabel(tr("Mon&th"), this);
    month->setBuddy(txtmonth_);
    report->addWidget(month);
    report->addWidget(txtmonth_);
    report->addWidget(cboformat_, 1);
    report->addWidget(cmdreport_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblstatus_, 1);
    bottom->addWidget(cmdopen_);
    bottom->addWidget(cmdclose_);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("tablog");
    tabs->addTab(tblobs_, tr("Observations"));
    tabs->addTab(trackspanel_, tr("Tracks"));
    all->addWidget(tabs, 1);
    all->addLayout(report);
    all->addLayout(bottom);
    resize(940, 540);  // the tracks' columns whole, within a 1366 x 768 screen
    connect(cmdother_, &QPushButton::clicked, this, &LogDialog::otherclick);
    connect(cmdreport_, &QPushButton::clicked, this, &LogDialog::reportclick);
    connect(cmdopen_, &QPushButton::clicked, this, &LogDialog::openselected);
    connect(tblobs_, &QTableWidget::cellDoubleClicked, this, &LogDialog::openselected);
    connect(cmdclose_, &QPushButton::clicked, this, &QDialog::accept);
    connect(txtmonth_, &QLineEdit::editingFinished, this, [this] {
        log::Span span;
        bool month = false;
        const Outcome read = monthspan(span, month);
        if (read.done()) trackspanel_->load(path_, month ? span : log::WHOLE_LOG);
        else status(read.message, true);
    });
    connect(tblobs_, &QTableWidget::itemSelectionChanged, this, [this] {
        const int row = tblobs_->currentRow();
        cmdopen_->setEnabled(row >= 0 && row < static_cast<int>(observations_.size()) && observations_[row].image);
    });
}

Outcome LogDialog::load(const std::string& path) {
    path_ = path;
    lblpath_->setText(tr("Log: %1").arg(QString::fromStdString(path)));
    observations_.clear();
    log::LogDb db;
    Outcome read = db.open(path, log::LogPurpose::read);
    if (read.done()) read = db.read([&] { return log::readobservations(db, "", log::WHOLE_LOG, observations_); });
    filltable();
    if (!read.done()) status(read.message, true);
    else
        status((observations_.size() == 1 ? tr("1 observation") : tr("%1 observations").arg(observations_.size()))
                       .toStdString(),
               false);
    if (!observations_.empty() && txtmonth_->text().isEmpty()) {
        const log::LogTime& t = observations_.back().time;
        txtmonth_->setText(QString::asprintf("%04d-%02d", t.year, t.month));
    }
    log::Span span;
    bool month = false;
    const bool inmonth = monthspan(span, month).done() && month;
    trackspanel_->load(path, inmonth ? span : log::WHOLE_LOG);  // emptied when the log cannot be read
    return read;
}

std::string LogDialog::counted(const log::ObservationRecord& o) const {
    return (o.image ? tr("image") : o.counts.hemispheres ? tr("by hemisphere") : tr("whole disk")).toStdString();
}

void LogDialog::filltable() {
    std::vector<std::vector<std::string>> rows;
    for (const log::ObservationRecord& o : observations_) {
        const std::string time = log::logtimetext(o.time);
        rows.push_back({time.substr(0, 10), time.substr(11, 5), o.observer, o.seeing, std::to_string(o.counts.g),
                        std::to_string(o.counts.f), std::to_string(o.counts.r()), counted(o),
                        o.image ? o.image->path : ""});
    }
    fillcells(tblobs_, rows, {4, 5, 6});  // g, f, R
    cmdopen_->setEnabled(false);
}

std::string LogDialog::tabletext() const { return quorvel::tabletext(tblobs_); }

void LogDialog::status(const std::string& text, bool fault) {
    lblstatus_->setText(fault ? translatedsentence(text) : translatemessage(text));
    lblstatus_->setStyleSheet(fault ? "color: #b00000" : "");
}

Outcome LogDialog::monthspan(log::Span& span, bool& month) const {
    span = {}, month = false;
    const std::string text = txtmonth_->text().trimmed().toStdString();
    if (text.empty()) return Outcome::ok();
    log::LogTime first;
    if (Outcome read = log::parselogmonth(text, MESSAGE_TEXT("Message", "month"), first); !read.done()) return read;
    log::LogTime last = first;
    last.day = log::daysofmonth(first.year, first.month);
    span = {log::logminutes(first), log::logminutes(last) + 1440};
    month = true;
    return Outcome::ok();
}

Outcome LogDialog::savereport(const std::string& path) {
    const FormatChoice& choice = FORMATS[cboformat_->currentIndex()];
    log::ReportRequest request{choice.format, "", {}, false, false};
    if (Outcome read = monthspan(request.span, request.month); !read.done()) return read;
    log::LogDb db;
    std::string text;
    if (Outcome opened = db.open(path_, log::LogPurpose::read); !opened.done()) return opened;
    if (Outcome made = log::reporttext(db, request, text); !made.done()) return made;
    if (endswith(path, ".png")) return svgtopng(text, path);
    return writefile(path, text, WriteTarget::streamable);
}

void LogDialog::reportclick() {
    const FormatChoice& choice = FORMATS[cboformat_->currentIndex()];
    const std::string suggested = std::string(choice.format) + "_" + txtmonth_->text().toStdString() +
                                  (std::string(choice.filter).find("png") != std::string::npos ? ".png"
                                   : std::string(choice.filter).find("csv") != std::string::npos ? ".csv" : ".txt");
    const QString title = tr("Save Report"), filter = tr(choice.filter);
    const std::string path =
            services_.asksave ? services_.asksave(title.toStdString(), suggested, filter.toStdString())
                              : QFileDialog::getSaveFileName(this, title, QString::fromStdString(suggested), filter)
                                        .toStdString();
    if (path.empty()) return;
    const Outcome saved = savereport(path);
    status(saved.done() ? tr("Saved %1").arg(QString::fromStdString(path)).toStdString() : saved.message,
           !saved.done());
    if (!saved.done())
        (services_.messages ? *services_.messages : desktopmessages_)
                .showmessage(MESSAGE_TEXT("Message", "Observer's Log"), saved.message);
}

void LogDialog::otherclick() {
    const QString title = tr("Open Log"), filter = tr("Logs (*.sqlite);;All files (*)");
    const std::string path = services_.askopen ? services_.askopen(title.toStdString(), "", filter.toStdString())
                                               : QFileDialog::getOpenFileName(this, title, {}, filter).toStdString();
    if (!path.empty()) load(path);
}

bool LogDialog::openselected() {
    const int row = tblobs_->currentRow();
    if (row < 0 || row >= static_cast<int>(observations_.size()) || !observations_[row].image) return false;
    if (services_.openmeasurement) services_.openmeasurement(observations_[row]);
    return true;
}

}  // namespace quorvel
