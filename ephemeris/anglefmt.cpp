#include "anglefmt.h"

#include <cmath>

#include "numbertext.h"

namespace quorvel {
namespace {

/// The shape both texts share: the signed whole units, their mark (UTF-8)
/// and a blank, the whole minutes as two digits, the minutes' mark and a blank.
char* putwholeminutes(char* p, float whole, float minutes, const char* unitmark, char minutemark) {
    p = putsigned(p, whole);
    while (*unitmark) *p++ = *unitmark++;
    *p++ = ' ';
    p = putpattern(p, std::trunc(minutes), 2, 0);  // the seconds are not shown
    *p++ = minutemark;
    *p++ = ' ';
    return p;
}

}  // namespace

char* putdegmin(char* p, float v) {
    const float d = std::trunc(v);
    const float m = static_cast<float>(std::fabs((static_cast<double>(v) - d) * 60));
    char* const end = putwholeminutes(p, d, m, "\xC2\xBA", '\'');  // U+00BA
    if (d == 0 && v < 0) *p = '-';
    return end;
}

char* puthourmin(char* p, float v) {
    const float h = std::trunc(v);
    const float m = static_cast<float>((static_cast<double>(v) - h) * 60);
    return putwholeminutes(p, h, m, "h", 'm');
}

std::string degmin(float v) {
    char buf[NUMBER_TEXT_MAX * 2];
    return std::string(buf, putdegmin(buf, v));
}

std::string hourmin(float v) {
    char buf[NUMBER_TEXT_MAX * 2];
    return std::string(buf, puthourmin(buf, v));
}

}  // namespace quorvel
