// Bringing angles into one turn.
#pragma once

#include <cmath>

namespace quorvel {

/// Returns x after "while x < 0, add turn".
///
/// Notes:
/// 1. Every addition of that loop is exact until the last one, which crosses
///    zero, so the loop equals one exact fmod followed by that last rounded
///    addition. This form gives the same bits without looping millions of
///    times for distant years.
/// 2. The result lies in [0, turn]; it can be turn itself when x was a tiny
///    negative value.
inline double addturnswhilenegative(double x, double turn) {
    if (!(x < 0)) return x;
    const double r = std::fmod(x, turn);  // exact, in (-turn, 0]
    return r < 0 ? r + turn : 0.0;
}

/// Returns x after "while x >= turn, subtract turn"; exact, like the loop.
inline double subtractturnswhilefull(double x, double turn) {
    if (!(x >= turn)) return x;
    return std::fmod(x, turn);
}

/// Reduces x into [0, turn): add while below 0, then subtract while turn or more.
inline double reduceturn(double x, double turn) {
    return subtractturnswhilefull(addturnswhilenegative(x, turn), turn);
}

/// Reduces degrees into [0, 360).
inline double reduce360(double x) { return reduceturn(x, 360.0); }

}  // namespace quorvel
