#include "logexport.h"

#include <sqlite3.h>

#include "csvtext.h"
#include "schema.h"

namespace quorvel::log {
namespace {

void appendvalue(std::string& out, const Statement& q, int column) {
    switch (q.type(column)) {
        case SQLITE_NULL: break;
        case SQLITE_INTEGER: out += std::to_string(q.integer(column)); break;
        case SQLITE_FLOAT: out += exact(q.real(column)); break;
        default: appendquoted(out, q.text(column)); break;
    }
}

}  // namespace

const char* const* logtables() {
    static const char* const tables[] = {"observer", "equipment", "preference", "observation", "image",
                                         "track",    "spot_group", "spot",      nullptr};
    return tables;
}

Outcome exportlog(LogDb& db, std::string& out) {
    out = "quorvel-log," + std::to_string(LOG_SCHEMA_VERSION) + "\n";
    return db.read([&] {
        for (const char* const* table = logtables(); *table; ++table) {
            Statement q(db.handle(), std::string("SELECT * FROM ") + *table + " ORDER BY rowid");
            out += std::string("table,") + *table;
            for (int c = 0; c < q.columns(); ++c) out.append(",").append(q.name(c));
            out += "\n";
            while (q.step()) {
                out += *table;
                for (int c = 0; c < q.columns(); ++c) {
                    out += ',';
                    appendvalue(out, q, c);
                }
                out += "\n";
            }
            if (q.failed()) return db.fault(q, "cannot read the log");
        }
        return Outcome::ok();
    });
}

}  // namespace quorvel::log
