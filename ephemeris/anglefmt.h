// Degrees-and-minutes and hours-and-minutes texts.
#pragma once

#include <string>

namespace quorvel {

/// Degrees and arc minutes, truncated: " 23º 26' ", "-0º 30' ".
/// The degree mark is the masculine ordinal indicator U+00BA (UTF-8).
std::string degmin(float v);

/// Hours and minutes, truncated, for v in [0, 24): " 5h 59m ".
std::string hourmin(float v);

}  // namespace quorvel
