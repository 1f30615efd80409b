#include <cmath>
#include <tuple>

#include <erfa.h>
#include <erfam.h>

#include "preciseparts.h"

namespace quorvel {

void PreciseTrack::at(const PreciseTime& t, const PreciseSite& site, PreciseSun& sun) {
    using namespace precise;
    static_assert(CHANNEL_COUNT == std::tuple_size_v<decltype(nodes_)::value_type>);
    constexpr int POINTS = 6, FIRST = -2;  // nodes k - 2 .. k + 3 around d in [k, k + 1)
    const double d = ttdays(t);
    const double day = std::floor(d), u = d - day;

    Channels c{};
    double origins = 0;  // the first node's equation of the origins, for unwrapping
    for (int j = 0; j < POINTS; ++j) {
        double w = 1;  // Lagrange weight of node j
        for (int m = 0; m < POINTS; ++m)
            if (m != j) w *= (u - (m + FIRST)) / static_cast<double>(j - m);
        const auto key = static_cast<int64_t>(day) + j + FIRST;
        const auto slot = static_cast<size_t>(((key % SLOTS) + SLOTS) % SLOTS);
        if (!filled_[slot] || keys_[slot] != key) {
            nodes_[slot] = sunchannels(static_cast<double>(key));
            keys_[slot] = key;
            filled_[slot] = true;
        }
        Channels node = nodes_[slot];
        if (j == 0) origins = node[EQORIGINS];
        node[EQORIGINS] -= ERFA_D2PI * std::nearbyint((node[EQORIGINS] - origins) / ERFA_D2PI);
        for (size_t i = 0; i < CHANNEL_COUNT; ++i) c[i] += w * node[i];
    }
    finishsun(c, t, site, sun);
}

}  // namespace quorvel
