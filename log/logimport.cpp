#include <charconv>
#include <cstring>
#include <memory>

#include "csvtext.h"
#include "logexport.h"
#include "schema.h"

namespace quorvel::log {
namespace {

/// The table a header record names, with its insert statement.
struct TableInput {
    std::string name;
    size_t columns = 0;
    std::unique_ptr<Statement> insert;
};

bool knowntable(const std::string& name) {
    for (const char* const* t = logtables(); *t; ++t)
        if (name == *t) return true;
    return false;
}

/// The insert of a header record "table,NAME,COLUMN...", when the columns are the table's own.
Outcome startable(LogDb& db, const std::vector<CsvField>& header, TableInput& table) {
    const std::string name = header.size() > 1 ? header[1].text : "";
    if (!knowntable(name)) return Outcome::input("'" + name + "' is not a table of the log");
    Statement info(db.handle(), "SELECT name FROM pragma_table_info(?) ORDER BY cid");
    info.bind(1, name);
    std::string columns, marks;
    size_t n = 0;
    for (; info.step(); ++n) {
        if (n + 2 >= header.size() || header[n + 2].text != info.text(0))
            return Outcome::input("the columns of table " + name + " differ from the log's");
        columns.append(n ? "," : "").append(info.text(0));
        marks += n ? ",?" : "?";
    }
    if (n + 2 != header.size()) return Outcome::input("the columns of table " + name + " differ from the log's");
    table = {name, n, std::make_unique<Statement>(db.handle(), "INSERT INTO " + name + " (" + columns + ") VALUES (" + marks + ")")};
    return Outcome::ok();
}

bool bindfield(Statement& s, int index, const CsvField& f) {
    if (f.quoted) return s.bind(index, f.text), true;
    if (f.text.empty()) return s.bindnull(index), true;
    const char* end = f.text.data() + f.text.size();
    int64_t whole = 0;
    if (auto r = std::from_chars(f.text.data(), end, whole); r.ec == std::errc() && r.ptr == end) return s.bind(index, whole), true;
    double real = 0;
    if (auto r = std::from_chars(f.text.data(), end, real); r.ec == std::errc() && r.ptr == end) return s.bind(index, real), true;
    return false;
}

Outcome insertrow(LogDb& db, TableInput& table, const std::vector<CsvField>& row) {
    if (!table.insert || row[0].text != table.name || row.size() != table.columns + 1)
        return Outcome::input("a row that does not fit the table before it");
    Statement& s = *table.insert;
    s.reset();
    for (size_t c = 1; c < row.size(); ++c)
        if (!bindfield(s, static_cast<int>(c), row[c])) return Outcome::input("'" + row[c].text + "' is not a number");
    return s.run() ? Outcome::ok() : db.fault(s, "a row the log does not take");
}

Outcome readrecords(LogDb& db, const std::string& text) {
    size_t at = 0;
    std::vector<CsvField> record;
    if (!readcsvrecord(text, at, record) || record.size() != 2 || record[0].text != "quorvel-log")
        return Outcome::input("this is not an export of a Quorvel log (its first line is not quorvel-log,VERSION)");
    if (record[1].text != std::to_string(LOG_SCHEMA_VERSION))
        return Outcome::input("this export has schema version " + record[1].text + "; this program reads version " +
                              std::to_string(LOG_SCHEMA_VERSION));
    TableInput table;
    for (int line = 2; readcsvrecord(text, at, record); ++line) {
        if (record.size() == 1 && record[0].text.empty() && !record[0].quoted) continue;
        const Outcome done = record[0].text == "table" && !record[0].quoted ? startable(db, record, table)
                                                                            : insertrow(db, table, record);
        if (!done.done()) return Outcome{done.kind, "record " + std::to_string(line) + " of the export: " + done.message, done.fault};
    }
    if (at > text.size()) return Outcome::input("the export ends inside a quoted text");
    return Outcome::ok();
}

}  // namespace

Outcome importlog(LogDb& db, const std::string& text) {
    return db.write([&] {
        Statement used(db.handle(), "SELECT (SELECT count(*) FROM observer) + (SELECT count(*) FROM equipment) + "
                                    "(SELECT count(*) FROM track) + (SELECT count(*) FROM preference)");
        if (used.step() && used.integer(0) > 0)
            return Outcome::input("the log " + db.path() + " is not empty: import reads an export into an empty log only");
        db.exec("PRAGMA defer_foreign_keys = ON");
        Outcome read = readrecords(db, text);
        if (read.done()) return read;
        return Outcome{read.kind, read.message + "; nothing was read in", read.fault};
    });
}

}  // namespace quorvel::log
