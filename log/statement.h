// One prepared SQLite statement with bound values: the only way the log
// passes values to SQL.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace quorvel::log {

class Statement {
public:
    /// Prepares sql on db; ok() tells whether it could be, error() why not.
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return stmt_ != nullptr; }
    /// The database's message of the last failure.
    std::string error() const;

    /// Binds parameter index (1-based); an empty optional binds NULL.
    Statement& bind(int index, int64_t v);
    Statement& bind(int index, double v);
    Statement& bind(int index, std::string_view v);
    Statement& bind(int index, const std::optional<int64_t>& v);
    Statement& bind(int index, const std::optional<double>& v);
    Statement& bindnull(int index);

    /// Steps once: true while a row is there. done() after the last row;
    /// failed() when the step failed (a constraint, a busy database).
    bool step();
    bool failed() const { return failed_; }
    /// The SQLite result code of the failed step.
    int code() const { return code_; }
    /// Runs a statement that returns no rows; false on failure.
    bool run();
    /// Makes the statement ready for new bindings.
    void reset();

    int64_t integer(int column) const;
    double real(int column) const;
    std::string text(int column) const;
    bool isnull(int column) const;
    std::optional<int64_t> optinteger(int column) const;
    std::optional<double> optreal(int column) const;
    int columns() const;
    /// The column's type as SQLite stores it in this row (SQLITE_INTEGER, ...).
    int type(int column) const;
    std::string name(int column) const;

private:
    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
    bool failed_ = false;
    int code_ = 0;
};

}  // namespace quorvel::log
