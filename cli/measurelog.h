// measure --find-spots --log: the counted image saved as the day's observation.
#pragma once

#include <string>
#include <vector>

#include "options.h"
#include "surveyrecord.h"

namespace quorvel::cli {

/// What --log [FILE], --seeing and --observer ask of measure.
struct MeasureLog {
    bool wanted = false;  ///< --log was given
    std::string file;     ///< its FILE; empty: the default log
};

/// Takes "--log", "--log FILE" and "--log=FILE" out of args: FILE is the
/// next argument unless it starts with "-" or is the only operand left for
/// the image.
void takelogoption(std::vector<std::string>& args, MeasureLog& request);

/// Checks --seeing and --observer before anything is measured; a usage
/// outcome for them without --log or --find-spots.
Outcome checkmeasurelog(const Options& opts, const MeasureLog& request, bool findspots);

/// Saves the counted image as an observation; the summary goes to standard error.
Outcome savemeasured(const Options& opts, const MeasureLog& request, const SpotSurvey& survey, const ImageFrame& frame,
                     log::MeasuredImage image);

}  // namespace quorvel::cli
