#include <cmath>

#include "orientation.h"

namespace quorvel {

int32_t carringtonrotation(int32_t jd, float jdfrac, double l0) {
    // Mean synodic rotations since the start of rotation 1 (1853 November 9).
    const double count = (static_cast<double>(jd) - 2398140.2270 + static_cast<double>(jdfrac)) / 27.2752316;
    // The part of the current rotation already gone: L0 falls from 360 to 0.
    const double gone = (360 - l0) / 360;
    return static_cast<int32_t>(std::lround(count - gone));
}

}  // namespace quorvel
