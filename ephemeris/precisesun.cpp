#include <erfa.h>
#include <erfam.h>

#include "preciseparts.h"

namespace quorvel {

namespace precise {

double ttdays(const PreciseTime& t) {
    return (t.jd - ERFA_DJ00) + t.jdfrac + t.deltat / ERFA_DAYSEC;
}

}  // namespace precise

PreciseTime precisetime(double jd, double jdfrac) { return {jd, jdfrac, deltat(jd + jdfrac)}; }

void precisesun(const PreciseTime& t, const PreciseSite& site, PreciseSun& sun) {
    precise::finishsun(precise::sunchannels(precise::ttdays(t)), t, site, sun);
}

PreciseDisk precisedisk(const PreciseTime& t) {
    PreciseSun sun;
    precisesun(t, PreciseSite{}, sun);
    return {sun.p, sun.b0, sun.l0, sun.rotation};
}

}  // namespace quorvel
