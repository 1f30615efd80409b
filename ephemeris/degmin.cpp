#include <cmath>

#include "anglefmt.h"
#include "numbertext.h"

namespace quorvel {

char* putdegmin(char* p, float v) {
    const float d = std::trunc(v);
    const float m = static_cast<float>(std::fabs((static_cast<double>(v) - d) * 60));
    const float n = std::trunc(m);  // arc seconds are not shown
    char* const start = p;
    p = putsigned(p, d);
    if (d == 0 && v < 0) *start = '-';
    *p++ = '\xC2';  // U+00BA
    *p++ = '\xBA';
    *p++ = ' ';
    p = putpattern(p, n, 2, 0);
    *p++ = '\'';
    *p++ = ' ';
    return p;
}

std::string degmin(float v) {
    char buf[NUMBER_TEXT_MAX * 2];
    return std::string(buf, putdegmin(buf, v));
}

}  // namespace quorvel
