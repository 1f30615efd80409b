// The log dialog: the observations of the observer's log, one row a
// day's count with g, f and R; a month's report saved; a measured image
// opened again; the tracks of the month, their groups relinked.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <functional>
#include <string>
#include <vector>

#include "formcontrols.h"
#include "platform.h"
#include "records.h"
#include "trackspanel.h"

namespace quorvel {

/// What the dialog reaches beyond itself; the desktop's dialogs when not given.
struct LogDialogServices {
    /// A file to open or to save to ("" when cancelled): caption, suggested name, filter.
    std::function<std::string(const std::string&, const std::string&, const std::string&)> askopen, asksave;
    /// Opens the measured image of an observation in the measuring window.
    std::function<void(const log::ObservationRecord&)> openmeasurement;
    MessageBoxes* messages = nullptr;
    /// The questions of the tracks' tab.
    TracksServices tracks;
};

class LogDialog : public QDialog {
    Q_OBJECT
public:
    /// Shows the log at path (the default log when empty).
    explicit LogDialog(const std::string& path, LogDialogServices services = {}, QWidget* parent = nullptr);

    /// Reads the observations of the log at path into the table; on failure
    /// the status line says why and the table is empty.
    Outcome load(const std::string& path);
    /// Writes the report of the chosen format and month to path (a plot as
    /// SVG, or PNG by the ending).
    Outcome savereport(const std::string& path);
    /// Opens the measurement of the selected row; false when it has no image.
    bool openselected();

    const std::vector<log::ObservationRecord>& observations() const { return observations_; }
    /// The table as text: a line of headers, then a line a row, cells separated by " | ".
    std::string tabletext() const;
    std::string statustext() const { return lblstatus_->text().toStdString(); }
    QComboBox* formatbox() const { return cboformat_; }
    QLineEdit* monthbox() const { return txtmonth_; }
    QTableWidget* table() const { return tblobs_; }
    TracksPanel* trackspanel() const { return trackspanel_; }

private:
    void buildcontrols();
    void filltable();
    /// How the observation was counted, in words for its table cell.
    std::string counted(const log::ObservationRecord& o) const;
    void status(const std::string& text, bool fault);
    void otherclick();
    void reportclick();
    /// The span of the month box, empty when the box is; month is set for a month.
    Outcome monthspan(log::Span& span, bool& month) const;

    LogDialogServices services_;
    QtMessageBoxes desktopmessages_;
    std::string path_;
    std::vector<log::ObservationRecord> observations_;
    QLabel *lblpath_, *lblstatus_;
    QTableWidget* tblobs_;
    TracksPanel* trackspanel_;
    QLineEdit* txtmonth_;
    QComboBox* cboformat_;
    QPushButton *cmdother_, *cmdopen_, *cmdreport_, *cmdclose_;
};

}  // namespace quorvel
