#include "logdb.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "schema.h"
#include "messagetext.h"

namespace quorvel::log {
namespace {

/// The first 16 bytes of every SQLite database.
constexpr char SQLITE_HEADER[] = "SQLite format 3";

/// 0: the file is missing; 1: empty; 2: an SQLite database; 3: something else.
int filekind(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return 0;
    char head[16] = {};
    in.read(head, sizeof head);
    if (in.gcount() == 0) return 1;
    return in.gcount() == 16 && std::memcmp(head, SQLITE_HEADER, 16) == 0 ? 2 : 3;
}

int pragmavalue(sqlite3* db, const char* sql) {
    Statement s(db, sql);
    return s.step() ? static_cast<int>(s.integer(0)) : -1;
}

/// Copies the whole database to a file that does not exist yet.
Outcome backupcopy(sqlite3* db, const std::string& base, std::string& written) {
    written = base;
    for (int n = 2; filekind(written) != 0; ++n) written = base + "-" + std::to_string(n);
    sqlite3* copy = nullptr;
    int rc = sqlite3_open_v2(written.c_str(), &copy, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_backup* b = sqlite3_backup_init(copy, "main", db, "main");
        rc = b ? sqlite3_backup_step(b, -1) : sqlite3_errcode(copy);
        if (b) sqlite3_backup_finish(b);
    }
    sqlite3_close(copy);
    if (rc == SQLITE_DONE || rc == SQLITE_OK) return Outcome::ok();
    return Outcome::io(fillin(
            MESSAGE_TEXT("Message",
                         "cannot write the backup copy %1 before migrating the log: %2; the log is left as it is"),
            {written, sqlite3_errstr(rc)}));
}

}  // namespace

LogDb::~LogDb() { close(); }

void LogDb::close() {
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

Outcome LogDb::open(const std::string& path, LogPurpose purpose) {
    close();
    path_ = path;
    const int kind = filekind(path);
    if (kind == 0 && purpose == LogPurpose::read)
        return Outcome::io(fillin(MESSAGE_TEXT("Message", "there is no log at %1 (log add starts one)"), {path}),
                           FAULT_FILE_NOT_FOUND);
    if (kind == 3)
        return Outcome::io(
                fillin(MESSAGE_TEXT("Message",
                                    "%1 is not a log of Quorvel: it is not an SQLite database; it is left as it is"),
                       {path}));
    if (kind == 0)
        if (Outcome folders = makefolders(path); !folders.done()) return folders;
    const int flags = purpose == LogPurpose::read ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        const std::string why = db_ ? sqlite3_errmsg(db_) : "out of memory";
        close();
        return Outcome::io(fillin(MESSAGE_TEXT("Message", "cannot open the log %1: %2"), {path, why}),
                           FAULT_PERMISSION_DENIED);
    }
    sqlite3_busy_timeout(db_, LOG_BUSY_TIMEOUT_MS);
    sqlite3_extended_result_codes(db_, 1);
    Outcome checked = checkandprepare(purpose);
    if (!checked.done()) close();
    return checked;
}

Outcome LogDb::checkandprepare(LogPurpose purpose) {
    const int tables = pragmavalue(db_, "SELECT count(*) FROM sqlite_schema");
    if (tables < 0)
        return Outcome::io(fillin(MESSAGE_TEXT("Message", "%1 is not a log of Quorvel: %2; it is left as it is"),
                                  {path_, sqlite3_errmsg(db_)}));
    const int appid = pragmavalue(db_, "PRAGMA application_id");
    int version = pragmavalue(db_, "PRAGMA user_version");
    if (tables == 0 && appid == 0 && version == 0) {
        if (purpose == LogPurpose::read)
            return Outcome::io(fillin(MESSAGE_TEXT("Message", "the log %1 is empty"), {path_}));
        Outcome made = write([&] {  // another process may have made it meanwhile
            if (pragmavalue(db_, "PRAGMA user_version") != 0) return Outcome::ok();
            const std::string pragmas = "PRAGMA application_id = " + std::to_string(LOG_APPLICATION_ID) +
                                        "; PRAGMA user_version = " + std::to_string(LOG_SCHEMA_VERSION) + ";";
            return exec(schemasql()) && exec(pragmas.c_str())
                           ? Outcome::ok()
                           : Outcome::io(
                                     fillin(MESSAGE_TEXT("Message", "cannot make the log: %1"), {sqlite3_errmsg(db_)}));
        });
        if (!made.done()) return made;
        exec("PRAGMA journal_mode = WAL");
        version = LOG_SCHEMA_VERSION;
    } else if (appid != LOG_APPLICATION_ID) {
        return Outcome::io(fillin(
                MESSAGE_TEXT("Message",
                             "%1 is not a log of Quorvel: it is another program's database; it is left as it is"),
                {path_}));
    }
    if (version > LOG_SCHEMA_VERSION)
        return Outcome::io(fillin(MESSAGE_TEXT("Message",
                                               "the log %1 has schema version %2, newer than this program's %3: use a "
                                               "newer Quorvel; it is left as it is"),
                                  {path_, std::to_string(version), std::to_string(LOG_SCHEMA_VERSION)}));
    if (version < LOG_SCHEMA_VERSION || purpose == LogPurpose::write) {
        Statement check(db_, "PRAGMA integrity_check");
        const std::string verdict = check.step() ? check.text(0) : sqlite3_errmsg(db_);
        if (verdict != "ok")
            return Outcome::io(fillin(MESSAGE_TEXT("Message",
                                                   "the log %1 fails its integrity check (%2); it is left as it is: "
                                                   "restore a backup or export what can be read"),
                                      {path_, verdict}));
    }
    if (version < LOG_SCHEMA_VERSION) {
        if (purpose == LogPurpose::read)
            return Outcome::io(fillin(
                    MESSAGE_TEXT("Message", "the log %1 has the older schema version %2: the next log add migrates it"),
                    {path_, std::to_string(version)}));
        if (Outcome migrated = migrate(version); !migrated.done()) return migrated;
    }
    exec("PRAGMA foreign_keys = ON");
    exec("PRAGMA synchronous = FULL");
    return Outcome::ok();
}

Outcome LogDb::migrate(int from) {
    std::string copy;
    if (Outcome b = backupcopy(db_, path_ + ".v" + std::to_string(from) + "-backup", copy); !b.done()) return b;
    return write([&] {
        for (int v = pragmavalue(db_, "PRAGMA user_version"); v < LOG_SCHEMA_VERSION; ++v) {
            const char* step = migrationsql(v);
            const std::string next = "PRAGMA user_version = " + std::to_string(v + 1);
            if (!step || !exec(step) || !exec(next.c_str()))
                return Outcome::io(fillin(MESSAGE_TEXT("Message",
                                                       "cannot migrate the log %1 from schema version %2: %3; it is "
                                                       "left as it was (a copy is in %4)"),
                                          {path_, std::to_string(v), sqlite3_errmsg(db_), copy}));
        }
        return Outcome::ok();
    });
}

bool LogDb::exec(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

Outcome LogDb::write(const std::function<Outcome()>& change) {
    if (!exec("BEGIN IMMEDIATE")) {
        const int rc = sqlite3_errcode(db_);
        if (rc == SQLITE_BUSY)
            return Outcome::io(fillin(
                    MESSAGE_TEXT("Message",
                                 "the log %1 is busy: another program has been saving for %2 s; nothing was written"),
                    {path_, std::to_string(LOG_BUSY_TIMEOUT_MS / 1000)}));
        return Outcome::io(
                fillin(MESSAGE_TEXT("Message", "cannot write the log %1: %2"), {path_, sqlite3_errmsg(db_)}));
    }
    Outcome result = change();
    if (result.done() && !exec("COMMIT"))
        result = Outcome::io(fillin(MESSAGE_TEXT("Message", "cannot write the log %1: %2; nothing was written"),
                                    {path_, sqlite3_errmsg(db_)}));
    if (!result.done()) exec("ROLLBACK");
    return result;
}

Outcome LogDb::read(const std::function<Outcome()>& query) {
    if (!exec("BEGIN"))
        return Outcome::io(fillin(MESSAGE_TEXT("Message", "cannot read the log %1: %2"), {path_, sqlite3_errmsg(db_)}));
    Outcome result = query();
    exec("COMMIT");
    return result;
}

Outcome LogDb::fault(const Statement& s, const std::string& what) const {
    const int primary = s.code() & 0xff;
    if (primary == SQLITE_CONSTRAINT)
        return Outcome::input(fillin(MESSAGE_TEXT("Message", "%1: %2; nothing was written"), {what, s.error()}));
    return Outcome::io(fillin(MESSAGE_TEXT("Message", "%1: %2"), {what, s.error()}), FAULT_DEVICE_IO);
}

std::string defaultlogpath() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data == '/') return std::string(data) + "/quorvel/log.sqlite";
    const char* home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.local/share/quorvel/log.sqlite";
    return "";
}

Outcome makefolders(const std::string& filepath) {
    for (size_t slash = filepath.find('/', 1); slash != std::string::npos; slash = filepath.find('/', slash + 1)) {
        const std::string folder = filepath.substr(0, slash);
        if (mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST)
            return Outcome::io(
                    fillin(MESSAGE_TEXT("Message", "cannot make the folder %1: %2"), {folder, std::strerror(errno)}),
                    FAULT_PERMISSION_DENIED);
    }
    return Outcome::ok();
}

}  // namespace quorvel::log
