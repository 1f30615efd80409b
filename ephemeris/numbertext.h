// Number-to-text conversions of every displayed value. Locale-independent:
// the decimal separator is an argument, "." unless the caller passes the
// user's own.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

/// Signed number text of a whole number: a leading blank when zero or
/// positive, a minus sign when negative (23 gives " 23", -5 gives "-5").
std::string signedtext(double v);

/// General decimal text: v rounded to 15 significant digits, written without
/// trailing zeros and without exponent ("2451545.5", "13.1795463405331").
std::string generaltext(double v, char decimalsep = '.');

/// Pattern text: v rounded to the pattern's decimals, halves away from zero on
/// the exact binary value (0.25 with "0.0" gives "0.3"), padded with leading
/// zeros to the pattern's integer digits ("07.1" for "00.0").
///
/// Notes:
/// 1. A negative value that rounds to zero is written without a minus sign.
/// 2. pattern is made of '0' and at most one '.'.
std::string patterntext(double v, std::string_view pattern, char decimalsep = '.');

}  // namespace quorvel
