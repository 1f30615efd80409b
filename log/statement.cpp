#include "statement.h"

#include <sqlite3.h>

namespace quorvel::log {

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
    }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

std::string Statement::error() const { return sqlite3_errmsg(db_); }

Statement& Statement::bind(int index, int64_t v) {
    sqlite3_bind_int64(stmt_, index, v);
    return *this;
}

Statement& Statement::bind(int index, double v) {
    sqlite3_bind_double(stmt_, index, v);
    return *this;
}

Statement& Statement::bind(int index, std::string_view v) {
    sqlite3_bind_text(stmt_, index, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    return *this;
}

Statement& Statement::bind(int index, const std::optional<int64_t>& v) {
    return v ? bind(index, *v) : bindnull(index);
}

Statement& Statement::bind(int index, const std::optional<double>& v) {
    return v ? bind(index, *v) : bindnull(index);
}

Statement& Statement::bindnull(int index) {
    sqlite3_bind_null(stmt_, index);
    return *this;
}

bool Statement::step() {
    if (!stmt_) {
        failed_ = true;
        return false;
    }
    code_ = sqlite3_step(stmt_);
    if (code_ == SQLITE_ROW) return true;
    failed_ = code_ != SQLITE_DONE;
    return false;
}

bool Statement::run() {
    while (step()) {
    }
    return !failed_;
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    failed_ = false;
}

int64_t Statement::integer(int column) const { return sqlite3_column_int64(stmt_, column); }
double Statement::real(int column) const { return sqlite3_column_double(stmt_, column); }

std::string Statement::text(int column) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return p ? std::string(p, static_cast<size_t>(sqlite3_column_bytes(stmt_, column))) : std::string();
}

bool Statement::isnull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }

std::optional<int64_t> Statement::optinteger(int column) const {
    if (isnull(column)) return std::nullopt;
    return integer(column);
}

std::optional<double> Statement::optreal(int column) const {
    if (isnull(column)) return std::nullopt;
    return real(column);
}

int Statement::columns() const { return sqlite3_column_count(stmt_); }
int Statement::type(int column) const { return sqlite3_column_type(stmt_, column); }
std::string Statement::name(int column) const { return sqlite3_column_name(stmt_, column); }

}  // namespace quorvel::log
