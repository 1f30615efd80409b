// Degrees-and-minutes and hours-and-minutes texts.
#pragma once

#include <string>

namespace quorvel {

/// Degrees and arc minutes, truncated: " 23º 26' ", "-0º 30' ".
/// The degree mark is the masculine ordinal indicator U+00BA (UTF-8).
/// putdegmin writes at most NUMBER_TEXT_MAX + 8 bytes.
char* putdegmin(char* p, float v);
std::string degmin(float v);

/// Hours and minutes, truncated, for v in [0, 24): " 5h 59m ".
/// puthourmin writes at most NUMBER_TEXT_MAX + 8 bytes.
char* puthourmin(char* p, float v);
std::string hourmin(float v);

}  // namespace quorvel
