#include "obsdate.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

#include "calendardate.h"
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

/// "DD/MM/YY" (1900-1999), "YYYY/MM/DD" or "YYYY-MM-DD" at the start of s; p
/// is left after it.
bool readday(std::string_view s, size_t& p, ObsDate& d) {
    if (s.size() >= 8 && s[2] == '/' && s[5] == '/') {
        const auto day = digits(s, p, 2);
        const auto month = expect(s, p, '/') ? digits(s, p, 2) : std::nullopt;
        const auto yy = expect(s, p, '/') ? digits(s, p, 2) : std::nullopt;
        if (!day || !month || !yy) return false;
        d.year = 1900 + *yy, d.month = *month, d.day = *day;
        return plausible(d);
    }
    const auto year = digits(s, p, 4);
    const char sep = p < s.size() ? s[p] : '-';
    if (!year || (sep != '-' && sep != '/') || !expect(s, p, sep)) return false;
    const auto month = digits(s, p, 2);
    const auto day = month && expect(s, p, sep) ? digits(s, p, 2) : std::nullopt;
    if (!day) return false;
    d.year = *year, d.month = *month, d.day = *day;
    return plausible(d);
}

}  // namespace

std::optional<ObsDate> parsedatetext(std::string_view text, bool& hastime) {
    std::string_view s = trimmed(text);
    if (!s.empty() && (s.back() == 'Z' || s.back() == 'z')) s.remove_suffix(1);
    ObsDate d;
    size_t p = 0;
    hastime = false;
    if (!readday(s, p, d)) return std::nullopt;
    if (p == s.size()) return d;
    if (s[p] != 'T' && s[p] != ' ') return std::nullopt;
    while (p < s.size() && (s[p] == 'T' || s[p] == ' ')) ++p;
    if (!readtime(s, p, d)) return std::nullopt;
    hastime = true;
    return d;
}

bool parsetimetext(std::string_view text, ObsDate& d) {
    std::string_view t = trimmed(text);
    if (!t.empty() && (t.back() == 'Z' || t.back() == 'z')) t.remove_suffix(1);
    return !t.empty() && readtime(t, 0, d);
}

ObsDate shiftedhours(const ObsDate& d, double hours) {
    const double minutes = d.hour * 60 + d.minute + d.second / 60 + hours * 60;
    const auto days = static_cast<int64_t>(std::floor(minutes / 1440));
    const CalendarDate c = gregoriandate(gregorianjdn({d.year, d.month, d.day}) + days);
    ObsDate out = d;
    out.year = static_cast<int32_t>(c.year), out.month = c.month, out.day = c.day;
    const double left = minutes - static_cast<double>(days) * 1440;  // [0, 1440)
    out.hour = static_cast<int>(left / 60);
    out.minute = static_cast<int>(left - out.hour * 60);
    out.second = std::max(0.0, (left - out.hour * 60 - out.minute) * 60);
    return out;
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
