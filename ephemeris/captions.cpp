#include "captions.h"

#include <cstring>
#include <string_view>

#include "angleconst.h"
#include "anglefmt.h"
#include "numbertext.h"

namespace quorvel {
namespace {

char* put(char* p, std::string_view s) {
    std::memcpy(p, s.data(), s.size());
    return p + s.size();
}

constexpr std::string_view DEGREE_SIGN = "\u00B0";

std::string captionof(ResultLabel label, const SunState& sun, char sep) {
    char buf[CAPTION_MAX];
    return std::string(buf, putcaption(buf, label, sun, sep));
}

}  // namespace

const char* labelname(ResultLabel label) {
    static const char* const names[RESULT_LABEL_COUNT] = {
        "lbljd", "lblsid", "lblsunrastr", "lblsundecstr", "lblhang", "lblalt",
        "lblaz", "lblntilt", "lblp", "lblbo", "lbllosun"};
    return names[static_cast<int>(label)];
}

char* putcaption(char* p, ResultLabel label, const SunState& s, char sep) {
    switch (label) {
        case ResultLabel::lbljd: return putgeneral(p, static_cast<double>(s.jd) + static_cast<double>(s.jdfrac), sep);
        case ResultLabel::lblsid: return putgeneral(p, s.sid, sep);
        case ResultLabel::lblsunrastr: return puthourmin(put(p, "RA          "), s.ra);
        case ResultLabel::lblsundecstr: return putdegmin(put(p, "Dec          "), s.dec);
        case ResultLabel::lblhang: return putpattern(p, s.ha, 1, 1, sep);
        case ResultLabel::lblalt:
            return put(putpattern(put(p, "Altitude       "), static_cast<double>(s.alt) * RAD, 2, 1, sep), DEGREE_SIGN);
        case ResultLabel::lblaz:
            return put(putpattern(put(p, "Azimuth    "), static_cast<double>(s.az) * RAD, 3, 1, sep), DEGREE_SIGN);
        case ResultLabel::lblntilt: return putpattern(p, s.gamma, 1, 1, sep);
        case ResultLabel::lblp: return putpattern(p, s.p, 1, 2, sep);
        case ResultLabel::lblbo: return putpattern(p, s.b0, 1, 2, sep);
        case ResultLabel::lbllosun: return putpattern(p, s.l0, 1, 1, sep);
    }
    return p;
}

std::string jdcaption(int jd, float jdfrac, char sep) {
    SunState s;
    s.jd = jd;
    s.jdfrac = jdfrac;
    return captionof(ResultLabel::lbljd, s, sep);
}
std::string sidcaption(double sid, char sep) { SunState s; s.sid = sid; return captionof(ResultLabel::lblsid, s, sep); }
std::string racaption(float ra) { SunState s; s.ra = ra; return captionof(ResultLabel::lblsunrastr, s, '.'); }
std::string deccaption(float dec) { SunState s; s.dec = dec; return captionof(ResultLabel::lblsundecstr, s, '.'); }
std::string hacaption(float ha, char sep) { SunState s; s.ha = ha; return captionof(ResultLabel::lblhang, s, sep); }
std::string altcaption(float alt, char sep) { SunState s; s.alt = alt; return captionof(ResultLabel::lblalt, s, sep); }
std::string azcaption(float az, char sep) { SunState s; s.az = az; return captionof(ResultLabel::lblaz, s, sep); }
std::string tiltcaption(float gamma, char sep) { SunState s; s.gamma = gamma; return captionof(ResultLabel::lblntilt, s, sep); }
std::string pcaption(double p, char sep) { SunState s; s.p = p; return captionof(ResultLabel::lblp, s, sep); }
std::string b0caption(double b0, char sep) { SunState s; s.b0 = b0; return captionof(ResultLabel::lblbo, s, sep); }
std::string l0caption(double l0, char sep) { SunState s; s.l0 = l0; return captionof(ResultLabel::lbllosun, s, sep); }

}  // namespace quorvel
