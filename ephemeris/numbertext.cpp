#include "numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace quorvel {
namespace {

/// Powers of ten that binary64 holds exactly.
constexpr double EXACT_POW10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                  1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

char* putliteral(char* p, std::string_view s) {
    std::memcpy(p, s.data(), s.size());
    return p + s.size();
}

char* putnonfinite(char* p, double v) {
    return putliteral(p, std::isnan(v) ? "NaN" : (v < 0 ? "-Infinity" : "Infinity"));
}

/// The exact product mag * 10^places as hi + lo, hi = fl(mag * 10^places),
/// for mag below 2^996.
///
/// Notes:
/// 1. Up to 10^11, whose odd factor 5^11 has 26 bits, mag is split into two
///    halves of at most 26 bits (Veltkamp), so each half times the power is
///    exact; their sum is the exact product, whose rounding is hi, and
///    Fast2Sum gives the exact rest lo: the pair std::fma gives, without a call.
/// 2. Beyond, std::fma gives lo.
void exactproduct(double mag, int places, double& hi, double& lo) {
    const double scale = EXACT_POW10[places];
    if (places > 11) {
        hi = mag * scale;
        lo = std::fma(mag, scale, -hi);
        return;
    }
    const double c = 134217729.0 * mag;  // 2^27 + 1
    const double maghi = c - (c - mag);
    const double p1 = maghi * scale, p2 = (mag - maghi) * scale;
    hi = p1 + p2;
    lo = (p1 - hi) + p2;
}

/// mag * 10^places split exactly into hi + lo, and the sign of
/// (hi + lo) - (floor(hi) + 1/2): whether the exact product lies past,
/// before or on the halfway point. False when hi reaches 2^50.
///
/// Notes:
/// 1. Rounding may change the sum (hi - whole - 0.5) + lo but never its
///    sign, which is that of the exact remainder minus one half.
bool scaledhalf(double mag, int places, double& whole, double& past) {
    if (!(mag < 0x1p50)) return false;
    double hi = mag * EXACT_POW10[places], lo = 0;
    if (!(hi < 0x1p50)) return false;
    whole = static_cast<double>(static_cast<int64_t>(hi));  // floor: 0 <= hi < 2^50
    past = hi - whole - 0.5;
    // The rest lo is below half an ulp of hi, at most hi * 2^-53: farther
    // from the halfway point than hi * 2^-52, it cannot change the side.
    if (std::fabs(past) > hi * 0x1p-52) return true;
    exactproduct(mag, places, hi, lo);
    whole = static_cast<double>(static_cast<int64_t>(hi));
    past = (hi - whole - 0.5) + lo;
    return true;
}

/// True when v lies exactly halfway between two multiples of 10^-decimals.
///
/// Such a tie is a dyadic rational: v = odd / 2^(decimals + 1), which the
/// exact power-of-two scaling below detects.
bool istie(double v, int decimals) {
    const double w = std::ldexp(std::fabs(v), decimals + 1);
    return std::isfinite(w) && w == std::floor(w) && std::fmod(w, 2.0) == 1.0;
}

/// The digits of |v| rounded to `decimals` places, halves away from zero,
/// where the exact integer path of putpattern does not reach: at the end of
/// digits (NUMBER_TEXT_MAX bytes), the integer part, then the decimals;
/// returns the first digit and sets the length of the integer part.
///
/// Notes:
/// 1. Binary nearest rounding already goes away from zero except on exact
///    ties, which are moved off the halfway point by one ulp.
char* roundeddigits(char* digits, double mag, int decimals, size_t& intlen) {
    char* const end = digits + NUMBER_TEXT_MAX;
    const double w = istie(mag, decimals) ? std::nextafter(mag, INFINITY) : mag;
    char* last = std::to_chars(digits, end, w, std::chars_format::fixed, decimals).ptr;
    const auto n = static_cast<size_t>(last - digits);
    const auto* dot = static_cast<const char*>(std::memchr(digits, '.', n));
    intlen = dot ? static_cast<size_t>(dot - digits) : n;
    if (dot) std::memmove(digits + intlen, digits + intlen + 1, n - intlen - 1);  // the digits without the point
    const size_t kept = dot ? n - 1 : n;
    std::memmove(end - kept, digits, kept);
    return end - kept;
}

/// 15 significant digits of mag > 0 as an integer in [10^14, 10^15) and the
/// decimal exponent of its first digit, rounded halves to even on the exact
/// value; false outside [1e-7, 1e15), where the general conversion serves.
bool fifteendigits(double mag, int64_t& scaled, int& exp10) {
    if (!(mag >= 1e-7 && mag < 1e15)) return false;
    int e = 0;  // the decimal exponent, or one off it: checked below
    while (e < 14 && mag >= EXACT_POW10[e + 1]) ++e;
    while (e <= 0 && e > -7 && mag < 1 / EXACT_POW10[-e]) --e;
    for (int attempt = 0; attempt < 2; ++attempt) {
        double whole = 0, past = 0;
        if (!scaledhalf(mag, 14 - e, whole, past)) return false;
        if (whole < 1e14) {
            --e;  // the exponent was one too high: 10^e is inexact below 1
            continue;
        }
        if (whole >= 1e15) {
            ++e;
            continue;
        }
        const bool up = past > 0 || (past == 0 && std::fmod(whole, 2.0) == 1.0);
        scaled = static_cast<int64_t>(up ? whole + 1 : whole);
        exp10 = e;
        if (scaled == 1'000'000'000'000'000) {  // 9.99...95 rounds up to the next power of ten
            scaled /= 10;
            ++exp10;
        }
        return true;
    }
    return false;
}

}  // namespace

char* putsigned(char* p, double v) {
    *p++ = v < 0 ? '-' : ' ';
    const double mag = std::fabs(v);
    if (mag < 0x1p53 && mag == std::floor(mag)) return std::to_chars(p, p + 24, static_cast<int64_t>(mag)).ptr;
    return std::to_chars(p, p + NUMBER_TEXT_MAX - 1, mag, std::chars_format::fixed).ptr;
}

char* putgeneral(char* p, double v, char decimalsep) {
    if (!std::isfinite(v)) return putnonfinite(p, v);
    if (v == 0) return putliteral(p, "0");
    char digits[32];
    size_t ndigits = 15;
    int exp10 = 0;
    int64_t scaled = 0;
    if (fifteendigits(std::fabs(v), scaled, exp10)) {
        std::to_chars(digits, digits + sizeof digits, scaled);
    } else {
        // d.dddddddddddddde+XX: the exactly rounded 15 significant digits.
        char sci[40];
        const char* end = std::to_chars(sci, sci + sizeof sci, std::fabs(v), std::chars_format::scientific, 14).ptr;
        digits[0] = sci[0];
        std::memcpy(digits + 1, sci + 2, 14);
        std::from_chars(sci[17] == '+' ? sci + 18 : sci + 17, end, exp10);
    }
    while (ndigits > 1 && digits[ndigits - 1] == '0') --ndigits;

    if (v < 0) *p++ = '-';
    const int intdigits = exp10 + 1;  // digits before the decimal point
    if (intdigits <= 0) {
        *p++ = '0';
        *p++ = decimalsep;
        for (int i = intdigits; i < 0; ++i) *p++ = '0';
        return putliteral(p, std::string_view(digits, ndigits));
    }
    const auto before = static_cast<size_t>(intdigits);
    if (before >= ndigits) {
        p = putliteral(p, std::string_view(digits, ndigits));
        std::memset(p, '0', before - ndigits);
        return p + (before - ndigits);
    }
    p = putliteral(p, std::string_view(digits, before));
    *p++ = decimalsep;
    return putliteral(p, std::string_view(digits + before, ndigits - before));
}

char* putpattern(char* p, double v, int intzeros, int decimals, char decimalsep) {
    if (!std::isfinite(v)) return putnonfinite(p, v);
    const double mag = std::fabs(v);
    double whole = 0, past = 0;
    if (decimals <= 6 && scaledhalf(mag, decimals, whole, past)) {
        // The common case, written straight from the rounded integer.
        auto scaled = static_cast<uint64_t>(whole) + (past >= 0 ? 1 : 0);
        if (v < 0 && scaled != 0) *p++ = '-';
        char buf[24];
        char* d = buf + sizeof buf;
        int n = 0;
        do {  // at least one integer digit
            *--d = static_cast<char>('0' + scaled % 10);
            scaled /= 10;
            ++n;
        } while (scaled != 0 || n <= decimals);
        const int intlen = n - decimals;
        for (int i = intlen; i < intzeros; ++i) *p++ = '0';
        if (intzeros == 0 && intlen == 1 && *d == '0') ++d;
        else for (int i = 0; i < intlen; ++i) *p++ = *d++;
        if (decimals > 0) {
            *p++ = decimalsep;
            for (int i = 0; i < decimals; ++i) *p++ = *d++;
        }
        return p;
    }
    char buf[NUMBER_TEXT_MAX];
    size_t intlen = 0;
    const char* digits = roundeddigits(buf, mag, decimals, intlen);
    const char* end = buf + NUMBER_TEXT_MAX;
    bool allzero = true;
    for (const char* d = digits; d < end && allzero; ++d) allzero = *d == '0';

    if (v < 0 && !allzero) *p++ = '-';
    for (size_t i = intlen; i < static_cast<size_t>(intzeros); ++i) *p++ = '0';
    if (!(intzeros == 0 && intlen == 1 && digits[0] == '0')) p = putliteral(p, std::string_view(digits, intlen));
    if (decimals > 0) {
        *p++ = decimalsep;
        p = putliteral(p, std::string_view(digits + intlen, static_cast<size_t>(end - digits) - intlen));
    }
    return p;
}

std::string signedtext(double v) {
    char buf[NUMBER_TEXT_MAX];
    return std::string(buf, putsigned(buf, v));
}

std::string generaltext(double v, char decimalsep) {
    char buf[NUMBER_TEXT_MAX];
    return std::string(buf, putgeneral(buf, v, decimalsep));
}

std::string patterntext(double v, std::string_view pattern, char decimalsep) {
    const size_t point = pattern.find('.');
    const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
    const int intzeros = static_cast<int>(point == std::string_view::npos ? pattern.size() : point);
    char buf[NUMBER_TEXT_MAX];
    return std::string(buf, putpattern(buf, v, intzeros, decimals, decimalsep));
}

}  // namespace quorvel
