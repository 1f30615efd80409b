// The measuring window's rows: a spot added by a click, rows deleted and
// copied, the table filled against the current frame.
#include "language.h"
#include "messagetext.h"
#include "measurewindow.h"
#include "numbertext.h"
#include "spotpanel.h"

namespace quorvel {

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

bool MeasureWindow::addspot(double x, double y) {
    if (image_.gray.empty()) return false;
    if (!frame_) {
        status(limb_ ? lblvalues_->text().toStdString() : MESSAGE_TEXT("Message", "No limb: set it first."), true);
        return false;
    }
    const int32_t number = numbers_.empty() ? 1 : numbers_.back() + 1;
    const Measured before = measured();
    const SpotRow row = measurespot(*frame_, x, y, number);
    if (!row.disk.ondisk) {
        status(MESSAGE_TEXT("Message", "Off the disk."), true);
        return false;
    }
    spots_.push_back({x, y});
    numbers_.push_back(number);
    filltable();
    view_->refresh();
    remember(tr("spot %1 added").arg(number), before);
    status(tr("Spot %1: %2").arg(number).arg(translatemessage(readouttext(row.disk))).toStdString());
    return true;
}

void MeasureWindow::deleterows() {
    std::vector<int> picked;
    for (const QModelIndex& i : tblspots_->selectionModel()->selectedRows()) picked.push_back(i.row());
    std::sort(picked.rbegin(), picked.rend());
    const Measured before = measured();
    for (int r : picked) {
        spots_.erase(spots_.begin() + r);
        numbers_.erase(numbers_.begin() + r);
    }
    filltable();
    view_->refresh();
    if (picked.empty()) return status(tr("Choose the rows to delete in the table first.").toStdString());
    const QString what = picked.size() == 1 ? tr("row %1 deleted").arg(before.numbers[static_cast<size_t>(picked[0])])
                                            : tr("%1 rows deleted").arg(picked.size());
    remember(what, before);
    status(tr("%1; Ctrl+Z undoes it.").arg(what.left(1).toUpper() + what.mid(1)).toStdString());
}

void MeasureWindow::copyrows() {
    if (countingshown()) {  // the Count Spots tab: the counts and the groups
        (services_.clipboard ? *services_.clipboard : systemclipboard_).settext(spotpanel_->copytext());
        return status(MESSAGE_TEXT("Message", "The counts and the groups copied."));
    }
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

}  // namespace quorvel
