// The bit planes of the HCOMPRESS_1 stream's quadrants of coefficients,
// quadtree-coded, set into the coefficients.
#pragma once

#include <cstdint>

#include "hbitstream.h"

namespace quorvel::hcompress {

/// The bit planes of one quadrant of nqx x nqy coefficients at a (rows of
/// stride n), the highest first; where high is given, the planes from 32 up
/// into high at the same places instead (Split).
template <class T>
bool decodequadrant(BitStream& in, T* a, int8_t* high, int n, int nqx, int nqy, int planes);

}  // namespace quorvel::hcompress
