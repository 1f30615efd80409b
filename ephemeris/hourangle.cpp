#include "solarposition.h"

namespace quorvel {

float hourangle(double sid, float ra, float lon) {
    float ha = static_cast<float>((sid - static_cast<double>(ra)) - static_cast<double>(lon) / 15.0);
    if (ha >= 24.0f) ha = static_cast<float>(static_cast<double>(ha) - 24.0);
    if (ha <= -24.0f) ha = static_cast<float>(static_cast<double>(ha) + 24.0);
    if (ha <= -12.0f) ha = static_cast<float>(static_cast<double>(ha) + 24.0);
    return ha;
}

}  // namespace quorvel
