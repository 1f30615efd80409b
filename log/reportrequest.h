// Which report of which observer over which span, made from the log: the
// one place the command line and the log dialog ask for reports.
#pragma once

#include <string>

#include "logdb.h"
#include "readlog.h"

namespace quorvel::log {

struct ReportRequest {
    std::string format;    ///< "aavso", "baa", "groups", "daily" (SVG) or "butterfly" (SVG)
    std::string observer;  ///< the observer's code; empty: the log's default observer
    Span span;             ///< the empty span {0, 0}: the whole of the observer's observations
    bool month = false;    ///< span is one calendar month (required by aavso, baa and daily)
    bool withk = false;    ///< baa: the column kR with the observer's saved k
};

/// The report's text, read in one transaction; nothing is written.
///
/// Notes:
/// 1. A monthly format without a month is a usage outcome; an unknown
///    observer, no default observer or --with-k without a saved k an input
///    outcome.
Outcome reporttext(LogDb& db, const ReportRequest& request, std::string& out);

}  // namespace quorvel::log
