#include "obsdate.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>

#include "numbertext.h"

namespace quorvel {
namespace {

constexpr double LAST_MINUTE = 59.4999;  // the largest minute text that passes the time check

/// Reads an unsigned whole number of n digits at p; advances p.
std::optional<int32_t> digits(std::string_view s, size_t& p, size_t n) {
    if (p + n > s.size()) return std::nullopt;
    int32_t v = 0;
    for (size_t i = 0; i < n; ++i) {
        const char c = s[p + i];
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    p += n;
    return v;
}

bool expect(std::string_view s, size_t& p, char c) {
    if (p >= s.size() || s[p] != c) return false;
    ++p;
    return true;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\'')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\'')) s.remove_suffix(1);
    return s;
}

/// "hh:mm[:ss[.s]]" from p to the end.
bool readtime(std::string_view s, size_t p, ObsDate& d) {
    const auto h = digits(s, p, 2);
    if (!h || !expect(s, p, ':')) return false;
    const auto m = digits(s, p, 2);
    if (!m) return false;
    double sec = 0;
    if (p < s.size()) {
        if (!expect(s, p, ':')) return false;
        auto [end, ec] = std::from_chars(s.data() + p, s.data() + s.size(), sec);
        if (ec != std::errc() || end != s.data() + s.size() || !(sec >= 0 && sec <= 60)) return false;
        if (p + 2 > s.size() || s[p] < '0' || s[p] > '9' || s[p + 1] < '0' || s[p + 1] > '9') return false;
    }
    if (*h > 23 || *m > 59) return false;
    d.hour = *h;
    d.minute = *m;
    d.second = sec;
    return true;
}

bool plausible(const ObsDate& d) { return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= 31; }

}  // namespace

std::optional<ObsDate> parseobsdate(std::string_view dateobs, std::string_view timeobs) {
    const std::string_view s = trimmed(dateobs), t = trimmed(timeobs);
    ObsDate d;
    size_t p = 0;
    if (s.size() == 8 && s[2] == '/' && s[5] == '/') {  // DD/MM/YY, 1900-1999
        const auto day = digits(s, p, 2);
        ++p;
        const auto month = digits(s, p, 2);
        ++p;
        const auto yy = digits(s, p, 2);
        if (!day || !month || !yy) return std::nullopt;
        d.year = 1900 + *yy, d.month = *month, d.day = *day;
    } else {
        const auto year = digits(s, p, 4);
        if (!year || !expect(s, p, '-')) return std::nullopt;
        const auto month = digits(s, p, 2);
        if (!month || !expect(s, p, '-')) return std::nullopt;
        const auto day = digits(s, p, 2);
        if (!day) return std::nullopt;
        d.year = *year, d.month = *month, d.day = *day;
        if (p < s.size()) {
            if (!expect(s, p, 'T') || !readtime(s, p, d)) return std::nullopt;
            return plausible(d) ? std::optional(d) : std::nullopt;
        }
    }
    if (!t.empty() && !readtime(t, 0, d)) return std::nullopt;
    return plausible(d) ? std::optional(d) : std::nullopt;
}

void setutfields(const ObsDate& d, FieldTexts& f) {
    f.day = std::to_string(d.day);
    f.month = std::to_string(d.month);
    f.year = std::to_string(d.year);
    f.hour = std::to_string(d.hour);
    f.min = patterntext(std::min(d.minute + d.second / 60, LAST_MINUTE), "0.0000");
    f.tz.assign(1, '0');  // zone 0: the time is UT
    f.dst = false;
}

std::string obsdatetext(const ObsDate& d) {
    char text[64];  // integers only: no locale reaches them
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:", static_cast<int>(d.year), d.month, d.day, d.hour,
                  d.minute);
    return std::string(text) + patterntext(d.second, "00.0") + " UT";
}

}  // namespace quorvel
