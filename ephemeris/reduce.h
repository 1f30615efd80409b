// Bringing angles into one turn.
#pragma once

#include <cmath>

namespace quorvel {

/// Returns std::fmod(x, turn) for x >= 0 and a whole-numbered turn, in [0, turn),
/// without fmod's cost where it can.
///
/// Notes:
/// 1. Below 2^52, k = floor(x / turn) is the number of whole turns or one off
///    it (the division rounds); k * turn is a whole number below 2^53, so
///    exact, and x - k * turn is exact too: its true value is a multiple of
///    x's unit in the last place below 2 turn. One step then brings it into
///    [0, turn), exactly, since that result is fmod's, which binary64 holds.
/// 2. From 2^52 on, and for NaN, std::fmod itself answers.
inline double remainderturns(double x, double turn) {
    if (!(x < 0x1p52)) return std::fmod(x, turn);
    const double k = std::floor(x / turn);
    double r = x - k * turn;
    if (r < 0) r += turn;
    else if (r >= turn) r -= turn;
    return r;
}

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
    const double r = -remainderturns(-x, turn);  // fmod(x, turn): exact, in (-turn, 0]
    return r < 0 ? r + turn : 0.0;
}

/// Returns x after "while x >= turn, subtract turn"; exact, like the loop.
inline double subtractturnswhilefull(double x, double turn) {
    if (!(x >= turn)) return x;
    return remainderturns(x, turn);
}

/// Reduces x into [0, turn): add while below 0, then subtract while turn or more.
inline double reduceturn(double x, double turn) {
    return subtractturnswhilefull(addturnswhilenegative(x, turn), turn);
}

/// Reduces degrees into [0, 360).
inline double reduce360(double x) { return reduceturn(x, 360.0); }

}  // namespace quorvel
