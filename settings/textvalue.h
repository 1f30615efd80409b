// The one rule by which every numeric field is read.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

/// Value of a text: the leading decimal number, "." as the decimal point
/// whatever the user's locale, 0 when there is none.
///
/// Notes:
/// 1. Blanks (space, tab, line feed) are skipped wherever they occur: "2 1" is 21.
/// 2. Number: optional sign, digits with at most one ".", optional exponent
///    (E or e, optional sign, digits). The first other character ends it.
/// 3. A magnitude beyond binary64 reads as an infinity of its sign; one below
///    its smallest value reads as 0.
double textvalue(std::string_view text);

/// The leading decimal number of a text, as textvalue reads it; nullopt when
/// the text has none.
std::optional<double> leadingnumber(std::string_view text);

/// A text that is a number as a whole (blanks around it allowed, "." as the
/// decimal point); nullopt otherwise.
std::optional<double> strictnumber(std::string_view text);

/// The value of a text narrowed to binary32 (nearest; beyond its range an
/// infinity of the value's sign).
float textvaluefloat(std::string_view text);

/// Replaces the first comma of a text by a decimal point (a final comma is dropped).
std::string commatodot(std::string_view text);

/// Bytes of a typed text that a message repeats.
inline constexpr size_t QUOTED_TYPED_MAX = 40;

/// A typed text as a message repeats it: in double quotes, cut after
/// QUOTED_TYPED_MAX bytes (never inside a UTF-8 character) and marked "...".
std::string quotedtyped(std::string_view text);

}  // namespace quorvel
