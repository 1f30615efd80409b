#include "rotation.h"

#include <cmath>
#include <numbers>

#include "logtime.h"
#include "precise.h"

namespace quorvel::log {

double siderealrate(double lat_deg) {
    const double s = std::sin(lat_deg * (std::numbers::pi / 180.0));
    return 14.377 - 2.77 * s * s;
}

double carringtondrift(double lat_deg) { return siderealrate(lat_deg) - CARRINGTON_DEG_PER_DAY; }

double cmdrate(double lat_deg) { return siderealrate(lat_deg) - EARTH_DEG_PER_DAY; }

double wrap180(double deg) {
    const double r = wrap360(deg);
    return r > 180 ? r - 360 : r;
}

double wrap360(double deg) {
    const double r = std::fmod(deg, 360.0);
    return r < 0 ? (r + 360.0 < 360.0 ? r + 360.0 : 0.0) : r;
}

DiskCentre diskcentre(int64_t minutes) {
    const double jd = logjd(minutes);
    const double whole = std::floor(jd);
    const PreciseDisk d = precisedisk(precisetime(whole, jd - whole));
    return {d.b0, d.l0};
}

}  // namespace quorvel::log
