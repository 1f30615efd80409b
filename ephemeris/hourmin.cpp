#include <cmath>

#include "anglefmt.h"
#include "numbertext.h"

namespace quorvel {

std::string hourmin(float v) {
    const float h = std::trunc(v);
    const float m = static_cast<float>((static_cast<double>(v) - h) * 60);
    const float n = std::trunc(m);  // seconds are not shown
    return signedtext(h) + "h " + patterntext(n, "00") + "m ";
}

}  // namespace quorvel
