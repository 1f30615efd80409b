#include "precisemodel.h"

#include <charconv>
#include <cmath>

#include "precisemoment.h"
#include "textvalue.h"

namespace quorvel::cli {
namespace {

constexpr double UNIX_EPOCH_JD = 2440587.5;  ///< 1970-01-01 0h UT
constexpr int64_t DAY_SECONDS = 86400;

template <typename T>
void appendnumber(std::string& out, const char* before, T v) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    out += before;
    out.append(buf, res.ptr);
}

}  // namespace

const char* const PRECISE_OPTIONS_HELP =
    "  --delta-t SECONDS  TT - UT for the precise model (default: Espenak-Meeus polynomials)\n"
    "  --topocentric      hour angle, altitude, azimuth and parallactic angle seen from\n"
    "                     the site at sea level rather than from the Earth's centre\n";

Outcome readprecise(const std::optional<std::string>& deltat, bool topocentric, bool precise,
                    const char* switchname, PreciseRequest& request) {
    constexpr double LARGEST_DELTA_T = 86400;  // seconds: a day
    if (!precise && (deltat || topocentric))
        return Outcome::usage(std::string("--delta-t and --topocentric belong to the precise model: add ") + switchname);
    request.topocentric = topocentric;
    if (!deltat) return Outcome::ok();
    const auto v = strictnumber(*deltat);
    if (!v || !(std::fabs(*v) <= LARGEST_DELTA_T))
        return Outcome::usage("--delta-t takes a number of seconds from -86400 to 86400, such as 69.2");
    request.deltat = *v;
    return Outcome::ok();
}

bool appendpreciselines(std::string& out, const FieldTexts& f, const ObsInput& obs,
                        const PreciseRequest& request) {
    PreciseTime t;
    if (!precisemoment(f, obs, t) || !precisecovers(t.jd + t.jdfrac)) return false;
    if (request.deltat) t.deltat = *request.deltat;
    PreciseSun s;
    precisesun(t, precisesite(f, request.topocentric), s);
    appendnumber(out, "precise_p_deg: ", s.p);
    appendnumber(out, "\nprecise_b0_deg: ", s.b0);
    appendnumber(out, "\nprecise_l0_deg: ", s.l0);
    appendnumber(out, "\nprecise_ra_h: ", s.ra);
    appendnumber(out, "\nprecise_dec_deg: ", s.dec);
    appendnumber(out, "\nprecise_alt_deg: ", s.alt);
    appendnumber(out, "\nprecise_az_deg: ", s.az);
    appendnumber(out, "\nprecise_parallactic_deg: ", s.parallactic);
    appendnumber(out, "\nprecise_carrington_rotation: ", s.rotation);
    out += '\n';
    return true;
}

void jdofutc(int64_t utcseconds, double& jd, double& jdfrac) {
    const int64_t days = utcseconds / DAY_SECONDS - (utcseconds % DAY_SECONDS < 0);
    jd = UNIX_EPOCH_JD + static_cast<double>(days);
    jdfrac = static_cast<double>(utcseconds - days * DAY_SECONDS) / DAY_SECONDS;
}

void PreciseRows::append(std::string& out, int64_t utcseconds) {
    double jd = 0, frac = 0;
    jdofutc(utcseconds, jd, frac);
    PreciseTime t = precisetime(jd, frac);
    if (request_.deltat) t.deltat = *request_.deltat;
    PreciseSun s;
    if (interpolate_)
        track_.at(t, site_, s);
    else
        precisesun(t, site_, s);
    for (double v : {jd + frac, s.gast, s.ra, s.dec, s.ha, s.alt, s.az, s.parallactic, s.p, s.b0, s.l0})
        appendnumber(out, ",", v);
    appendnumber(out, ",", s.rotation);
    out += '\n';
}

}  // namespace quorvel::cli
