#include "tablecells.h"

#include <QHeaderView>

namespace quorvel {

QTableWidget* rowtable(const char* name, const std::vector<QString>& headers, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(name);
    for (int c = 0; c < table->columnCount(); ++c) table->setHorizontalHeaderItem(c, new QTableWidgetItem(headers[c]));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    return table;
}

void fillcells(QTableWidget* table, const std::vector<std::vector<std::string>>& rows, const std::set<int>& right) {
    table->setRowCount(static_cast<int>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < table->columnCount() && c < static_cast<int>(rows[r].size()); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(rows[r][c]));
            if (right.count(c)) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(static_cast<int>(r), c, item);
        }
    }
    table->resizeColumnsToContents();
}

std::string tabletext(const QTableWidget* table) {
    std::string out;
    for (int r = -1; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* item = r < 0 ? table->horizontalHeaderItem(c) : table->item(r, c);
            out += (c ? " | " : "") + (item ? item->text().toStdString() : std::string());
        }
        out += "\n";
    }
    return out;
}

}  // namespace quorvel
