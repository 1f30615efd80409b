// What the log subcommands of quorvel_cli share: the log they open, the
// span and observer they read, the file they write.
#pragma once

#include <string>
#include <vector>

#include "logdb.h"
#include "options.h"
#include "readlog.h"

namespace quorvel::cli {

/// Opens the log of --log FILE, else the default log.
Outcome openlog(const Options& opts, log::LogPurpose purpose, log::LogDb& db);

/// The span of --month YYYY-MM or --from DATE --to DATE (whole days, both
/// included); `whole` when neither is given. `month` is set for --month.
Outcome readspan(const Options& opts, log::Span& span, bool& month, bool& given);

/// The observer of --observer, else the log's default observer.
Outcome readobservercode(const Options& opts, log::LogDb& db, std::string& code);

/// Writes text to --out FILE (replaced whole or left as it was), or to
/// standard output without one.
Outcome writeout(const Options& opts, const std::string& text);

/// Reads a whole file; an io outcome when it cannot.
Outcome readwholefile(const std::string& path, std::string& text);

/// The subcommands, each with the options after its name.
Outcome logadd(const std::vector<std::string>& args);
Outcome logreport(const std::vector<std::string>& args);
Outcome loglist(const std::vector<std::string>& args);
Outcome logk(const std::vector<std::string>& args);
Outcome logpredict(const std::vector<std::string>& args);
Outcome logtrack(const std::vector<std::string>& args);
Outcome logrelink(const std::vector<std::string>& args);
Outcome logexport(const std::vector<std::string>& args);
Outcome logimport(const std::vector<std::string>& args);

}  // namespace quorvel::cli
