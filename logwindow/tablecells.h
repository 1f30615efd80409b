// The log's tables in the windows: filled from rows of texts, read back as text.
#pragma once

#include <QTableWidget>
#include <set>
#include <string>
#include <vector>

namespace quorvel {

/// A read-only table of whole rows with these column headers.
QTableWidget* rowtable(const char* name, const std::vector<QString>& headers, QWidget* parent);

/// Replaces the table's rows; the columns in `right` are aligned right (numbers).
void fillcells(QTableWidget* table, const std::vector<std::vector<std::string>>& rows, const std::set<int>& right);

/// The table as text: a line of headers, then a line a row, cells separated by " | ".
std::string tabletext(const QTableWidget* table);

}  // namespace quorvel
