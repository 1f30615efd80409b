#include "drawvalues.h"

#include <cmath>

#include "angleconst.h"
#include "anglefmt.h"
#include "numbertext.h"
#include "calendar.h"
#include "orientation.h"
#include "solarposition.h"

namespace quorvel {
namespace {

void setcaptionof(LabelSink& sink, ResultLabel label, const SunState& sun, char sep) {
    char buf[CAPTION_MAX];
    sink.setcaption(label, std::string(buf, putcaption(buf, label, sun, sep)));
}

/// Sets a label's caption, formatted from the state, when the sink wants captions.
inline void show(LabelSink& sink, ResultLabel label, const SunState& sun, char sep) {
    if (sink.wantscaptions()) setcaptionof(sink, label, sun, sep);
}

/// Julian Date and sidereal time; false when the date does not fit the calendar arithmetic.
bool timeargs(RedrawState& st, int carry, char sep, LabelSink& sink) {
    SunState& sun = st.sun;
    sun.calrule = 2;
    const CalTable caltab = caltable();
    const auto day = static_cast<int16_t>(st.obs.day + carry);
    if (!julday(caltab, st.obs.year, st.obs.month, day, sun.dayfrac, sun.calrule, sun.jd, sun.jdfrac))
        return false;
    show(sink, ResultLabel::lbljd, sun, sep);
    sidtime(sun.jd, sun.dayfrac, sun.sid);
    show(sink, ResultLabel::lblsid, sun, sep);
    return true;
}

void equatorial(SunState& sun, LabelSink& sink, CaptionStyle style) {
    sunxyz(sun.jd, sun.jdfrac, sun.x50, sun.y50, sun.z50);
    precess(sun.x50, sun.y50, sun.z50, sun.jd, sun.jdfrac, sun.x, sun.y, sun.z);
    radec(sun.x, sun.y, sun.z, sun.ra, sun.dec);
    const bool g = style == CaptionStyle::graphics;
    if (!g) {
        show(sink, ResultLabel::lblsunrastr, sun, '.');
        show(sink, ResultLabel::lblsundecstr, sun, '.');
    } else if (sink.wantscaptions()) {  // quorvel_g's short prefixes
        sink.setcaption(ResultLabel::lblsunrastr, "RA    " + hourmin(sun.ra));
        sink.setcaption(ResultLabel::lblsundecstr, "Dec   " + degmin(sun.dec));
    }
}

void horizontal(RedrawState& st, char sep, LabelSink& sink, CaptionStyle style) {
    SunState& sun = st.sun;
    const bool g = style == CaptionStyle::graphics;
    sun.ha = hourangle(sun.sid, sun.ra, st.obs.lon);
    if (!g) show(sink, ResultLabel::lblhang, sun, sep);
    const double phi = static_cast<double>(st.obs.lat) * DEG;
    const double h = static_cast<double>(sun.ha) * DEG * 15;
    const float dec = static_cast<float>(static_cast<double>(sun.dec) * DEG);
    altaz(std::cos(phi), std::sin(phi), h, dec, sun.az, sun.alt);
    if (!g) {
        show(sink, ResultLabel::lblalt, sun, sep);
        show(sink, ResultLabel::lblaz, sun, sep);
    } else if (sink.wantscaptions()) {  // quorvel_g's bare numbers
        sink.setcaption(ResultLabel::lblalt, patterntext(static_cast<double>(sun.alt) * RAD, "00.0", sep));
        sink.setcaption(ResultLabel::lblaz, patterntext(static_cast<double>(sun.az) * RAD, "000.0", sep));
    }
}

void diskangles(RedrawState& st, char sep, LabelSink& sink) {
    SunState& sun = st.sun;
    sun.gamma = paraangle(st.obs.lat, sun.ha, sun.alt, sun.dec);
    show(sink, ResultLabel::lblntilt, sun, sep);
    double radius = 0;  // nothing reads the radius vector
    sunlong(sun.jd, sun.jdfrac, sun.lambda, radius);
    obliq(sun.jd, sun.jdfrac, sun.eps);
    carrington(sun.jd, sun.jdfrac, sun.lambda, sun.eps, sun.b0, sun.p, sun.l0);
    show(sink, ResultLabel::lblp, sun, sep);
    show(sink, ResultLabel::lblbo, sun, sep);
    show(sink, ResultLabel::lbllosun, sun, sep);
    sink.setrotation(carringtonrotation(sun.jd, sun.jdfrac, sun.l0));
    sun.rot = diskrotation(sun.p, sun.gamma, st.view.altaz);
}

}  // namespace

Outcome drawvalues(const FieldTexts& fields, bool altaz, char sep, RedrawState& st, LabelSink& sink,
                   CaptionStyle style) {
    int carry = 0;
    if (Outcome read = readinputs(fields, st.obs, st.sun, carry, st.inputerr); !read.done()) return read;

    if (!timeargs(st, carry, sep, sink)) {
        st.inputerr = 1;
        return inputoutcome(InputFault::date);
    }
    equatorial(st.sun, sink, style);

    if (Outcome read = readplace(fields, st.obs, st.inputerr); !read.done()) return read;
    horizontal(st, sep, sink, style);

    st.view.altaz = altaz ? 1 : 0;
    sink.showtilt(altaz);
    diskangles(st, sep, sink);
    return Outcome::ok();
}

}  // namespace quorvel
