// A counted image saved as the day's observation: the one way the command
// line and the measuring window put an image's count into the log.
#pragma once

#include <string>
#include <vector>

#include "save.h"
#include "surveyrecord.h"

namespace quorvel {

/// Where the count goes, who saves, how the sky was, with what.
struct CountedSave {
    std::string logpath;       ///< the log; empty: the default log
    log::SaveAnswers answers;  ///< seeing, observer (empty: the log's default), equipment (empty: none)
    bool remember = false;     ///< keep the seeing and the equipment in the log for the next save
};

/// The log a save writes: logpath, else the default log; a usage outcome
/// when neither XDG_DATA_HOME nor HOME names a folder for it.
Outcome countedlogpath(const std::string& logpath, std::string& path);

/// The answers the log at logpath keeps for Save to Log (none when it keeps
/// none or cannot be read: a log not made yet) and its equipment profiles.
void readsaveanswers(const std::string& logpath, log::SaveAnswers& answers, std::vector<std::string>& profiles);

/// "seeing G, observer ABCR, equipment Refractor 80" ("the log's default
/// observer", "no equipment" for empty ones).
std::string answerstext(const log::SaveAnswers& answers);

/// Saves the counted image as an observation in one transaction.
///
/// Given:
///   survey, frame  the count and the image's frame (its moment gives the time)
///   image          the image; its SHA-256 is taken from the file at image.path
///   who            the log, the answers, and whether to keep them
/// Returned:
///   summary        "observation 7 saved in PATH: CODE TIME, g 3, f 9, R 39; group 1 track 4 (new); ..."
///
/// Notes:
/// 1. An equipment profile the log does not hold is made with the answers'
///    method; one it holds is used as it stands.
Outcome savecounted(const SpotSurvey& survey, const ImageFrame& frame, log::MeasuredImage image, const CountedSave& who,
                    std::string& summary);

}  // namespace quorvel
