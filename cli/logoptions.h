// What the log subcommands of quorvel_cli share: the log they open, the
// span and observer they read, the file they write.
#pragma once

#include <string>
#include <vector>

#include "logdb.h"
#include "options.h"
#include "readlog.h"
#include "tracks.h"

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

/// The pixel of a predicted place on the image of --image, as the cells
/// ",X_PX,Y_PX" (both empty when the place lies behind the limb).
using ImagePlacer = Outcome (*)(const Options& opts, const log::LogTime& when, const log::TrackPrediction& p,
                                std::string& cells);
/// Set by quorvel_cli_qt, which opens images; while it is empty, log predict
/// --image hands its whole command line to quorvel_cli_qt.
extern ImagePlacer imageplacer;
/// quorvel_cli_qt's placer: the image opened as measure opens it, its frame
/// taken at the predicted moment.
Outcome placeonimage(const Options& opts, const log::LogTime& when, const log::TrackPrediction& p, std::string& cells);

/// The subcommands, each with the options after its name.
Outcome logadd(const std::vector<std::string>& args);
Outcome logreport(const std::vector<std::string>& args);
Outcome loglist(const std::vector<std::string>& args);
Outcome logk(const std::vector<std::string>& args);
Outcome logpredict(const std::vector<std::string>& args);
Outcome logtrack(const std::vector<std::string>& args);
Outcome logtracks(const std::vector<std::string>& args);
Outcome logrelink(const std::vector<std::string>& args);
Outcome logexport(const std::vector<std::string>& args);
Outcome logimport(const std::vector<std::string>& args);

}  // namespace quorvel::cli
