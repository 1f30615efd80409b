#include "numbertext.h"

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
    double mag = std::fabs(v);
    // Binary nearest rounding already goes away from zero except on exact ties.
    if (istie(mag, decimals)) mag = std::nextafter(mag, INFINITY);
    std::string text = fixeddigits(mag, decimals);

    std::string intpart = text.substr(0, text.find('.'));
    std::string fracpart = decimals > 0 ? text.substr(text.find('.') + 1) : "";
    if (intpart.size() < intzeros) intpart.insert(0, intzeros - intpart.size(), '0');
    if (intzeros == 0 && intpart == "0") intpart.clear();

    const bool allzero = text.find_first_not_of("0.") == std::string::npos;
    std::string out = (v < 0 && !allzero) ? "-" : "";
    out += intpart;
    if (decimals > 0) {
        out += decimalsep;
        out += fracpart;
    }
    return out;
}

}  // namespace quorvel
