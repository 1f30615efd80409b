#include <cmath>

#include "anglefmt.h"
#include "numbertext.h"

namespace quorvel {

char* puthourmin(char* p, float v) {
    const float h = std::trunc(v);
    const float m = static_cast<float>((static_cast<double>(v) - h) * 60);
    const float n = std::trunc(m);  // seconds are not shown
    p = putsigned(p, h);
    *p++ = 'h';
    *p++ = ' ';
    p = putpattern(p, n, 2, 0);
    *p++ = 'm';
    *p++ = ' ';
    return p;
}

std::string hourmin(float v) {
    char buf[NUMBER_TEXT_MAX * 2];
    return std::string(buf, puthourmin(buf, v));
}

}  // namespace quorvel
