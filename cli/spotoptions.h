// The counting options of quorvel_cli measure: --find-spots and its
// settings, --spot with a group, and the counting run itself.
#pragma once

#include <string>
#include <vector>

#include "options.h"
#include "spotfield.h"
#include "spotsurvey.h"

namespace quorvel::cli {

/// What the help of measure says about counting.
extern const char* const SPOT_HELP;

/// A spot given by --spot X,Y[,GROUP].
struct SpotRequest {
    double x = 0, y = 0;  ///< pixels
    int32_t group = 0;    ///< the group's number as listed (east to west) after finding; 0 when none is given
};

struct SpotOptions {
    bool find = false;         ///< --find-spots
    CountSettings settings;    ///< from --thresholds, --group-distance, --min-size and --limb-margin
    bool minsizearcsec = false;  ///< settings.minsizepx is in arcseconds until the image's scale is known
};

/// Adds --find-spots and the valued options of counting to names.
void addspotoptionnames(OptionNames& names);

/// Reads and checks the counting options: an input outcome for values out
/// of range, a usage outcome for counting options without --find-spots.
Outcome spotoptions(const Options& opts, SpotOptions& s);

/// Reads each --spot text: X,Y, or X,Y,GROUP with --find-spots.
Outcome spotrequests(const std::vector<std::string>& texts, bool find, std::vector<SpotRequest>& requests);

/// Finds the spots of the image, adds the requested ones and gives the
/// three sections (spot rows, groups, counts) in text, a sentence on the
/// regions left out in note, and the survey. An input outcome names the
/// requested spots off the disk; the others are counted all the same.
Outcome countimage(const GrayImage& image, const ImageFrame& frame, const SpotOptions& s,
                   const std::vector<SpotRequest>& requests, SpotSurvey& survey, std::string& text, std::string& note);

}  // namespace quorvel::cli
