#include "zurich.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "angleconst.h"

namespace quorvel {
namespace {

constexpr double kCluster = 3;      // degrees: a single spot or a small cluster
constexpr double kLargeSpot = 2.5;  // degrees: the diameter between J and H
constexpr double kSpanD = 10, kSpanE = 15;  // degrees: the extents of D and E
constexpr double kEdge = 1;         // degrees: what a spot's measured extent may exceed its diameter by

/// The diameter of a spherical cap of area msh (millionths of the hemisphere), degrees.
double capdiameter(double msh) { return 2 * std::acos(std::clamp(1 - msh / 1e6, -1.0, 1.0)) * RAD; }

}  // namespace

std::string suggestzurich(const std::vector<const Spot*>& spots, double extentdeg) {
    std::set<int32_t> penumbral;
    double largest = 0;  // degrees
    for (const Spot* s : spots) {
        if (!s->penumbra) continue;
        penumbral.insert(s->region);
        largest = std::max(largest, capdiameter(s->regionmsh));
    }
    if (penumbral.empty()) return extentdeg <= kCluster ? "A" : "B";
    if (extentdeg <= std::max(largest + kEdge, kCluster)) return largest > kLargeSpot ? "H" : "J";
    if (penumbral.size() == 1) return "C";
    if (extentdeg <= kSpanD) return "D";
    return extentdeg <= kSpanE ? "E" : "F";
}

}  // namespace quorvel
