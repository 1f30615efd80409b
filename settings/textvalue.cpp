#include "textvalue.h"

#include <charconv>
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
    const char sign = sc.peek();
    if (sign == '+' || sign == '-') sc.next();
    const double signum = sign == '-' ? -1.0 : 1.0;

    const Scanner mantissa = sc;  // where the mantissa starts, for the full conversion
    bool anydigit = false, point = false;
    int digits = 0, decimals = 0;
    double integer = 0;  // the mantissa digits as an integer, exact up to 15 digits
    for (char c = sc.peek(); isdigit(c) || (c == '.' && !point); c = sc.peek()) {
        if (c == '.') {
            point = true;
        } else {
            anydigit = true;
            integer = integer * 10 + (c - '0');
            ++digits;
            decimals += point;
        }
        sc.next();
    }
    if (!anydigit) return 0.0;

    bool exponent = false;
    std::string exptext;
    const char e = sc.peek();
    if (e == 'e' || e == 'E') {
        Scanner ahead = sc;
        ahead.next();
        exptext = "e";
        const char esign = ahead.peek();
        if (esign == '+' || esign == '-') {
            exptext += esign;
            ahead.next();
        }
        for (char c = ahead.peek(); isdigit(c); c = ahead.peek()) {
            exptext += c;
            exponent = true;
            ahead.next();
        }
    }
    // Up to 15 digits and no exponent: the digits and the power of ten are
    // exact, so one division rounds correctly, as a full conversion would.
    static const double POW10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (!exponent && digits <= 15) return signum * (decimals == 0 ? integer : integer / POW10[decimals]);

    std::string number;  // unsigned mantissa without its blanks, then the exponent if any
    for (Scanner m = mantissa;; m.next()) {
        const char c = m.peek();
        if (m.i >= sc.i) break;
        number += c;
    }
    if (exponent) number += exptext;

    double v = 0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), v);
    if (res.ec != std::errc()) {
        // Beyond the range of binary64: strtod gives the infinity or the zero.
        v = strtod_l(number.c_str(), nullptr, clocale());
    }
    return signum * v;
}

std::optional<double> leadingnumber(std::string_view text) {
    Scanner sc{text};
    const char c = sc.peek();
    if (c == '+' || c == '-') sc.next();
    bool point = false;
    for (char d = sc.peek(); isdigit(d) || (d == '.' && !point); d = sc.peek()) {
        if (isdigit(d)) return textvalue(text);
        point = true;
        sc.next();
    }
    return std::nullopt;
}

std::optional<double> strictnumber(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    const size_t last = text.find_last_not_of(" \t");
    std::string_view body = text.substr(first, last - first + 1);
    if (body[0] == '+') {
        body.remove_prefix(1);
        if (body.empty() || body[0] == '-') return std::nullopt;
    }
    double v = 0;
    const auto res = std::from_chars(body.data(), body.data() + body.size(), v);
    if (res.ec != std::errc() || res.ptr != body.data() + body.size() || !std::isfinite(v)) return std::nullopt;
    return v;
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

std::string quotedtyped(std::string_view text) {
    size_t cut = text.size();
    if (cut > QUOTED_TYPED_MAX) {
        cut = QUOTED_TYPED_MAX;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // a continuation byte
    }
    std::string out(1, '"');
    out.append(text.substr(0, cut));
    if (cut < text.size()) out.append("...");
    out += '"';
    return out;
}

}  // namespace quorvel
