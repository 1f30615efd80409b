// A measured image's counted spots as an observation of the log: the bridge
// from the counting of an image to what the log keeps.
#pragma once

#include <string>

#include "imageframe.h"
#include "records.h"
#include "spotfield.h"
#include "spotsurvey.h"

namespace quorvel::log {

/// The image an observation was measured on.
struct MeasuredImage {
    std::string path;       ///< as opened
    std::string sha256;     ///< of its bytes, 64 lower-case hexadecimal digits
    Circle limb;            ///< image pixels
    Orientation orientation;
    CountSettings settings; ///< the thresholds it was counted with
};

/// The observation of a counted image: its UT moment from the frame (to the
/// nearest minute), its groups from east to west with their spots, the
/// counts of those groups, and the image. Observer and seeing are left to
/// the caller.
ObservationRecord surveyobservation(const SpotSurvey& survey, const ImageFrame& frame, const MeasuredImage& image);

}  // namespace quorvel::log
