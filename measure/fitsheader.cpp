#include "fitsheader.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "messagetext.h"
#include "numbertext.h"
#include "textvalue.h"

namespace quorvel {
namespace {

constexpr double PI = 3.141592653589793;
constexpr double SUN_RADIUS_M = 695700e3;  // the nominal solar radius, metres
constexpr double WGS84_A = 6378137.0;      // metres
constexpr double WGS84_E2 = 0.00669437999014;

std::optional<double> number(const HeaderCards& cards, const std::string& key) {
    const auto it = cards.find(key);
    return it == cards.end() ? std::nullopt : strictnumber(it->second);
}

std::string text(const HeaderCards& cards, const std::string& key) {
    const auto it = cards.find(key);
    return it == cards.end() ? std::string() : it->second;
}

/// The kind of a CTYPE: 'x' helioprojective longitude, 'y' latitude, 'a'
/// right ascension, 'd' declination, 0 none of these.
char axiskind(std::string t) {
    std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return std::toupper(c); });
    std::string bare;
    for (char c : t)
        if (c != '-' && c != '_') bare += c;
    if (t.rfind("HPLN", 0) == 0 || bare == "SOLARX") return 'x';
    if (t.rfind("HPLT", 0) == 0 || bare == "SOLARY") return 'y';
    if (t == "RA" || t.rfind("RA-", 0) == 0) return 'a';
    if (t == "DEC" || t.rfind("DEC-", 0) == 0) return 'd';
    return 0;
}

/// The linear part of the world coordinates: world axis i per pixel along axis j.
struct Linear {
    std::array<std::array<double, 2>, 2> m{};
    std::string source;
};

std::optional<Linear> linear(const HeaderCards& c) {
    Linear l;
    const double d1 = number(c, "CDELT1").value_or(1), d2 = number(c, "CDELT2").value_or(1);
    if (number(c, "CD1_1") || number(c, "CD2_2")) {
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                l.m[i][j] = number(c, "CD" + std::to_string(i + 1) + "_" + std::to_string(j + 1)).value_or(0);
        l.source = "CD matrix";
    } else if (number(c, "PC1_1") || number(c, "PC1_2") || number(c, "PC2_1") || number(c, "PC2_2")) {
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                l.m[i][j] = (i == 0 ? d1 : d2) *
                            number(c, "PC" + std::to_string(i + 1) + "_" + std::to_string(j + 1)).value_or(i == j);
        l.source = "PC matrix";
    } else {
        const double rho = number(c, "CROTA2").value_or(0) * PI / 180;
        l.m = {{{d1 * std::cos(rho), -d2 * std::sin(rho)}, {d1 * std::sin(rho), d2 * std::cos(rho)}}};
        l.source = number(c, "CROTA2") ? "CROTA2" : "CDELT";
    }
    const double det = l.m[0][0] * l.m[1][1] - l.m[0][1] * l.m[1][0];
    if (!std::isfinite(det) || det == 0) return std::nullopt;
    return l;
}

/// Arcseconds a unit of CUNITi holds.
double arcseconds(const std::string& unit) {
    if (unit == "deg") return 3600;
    if (unit == "arcmin") return 60;
    if (unit == "rad") return 180 / PI * 3600;
    return 1;  // arcsec, the helioprojective default
}

void readorientation(const HeaderCards& c, const Linear& l, bool solar, bool swapped, FitsHeader& h) {
    // Rows: west and north per pixel right and per pixel up.
    auto m = l.m;
    if (swapped) std::swap(m[0], m[1]);
    if (!solar) m[0] = {-m[0][0], -m[0][1]};  // right ascension grows eastward
    const double a = m[0][0], b = m[0][1], cc = m[1][0], d = m[1][1];
    const bool mirrored = a * d - b * cc < 0;
    const double turn = mirrored ? std::atan2(-b - cc, d - a) : std::atan2(b - cc, a + d);
    Orientation o;
    o.kind = solar ? OrientKind::solar : OrientKind::north;
    o.flip = mirrored;
    o.rotatedeg = turn * 180 / PI;
    h.orientation = o;
    const char* pattern =
            solar ? (mirrored ? MESSAGE_TEXT("Message",
                                             "solar north turned %1\u00b0 counterclockwise, mirrored (%2, %3, %4)")
                              : MESSAGE_TEXT("Message", "solar north turned %1\u00b0 counterclockwise (%2, %3, %4)"))
                  : (mirrored ? MESSAGE_TEXT("Message",
                                             "celestial north turned %1\u00b0 counterclockwise, mirrored (%2, %3, %4)")
                              : MESSAGE_TEXT("Message",
                                             "celestial north turned %1\u00b0 counterclockwise (%2, %3, %4)"));
    h.orientationnote =
            fillin(pattern, {patterntext(o.rotatedeg, "0.00"), text(c, "CTYPE1"), text(c, "CTYPE2"), l.source});
}

/// The photosphere from the helioprojective world coordinates, or from a radius in pixels.
void readdisk(const HeaderCards& c, const Linear& l, bool solar, int32_t width, int32_t height, FitsHeader& h) {
    const double det = l.m[0][0] * l.m[1][1] - l.m[0][1] * l.m[1][0];
    const double scale = std::sqrt(std::fabs(det)) * arcseconds(text(c, "CUNIT1"));  // arcseconds a pixel
    const auto rsun = number(c, "RSUN_OBS") ? number(c, "RSUN_OBS") : number(c, "RSUN_ARC");
    auto rpixels = number(c, "SOLAR_R") ? number(c, "SOLAR_R") : number(c, "R_SUN");
    std::string from = number(c, "SOLAR_R") ? "SOLAR_R" : "R_SUN";
    if (solar && rsun && *rsun > 0) rpixels = *rsun / scale, from = number(c, "RSUN_OBS") ? "RSUN_OBS" : "RSUN_ARC";
    if (!rpixels || !(*rpixels > 0)) return;
    Circle disk{0, 0, *rpixels};
    const auto crval1 = number(c, "CRVAL1"), crval2 = number(c, "CRVAL2");
    const auto crpix1 = number(c, "CRPIX1"), crpix2 = number(c, "CRPIX2");
    if (solar && crval1 && crval2 && crpix1 && crpix2) {  // the pixel of world (0, 0)
        const double w1 = -*crval1, w2 = -*crval2;
        const double p1 = (l.m[1][1] * w1 - l.m[0][1] * w2) / det, p2 = (-l.m[1][0] * w1 + l.m[0][0] * w2) / det;
        disk.cx = *crpix1 + p1 - 1;
        disk.cy = height - (*crpix2 + p2);
        h.diskcentred = true;
    }
    const std::string said =
            fillin(MESSAGE_TEXT("Message", "centre %1, %2, radius %3 px (%4)"),
                   {patterntext(disk.cx, "0.0"), patterntext(disk.cy, "0.0"), patterntext(disk.r, "0.00"), from});
    const bool beyond = h.diskcentred && (disk.cx < -disk.r || disk.cx > width + disk.r || disk.cy < -disk.r ||
                                          disk.cy > height + disk.r);
    if (disk.r > std::max(width, height) || beyond) {
        h.diskcentred = false;
        h.disknote = fillin(
                MESSAGE_TEXT("Message", "the header's disk (%1) is set aside: it does not fit the %2 x %3 image"),
                {said, std::to_string(width), std::to_string(height)});
        return;
    }
    h.disk = disk;
    h.disknote = fillin(MESSAGE_TEXT("Message", "the header's disk: %1"), {said});
}

/// The first date keyword present; a day alone completed by a time keyword
/// or by the time part of another date keyword.
HeaderDate readdate(const HeaderCards& c) {
    HeaderDate d;
    const char* const dates[] = {"DATE-OBS", "DATE_OBS", "DATE-BEG", "DATE-AVG"};
    std::optional<ObsDate> day;
    for (const char* key : dates) {
        const std::string value = text(c, key);
        if (value.empty()) continue;
        bool hastime = false;
        const auto read = parsedatetext(value, hastime);
        if (!read) {
            if (!day && d.fault.empty())
                d.fault = fillin(MESSAGE_TEXT("Message", "the FITS header's %1 '%2' is not a date"), {key, value});
            continue;
        }
        if (hastime && !day) {
            d.moment = read, d.keyword = key;
            return d;
        }
        if (!day) day = read, d.keyword = key, d.fault.clear();
        else if (hastime) {  // the time part of another date keyword, on the same day
            ObsDate m = *day;
            m.hour = read->hour, m.minute = read->minute, m.second = read->second;
            d.moment = m, d.keyword = fillin(MESSAGE_TEXT("Message", "%1 and the time of %2"), {d.keyword, key});
            return d;
        }
    }
    if (!day) return d;
    for (const char* key : {"TIME-OBS", "TIME_OBS"}) {
        const std::string value = text(c, key);
        if (value.empty()) continue;
        ObsDate m = *day;
        if (!parsetimetext(value, m)) {
            d.fault = fillin(MESSAGE_TEXT("Message", "the FITS header's %1 '%2' is not a time of day"), {key, value});
            return d;
        }
        d.moment = m, d.keyword = fillin(MESSAGE_TEXT("Message", "%1 and %2"), {d.keyword, key});
        return d;
    }
    d.dayonly = day;
    return d;
}

/// Degrees from "12.5", or "dd:mm:ss" / "dd mm ss" with its sign.
std::optional<double> angle(const std::string& t) {
    if (t.find_first_not_of(' ') == std::string::npos) return std::nullopt;
    if (const auto n = strictnumber(t)) return n;
    std::string s = t;
    std::replace(s.begin(), s.end(), ':', ' ');
    const bool negative = s.find('-') != std::string::npos;
    double v = 0, unit = 1;
    size_t p = s.find_first_not_of(" +-");
    for (int part = 0; part < 3 && p != std::string::npos; ++part, unit /= 60) {
        const size_t end = s.find(' ', p);
        const auto n = strictnumber(s.substr(p, end == std::string::npos ? std::string::npos : end - p));
        if (!n) return std::nullopt;
        v += *n * unit;
        p = end == std::string::npos ? end : s.find_first_not_of(' ', end);
    }
    return p == std::string::npos ? std::optional(negative ? -v : v) : std::nullopt;
}

void readsite(const HeaderCards& c, FitsHeader& h) {
    std::optional<double> lat = angle(text(c, "SITELAT")), east = angle(text(c, "SITELONG"));
    if (!lat || !east) lat = number(c, "OBSGEO-B"), east = number(c, "OBSGEO-L");
    const auto x = number(c, "OBSGEO-X"), y = number(c, "OBSGEO-Y"), z = number(c, "OBSGEO-Z");
    if ((!lat || !east) && x && y && z && std::hypot(*x, *y, *z) > 1e6) {  // geodetic latitude, a few rounds
        const double p = std::hypot(*x, *y);
        double phi = std::atan2(*z, p);
        for (int i = 0; i < 5; ++i) {
            const double n = WGS84_A / std::sqrt(1 - WGS84_E2 * std::sin(phi) * std::sin(phi));
            phi = std::atan2(*z + WGS84_E2 * n * std::sin(phi), p);
        }
        lat = phi * 180 / PI, east = std::atan2(*y, *x) * 180 / PI;
    }
    if (!lat || !east || std::fabs(*lat) > 90 || std::fabs(*east) > 360) return;
    h.lat = *lat;
    h.lonwest = -(*east > 180 ? *east - 360 : *east);
}

}  // namespace

FitsHeader readheader(const HeaderCards& c, int32_t width, int32_t height) {
    FitsHeader h;
    const char k1 = axiskind(text(c, "CTYPE1")), k2 = axiskind(text(c, "CTYPE2"));
    const bool solar = (k1 == 'x' && k2 == 'y') || (k1 == 'y' && k2 == 'x');
    const bool celestial = (k1 == 'a' && k2 == 'd') || (k1 == 'd' && k2 == 'a');
    const auto l = linear(c);
    if ((solar || celestial) && l) readorientation(c, *l, solar, k1 == 'y' || k1 == 'd', h);
    if (l && !celestial) readdisk(c, *l, solar, width, height, h);
    if (const auto dsun = number(c, "DSUN_OBS"); dsun && *dsun > SUN_RADIUS_M)
        h.sunradiusdeg = std::asin(SUN_RADIUS_M / *dsun) * 180 / PI;
    h.date = readdate(c);
    readsite(c, h);
    return h;
}

std::optional<Circle> agreeingdisk(const FitsHeader& h, const LimbFit& limb, std::string& note) {
    const Circle& fitted = limb.circle;
    auto unreplaced = [&](const std::string& why) {
        note = why;
        if (limb.brightened)
            note = note.empty() ? MESSAGE_TEXT("Message",
                                               "the edge found is where a limb-brightened ring rises (EUV, Ca-K), "
                                               "within about 1 % of the photosphere")
                                : fillin(MESSAGE_TEXT("Message",
                                                      "%1; the edge found is where a limb-brightened ring rises (EUV, "
                                                      "Ca-K), within about 1 % of the photosphere"),
                                         {note});
        return std::nullopt;
    };
    if (!h.disk) return unreplaced(note);
    const Circle& d = *h.disk;
    const double off = h.diskcentred ? std::hypot(d.cx - fitted.cx, d.cy - fitted.cy) : 0;
    if (off > 0.1 * d.r || std::fabs(fitted.r / d.r - 1) > 0.12)
        return unreplaced(fillin(MESSAGE_TEXT("Message",
                                              "the header's disk (radius %1 px) is set aside: the limb found on the "
                                              "image (radius %2 px) does not agree with it"),
                                 {patterntext(d.r, "0.00"), patterntext(fitted.r, "0.00")}));
    note = fillin(fitted.r >= d.r ? MESSAGE_TEXT("Message",
                                                 "limb fit %1 px, header %2 px: the fitted edge lies %3 % outside the "
                                                 "header's photosphere, whose radius is used")
                                  : MESSAGE_TEXT("Message",
                                                 "limb fit %1 px, header %2 px: the fitted edge lies %3 % inside the "
                                                 "header's photosphere, whose radius is used"),
                  {patterntext(fitted.r, "0.00"), patterntext(d.r, "0.00"),
                   patterntext(100 * std::fabs(fitted.r / d.r - 1), "0.0")});
    return Circle{fitted.cx, fitted.cy, d.r};
}

}  // namespace quorvel
