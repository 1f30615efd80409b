#include "captions.h"

#include "angleconst.h"
#include "anglefmt.h"
#include "numbertext.h"

namespace quorvel {
namespace {
const char* const DEGREE_SIGN = "\u00B0";
}

const char* labelname(ResultLabel label) {
    static const char* const names[RESULT_LABEL_COUNT] = {
        "lbljd", "lblsid", "lblsunrastr", "lblsundecstr", "lblhang", "lblalt",
        "lblaz", "lblntilt", "lblp", "lblbo", "lbllosun"};
    return names[static_cast<int>(label)];
}

std::string jdcaption(int jd, float jdfrac, char sep) {
    return generaltext(static_cast<double>(jd) + static_cast<double>(jdfrac), sep);
}
std::string sidcaption(double sid, char sep) { return generaltext(sid, sep); }
std::string racaption(float ra) { return "RA          " + hourmin(ra); }
std::string deccaption(float dec) { return "Dec          " + degmin(dec); }
std::string hacaption(float ha, char sep) { return patterntext(ha, "0.0", sep); }
std::string altcaption(float alt, char sep) {
    return "Altitude       " + patterntext(static_cast<double>(alt) * RAD, "00.0", sep) + DEGREE_SIGN;
}
std::string azcaption(float az, char sep) {
    return "Azimuth    " + patterntext(static_cast<double>(az) * RAD, "000.0", sep) + DEGREE_SIGN;
}
std::string tiltcaption(float gamma, char sep) { return patterntext(gamma, "0.0", sep); }
std::string pcaption(double p, char sep) { return patterntext(p, "0.00", sep); }
std::string b0caption(double b0, char sep) { return patterntext(b0, "0.00", sep); }
std::string l0caption(double l0, char sep) { return patterntext(l0, "0.0", sep); }

}  // namespace quorvel
