#include <cmath>
#include <cstdint>
#include <limits>

#include "calendar.h"

namespace quorvel {
namespace {

bool isgregorian(const CalReform& r, int64_t year, int64_t month, int64_t day) {
    if (year != r.year) return year > r.year;
    if (month != r.month) return month > r.month;
    return day >= r.day;
}

template <typename Int>
bool fits(double v) {
    return v >= static_cast<double>(std::numeric_limits<Int>::min()) &&
           v <= static_cast<double>(std::numeric_limits<Int>::max());
}

}  // namespace

bool julday(const CalTable& caltab, int32_t year, int16_t month, int16_t day, float dayfrac,
            int16_t rule, int32_t& jd, float& jdfrac) {
    if (rule < 0 || rule >= static_cast<int16_t>(caltab.size())) return false;
    const bool gregorian = isgregorian(caltab[static_cast<size_t>(rule)], year, month, day);

    int64_t y = year;
    int64_t m = month;
    if (m < 3) {
        y -= 1;
        m += 12;
    }
    if (!fits<int32_t>(static_cast<double>(y))) return false;

    double b = 0;
    if (gregorian) {
        const double a = std::trunc(static_cast<double>(y) / 100.0);
        b = 2.0 - a + std::trunc(a / 4.0);
        if (!fits<int16_t>(b)) return false;
    }
    const double yd = static_cast<double>(y);
    const double c = y >= 0 ? std::trunc(365.25 * yd) : std::trunc(365.25 * yd - 0.75);
    const double d = std::trunc(30.6001 * static_cast<double>(m + 1));

    const double sum = c + 1720994.0 + d + static_cast<double>(day) + b;
    if (!fits<int32_t>(sum)) return false;
    int32_t whole = static_cast<int32_t>(sum);

    float frac = static_cast<float>(static_cast<double>(dayfrac) + 0.5);
    if (frac >= 1.0f) {
        if (whole == std::numeric_limits<int32_t>::max()) return false;
        frac = static_cast<float>(static_cast<double>(frac) - 1.0);
        whole += 1;
    }
    jd = whole;
    jdfrac = frac;
    return true;
}

}  // namespace quorvel
