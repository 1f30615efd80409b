// A counted image saved as the day's observation: the one way the command
// line and the measuring window put an image's count into the log.
#pragma once

#include <string>

#include "surveyrecord.h"

namespace quorvel {

/// Who saves, how the sky was, and where.
struct CountedSave {
    std::string logpath;   ///< the log; empty: the default log
    std::string seeing;    ///< E, G, F, P or 1 to 5
    std::string observer;  ///< the observer's code; empty: the log's default observer
};

/// Saves the counted image as an observation in one transaction.
///
/// Given:
///   survey, frame  the count and the image's frame (its moment gives the time)
///   image          the image; its SHA-256 is taken from the file at image.path
///   who            the log, seeing and observer
/// Returned:
///   summary        "observation 7 saved in PATH: CODE TIME, g 3, f 9, R 39; group 1 track 4 (new); ..."
Outcome savecounted(const SpotSurvey& survey, const ImageFrame& frame, log::MeasuredImage image, const CountedSave& who,
                    std::string& summary);

}  // namespace quorvel
