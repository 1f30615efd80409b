// How far each model lies from the reference vectors of the precise model
// (tests/ephemeris/precise_sunpy.txt: SunPy and astropy, 1900-2100): the
// largest difference of each quantity, in arcseconds, as a Markdown table.
// usage: model_accuracy tests/ephemeris/precise_sunpy.txt
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "angleconst.h"
#include "calendar.h"
#include "orientation.h"
#include "precise.h"
#include "solarposition.h"

namespace {

using namespace quorvel;

enum Quantity { P, B0, L0, RA, DEC, ALT, AZ, COUNT };
const char* const NAMES[COUNT] = {"P", "B0", "L0", "RA", "Dec", "altitude", "azimuth"};

/// The values of the classic model (those behind the captions) at UT jdut, in
/// the order of Quantity, degrees (RA in hours).
void classic(double jdut, float lat, float lon, double out[COUNT]) {
    const double midnight = std::floor(jdut + 0.5);
    const float dayfrac = static_cast<float>(jdut + 0.5 - midnight);
    auto jd = static_cast<int32_t>(midnight) - 1;
    float jdfrac = static_cast<float>(static_cast<double>(dayfrac) + 0.5);
    if (jdfrac >= 1.0f) {
        jdfrac = static_cast<float>(static_cast<double>(jdfrac) - 1.0);
        jd += 1;
    }
    double sid = 0, lambda = 0, r = 0, eps = 0;
    float x50, y50, z50, x, y, z, ra, dec, az, alt;
    sidtime(jd, dayfrac, sid);
    sunxyz(jd, jdfrac, x50, y50, z50);
    precess(x50, y50, z50, jd, jdfrac, x, y, z);
    radec(x, y, z, ra, dec);
    const float ha = hourangle(sid, ra, lon);
    const double phi = static_cast<double>(lat) * DEG;
    altaz(std::cos(phi), std::sin(phi), static_cast<double>(ha) * DEG * 15,
          static_cast<float>(static_cast<double>(dec) * DEG), az, alt);
    sunlong(jd, jdfrac, lambda, r);
    obliq(jd, jdfrac, eps);
    carrington(jd, jdfrac, lambda, eps, out[B0], out[P], out[L0]);
    out[RA] = ra;
    out[DEC] = dec;
    out[ALT] = static_cast<double>(alt) * RAD;
    out[AZ] = static_cast<double>(az) * RAD;
}

/// Arcseconds of got - want, angles folded, RA and azimuth along the sky.
double arcsec(int q, double got, double want, const double ref[COUNT]) {
    const double scale = q == RA ? 15 * std::cos(ref[DEC] * 0.017453292519943295)
                         : q == AZ ? std::cos(ref[ALT] * 0.017453292519943295) : 1;
    return std::fabs(std::remainder(got - want, q == RA ? 24 : 360) * scale) * 3600;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: model_accuracy tests/ephemeris/precise_sunpy.txt\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    double worst[2][COUNT] = {};
    int rows = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream f(line);
        double jd, dt, lat, lon, ref[COUNT], cl[COUNT];
        f >> jd >> dt >> lat >> lon >> ref[P] >> ref[B0] >> ref[L0] >> ref[RA] >> ref[DEC] >> ref[ALT] >> ref[AZ];
        PreciseSun s;
        precisesun(PreciseTime{jd, 0, dt}, PreciseSite{lat, lon, true}, s);
        const double pr[COUNT] = {s.p, s.b0, s.l0, s.ra, s.dec, s.alt, s.az};
        classic(jd, static_cast<float>(lat), static_cast<float>(lon), cl);
        for (int q = 0; q < COUNT; ++q) {
            worst[0][q] = std::max(worst[0][q], arcsec(q, cl[q], ref[q], ref));
            worst[1][q] = std::max(worst[1][q], arcsec(q, pr[q], ref[q], ref));
        }
        ++rows;
    }
    if (rows == 0) {
        std::fprintf(stderr, "model_accuracy: no reference rows in %s\n", argv[1]);
        return 2;
    }
    std::printf("Largest difference from the reference over %d moments of 1900-2100, arcseconds\n\n", rows);
    std::printf("| quantity | classic | precise |\n| --- | --- | --- |\n");
    for (int q = 0; q < COUNT; ++q) std::printf("| %s | %.1f | %.3f |\n", NAMES[q], worst[0][q], worst[1][q]);
    return 0;
}
