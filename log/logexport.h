// The whole log as one CSV text, and back into an empty log.
#pragma once

#include <string>

#include "logdb.h"

namespace quorvel::log {

/// The whole log as CSV: a first line "quorvel-log,VERSION", then for each
/// table a line "table,NAME,COLUMN..." and its rows "NAME,VALUE...", in
/// row order.
///
/// Notes:
/// 1. Texts are quoted, NULL is an empty unquoted field, real numbers are
///    written in the shortest form that reads back exactly.
Outcome exportlog(LogDb& db, std::string& out);

/// Reads an export into an empty log, in one transaction: all of it or
/// nothing. An input outcome names the first line that does not fit.
Outcome importlog(LogDb& db, const std::string& text);

/// The tables of the log in the order an import fills them.
const char* const* logtables();

}  // namespace quorvel::log
