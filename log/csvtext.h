// Texts of numbers and CSV fields, the same in every locale.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel::log {

/// v with `decimals` digits after the point, "." as the point, in any locale.
std::string fixed(double v, int decimals);

/// The shortest text that reads back as exactly v.
std::string exact(double v);

/// Appends text as one CSV field, in double quotes, quotes doubled.
void appendquoted(std::string& out, std::string_view text);

/// One field of a CSV record as read: its text and whether it was quoted.
struct CsvField {
    std::string text;
    bool quoted = false;
};

/// Reads the record starting at `at` (quoted fields may hold commas, quotes
/// and line breaks) and moves `at` past its line end; false at the end of
/// the text, or at an unterminated quote, which leaves `at` beyond the text's end.
bool readcsvrecord(std::string_view text, size_t& at, std::vector<CsvField>& record);

}  // namespace quorvel::log
