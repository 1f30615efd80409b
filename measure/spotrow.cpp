#include "spotrow.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

SpotRow measurespot(const ImageFrame& f, double x, double y, int32_t number) {
    SpotRow row;
    row.number = number;
    row.x = x;
    row.y = y;
    row.disk = readdisk(x - f.cx, y - f.cy, f.sun, f.view);
    row.mu = row.disk.ondisk ? std::sqrt(std::max(0.0, 1 - row.disk.rho * row.disk.rho)) : 0;
    return row;
}

}  // namespace quorvel
