#include "textvalue.h"

#include <clocale>
#include <cmath>
#include <limits>
#include <cstdlib>
#include <locale.h>

namespace quorvel {
namespace {

bool isblank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isdigit(char c) { return c >= '0' && c <= '9'; }

/// Cursor over a text that steps over blanks.
struct Scanner {
    std::string_view s;
    size_t i = 0;
    char peek() {
        while (i < s.size() && isblank(s[i])) ++i;
        return i < s.size() ? s[i] : '\0';
    }
    void next() { ++i; }
};

/// The C locale, so that strtod reads "." whatever the process's locale.
locale_t clocale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

}  // namespace

double textvalue(std::string_view text) {
    Scanner sc{text};
    std::string number;
    const char sign = sc.peek();
    if (sign == '+' || sign == '-') {
        number += sign;
        sc.next();
    }
    bool anydigit = false, point = false;
    for (char c = sc.peek(); isdigit(c) || (c == '.' && !point); c = sc.peek()) {
        if (c == '.') point = true; else anydigit = true;
        number += c;
        sc.next();
    }
    if (!anydigit) return 0.0;

    const char e = sc.peek();
    if (e == 'e' || e == 'E') {
        Scanner ahead = sc;
        ahead.next();
        std::string exponent = "e";
        const char esign = ahead.peek();
        if (esign == '+' || esign == '-') {
            exponent += esign;
            ahead.next();
        }
        bool expdigit = false;
        for (char c = ahead.peek(); isdigit(c); c = ahead.peek()) {
            exponent += c;
            expdigit = true;
            ahead.next();
        }
        if (expdigit) number += exponent;
    }
    return strtod_l(number.c_str(), nullptr, clocale());
}

float textvaluefloat(std::string_view text) {
    const double v = textvalue(text);
    // Half an ulp above the largest binary32 value: from there on, nearest is infinity.
    const double overflow = static_cast<double>(std::numeric_limits<float>::max()) + 0x1p103;
    constexpr float inf = std::numeric_limits<float>::infinity();
    if (std::fabs(v) >= overflow) return v > 0 ? inf : -inf;
    return static_cast<float>(v);
}

std::string commatodot(std::string_view s) {
    const size_t comma = s.find(',');
    if (comma == std::string_view::npos) return std::string(s);
    std::string out(s.substr(0, comma));
    if (comma + 1 < s.size()) {
        out += '.';
        out.append(s.substr(comma + 1));
    }
    return out;
}

}  // namespace quorvel
