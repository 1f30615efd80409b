#include "calendar.h"

namespace quorvel {

CalTable caltable() {
    CalTable t{};
    t[1] = {1000000, 0, 0};     // Julian for every usable date
    t[2] = {1582, 10, 15};      // Gregorian from 1582 October 15
    t[3] = {0, 0, 0};           // Gregorian for year 0 onward
    t[4] = {1918, 1, 1};        // Gregorian from 1918 January 1
    t[5] = {1000000000, 0, 0};  // Julian for every usable date
    return t;
}

}  // namespace quorvel
