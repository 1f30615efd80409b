// The log database: opened only when it is a log that passes its checks,
// changed only in transactions.
#pragma once

#include <functional>
#include <string>

#include "outcome.h"
#include "statement.h"

struct sqlite3;

namespace quorvel::log {

/// What the log is opened for.
enum class LogPurpose {
    read,   ///< reports and exports: the file must exist; nothing is written
    write,  ///< saves: created when missing, checked whole, migrated after a backup copy
};

class LogDb {
public:
    LogDb() = default;
    ~LogDb();
    LogDb(const LogDb&) = delete;
    LogDb& operator=(const LogDb&) = delete;

    /// Opens the log at path.
    ///
    /// Notes:
    /// 1. A file that is not an SQLite database, a database that is not a
    ///    log, a log of a newer schema, and (for writing or migrating) a log
    ///    that fails PRAGMA integrity_check give an io outcome and are never
    ///    written to.
    /// 2. A log of an older schema is copied to path + ".vN-backup" (N its
    ///    version) before it migrates in place, in one transaction.
    /// 3. Foreign keys on, write-ahead logging, a busy timeout of
    ///    LOG_BUSY_TIMEOUT_MS so that two writers wait for each other.
    Outcome open(const std::string& path, LogPurpose purpose);

    sqlite3* handle() const { return db_; }
    const std::string& path() const { return path_; }

    /// Runs change in one write transaction: all of it or nothing. The
    /// transaction is rolled back when change returns a failed outcome.
    Outcome write(const std::function<Outcome()>& change);

    /// Runs query in one read transaction: one consistent state of the log.
    Outcome read(const std::function<Outcome()>& query);

    /// The outcome of a statement that failed: busy, full disk, damaged file
    /// as io; a broken rule of the schema as an input fault.
    Outcome fault(const Statement& s, const std::string& what) const;

    /// Runs sql that takes no values (pragmas, schema); false on failure.
    bool exec(const char* sql);

private:
    Outcome checkandprepare(LogPurpose purpose);
    Outcome migrate(int from);
    void close();

    sqlite3* db_ = nullptr;
    std::string path_;
};

/// Milliseconds a writer waits for another to finish.
inline constexpr int LOG_BUSY_TIMEOUT_MS = 10000;

/// The default place of the log: $XDG_DATA_HOME/quorvel/log.sqlite, else
/// ~/.local/share/quorvel/log.sqlite; "" when neither variable is set.
std::string defaultlogpath();

/// Makes the folders of a file's path that are missing; io when it cannot.
Outcome makefolders(const std::string& filepath);

}  // namespace quorvel::log
