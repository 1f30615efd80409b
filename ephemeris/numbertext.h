// Number-to-text conversions of every displayed value. Locale-independent:
// the decimal separator is an argument, "." unless the caller passes the
// user's own.
//
// Each conversion writes into a caller's buffer (put...: returns the end of
// what it wrote, at most NUMBER_TEXT_MAX bytes) or returns a string.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel {

/// The most bytes one put function writes.
inline constexpr size_t NUMBER_TEXT_MAX = 400;

/// Signed number text of a whole number: a leading blank when zero or
/// positive, a minus sign when negative (23 gives " 23", -5 gives "-5").
char* putsigned(char* p, double v);
std::string signedtext(double v);

/// General decimal text: v rounded to 15 significant digits (halves to even,
/// on the exact binary value), written without trailing zeros and without
/// exponent ("2451545.5", "13.1795463405331").
char* putgeneral(char* p, double v, char decimalsep = '.');
std::string generaltext(double v, char decimalsep = '.');

/// Pattern text: v rounded to `decimals` places, halves away from zero on
/// the exact binary value (0.25 with one place gives "0.3"), padded with
/// leading zeros to `intzeros` integer digits ("07.1" for 2 and 1).
///
/// Notes:
/// 1. A negative value that rounds to zero is written without a minus sign.
/// 2. With no integer zeros, a zero integer part is left out (".5").
char* putpattern(char* p, double v, int intzeros, int decimals, char decimalsep = '.');

/// Pattern text by a pattern of '0' and at most one '.' ("00.0": 2 and 1).
std::string patterntext(double v, std::string_view pattern, char decimalsep = '.');

}  // namespace quorvel
