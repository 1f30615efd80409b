#include "numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quorvel {
namespace {

/// True when v lies exactly halfway between two multiples of 10^-decimals.
///
/// Such a tie is a dyadic rational: v = odd / 2^(decimals + 1), which the
/// exact power-of-two scaling below detects.
bool istie(double v, int decimals) {
    const double w = std::ldexp(std::fabs(v), decimals + 1);
    return std::isfinite(w) && w == std::floor(w) && std::fmod(w, 2.0) == 1.0;
}

std::string fixeddigits(double v, int decimals) {
    std::array<char, 400> buf{};
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed,
                             decimals);
    return std::string(buf.data(), res.ptr);
}

/// |v| rounded to `decimals` places, halves away from zero, on the exact
/// binary value, as the integer |v| * 10^decimals; false when that is too
/// large for the exact path.
///
/// The product is split exactly into hi + lo (std::fma), so the comparison
/// with the halfway point sees the exact value.
bool roundedscaled(double mag, int decimals, long long& scaled) {
    static const double POW10[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    if (decimals < 0 || decimals > 6) return false;
    const double scale = POW10[decimals];
    const double hi = mag * scale;
    if (!(hi < 0x1p50)) return false;
    const double lo = std::fma(mag, scale, -hi);
    const double whole = std::floor(hi);
    // Rounding may change this sum but never its sign, which is that of the
    // exact remainder minus one half.
    const double past = (hi - whole - 0.5) + lo;
    scaled = static_cast<long long>(past >= 0 ? whole + 1 : whole);
    return true;
}

/// The digits of scaled / 10^decimals with the decimal point, at least one integer digit.
std::string scaleddigits(long long scaled, int decimals) {
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, scaled);
    std::string digits(buf, res.ptr);
    const auto places = static_cast<size_t>(decimals);
    if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
    if (places > 0) digits.insert(digits.size() - places, 1, '.');
    return digits;
}

}  // namespace

std::string signedtext(double v) {
    std::array<char, 400> buf{};
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(v), std::chars_format::fixed);
    std::string digits(buf.data(), res.ptr);
    return (v < 0 ? "-" : " ") + digits;
}

std::string generaltext(double v, char decimalsep) {
    if (!std::isfinite(v)) return std::isnan(v) ? "NaN" : (v < 0 ? "-Infinity" : "Infinity");
    if (v == 0) return "0";
    std::array<char, 64> buf{};
    // d.dddddddddddddde+XX: the exactly rounded 15 significant digits.
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(v),
                             std::chars_format::scientific, 14);
    std::string_view sci(buf.data(), static_cast<size_t>(res.ptr - buf.data()));
    const size_t epos = sci.find('e');
    std::string digits;
    digits += sci[0];
    digits.append(sci.substr(2, epos - 2));
    const int exp10 = std::atoi(std::string(sci.substr(epos + 1)).c_str());
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = v < 0 ? "-" : "";
    const int intdigits = exp10 + 1;  // digits before the decimal point
    if (intdigits <= 0) {
        out += '0';
        out += decimalsep;
        out.append(static_cast<size_t>(-intdigits), '0');
        out += digits;
    } else if (static_cast<size_t>(intdigits) >= digits.size()) {
        out += digits;
        out.append(static_cast<size_t>(intdigits) - digits.size(), '0');
    } else {
        out.append(digits, 0, static_cast<size_t>(intdigits));
        out += decimalsep;
        out.append(digits, static_cast<size_t>(intdigits));
    }
    return out;
}

std::string patterntext(double v, std::string_view pattern, char decimalsep) {
    const size_t point = pattern.find('.');
    const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
    const size_t intzeros = point == std::string_view::npos ? pattern.size() : point;

    if (!std::isfinite(v)) return std::isnan(v) ? "NaN" : (v < 0 ? "-Infinity" : "Infinity");
    const double mag = std::fabs(v);
    long long scaled = 0;
    // Beyond the exact integer path, binary nearest rounding already goes away
    // from zero except on exact ties.
    const std::string text =
        roundedscaled(mag, decimals, scaled)
            ? scaleddigits(scaled, decimals)
            : fixeddigits(istie(mag, decimals) ? std::nextafter(mag, INFINITY) : mag, decimals);

    const size_t dot = std::min(text.find('.'), text.size());
    const bool allzero = text.find_first_not_of("0.") == std::string::npos;
    std::string out;
    out.reserve(text.size() + intzeros + 2);
    if (v < 0 && !allzero) out += '-';
    if (dot < intzeros) out.append(intzeros - dot, '0');
    if (!(intzeros == 0 && dot == 1 && text[0] == '0')) out.append(text, 0, dot);
    if (decimals > 0) {
        out += decimalsep;
        out.append(text, dot + 1);
    }
    return out;
}

}  // namespace quorvel
