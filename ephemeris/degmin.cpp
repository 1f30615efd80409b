#include <cmath>

#include "anglefmt.h"
#include "numbertext.h"

namespace quorvel {

std::string degmin(float v) {
    const float d = std::trunc(v);
    const float m = static_cast<float>(std::fabs((static_cast<double>(v) - d) * 60));
    const float n = std::trunc(m);  // arc seconds are not shown
    std::string text = signedtext(d);
    if (d == 0 && v < 0) text[0] = '-';
    return text + "\u00BA " + patterntext(n, "00") + "' ";
}

}  // namespace quorvel
