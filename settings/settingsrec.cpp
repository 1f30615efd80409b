#include "settingsrec.h"

#include <algorithm>
#include <cmath>

#include "numbertext.h"

namespace quorvel {
namespace {

class Writer {
public:
    explicit Writer(SettingsBytes& b) : b_(b) {}
    void i16(int16_t v) { put(static_cast<uint16_t>(v), 2); }
    void i32(int32_t v) { put(static_cast<uint32_t>(v), 4); }
    size_t offset() const { return at_; }

private:
    void put(uint32_t v, int n) {
        for (int k = 0; k < n; ++k) b_[at_++] = static_cast<uint8_t>(v >> (8 * k));
    }
    SettingsBytes& b_;
    size_t at_ = 0;
};

class Reader {
public:
    explicit Reader(std::span<const uint8_t> b) : b_(b) {}
    int16_t i16() { return static_cast<int16_t>(static_cast<uint16_t>(get(2))); }
    int32_t i32() { return static_cast<int32_t>(get(4)); }
    size_t offset() const { return at_; }

private:
    uint32_t get(int n) {
        uint32_t v = 0;
        for (int k = 0; k < n; ++k, ++at_)
            if (at_ < b_.size()) v |= static_cast<uint32_t>(b_[at_]) << (8 * k);
        return v;
    }
    std::span<const uint8_t> b_;
    size_t at_ = 0;
};

/// Visits every field in file order, so that encoding and decoding share one layout.
template <typename Rec, typename I16, typename I32>
void eachfield(Rec& r, I16 i16, I32 i32) {
    for (auto* f : {&r.lat10, &r.long10, &r.zonehours, &r.dst, &r.flipsign, &r.reserved10,
                    &r.mountaltaz, &r.grid, &r.invert, &r.rotation, &r.posangles, &r.drift,
                    &r.reserved24, &r.labelinterval, &r.markinterval, &r.fontsize,
                    &r.gridspacing, &r.diameter, &r.sunequator, &r.axes})
        i16(*f);
    for (auto& f : r.reserved40) i16(f);
    i16(r.winstate);
    for (auto* f : {&r.diskcolour, &r.backcolour, &r.limbcolour, &r.pacolour, &r.gridcolour,
                    &r.equatorcolour, &r.arrowcolour, &r.axiscolour})
        i32(*f);
    for (auto& f : r.reserved100) i32(f);
    for (auto* f : {&r.wintop, &r.winleft, &r.winwidth, &r.winheight}) i32(*f);
}

constexpr size_t ZONE_MINUTES = 0, ZONE_MINUTES_HOURS = 1;  // indices in reserved40

}  // namespace

SettingsBytes encoderecord(const SettingsRec& rec) {
    SettingsBytes bytes{};
    Writer w(bytes);
    eachfield(rec, [&](int16_t v) { w.i16(v); }, [&](int32_t v) { w.i32(v); });
    return bytes;
}

SettingsRec decoderecord(std::span<const uint8_t> bytes) {
    SettingsRec rec;
    Reader r(bytes);
    eachfield(rec, [&](int16_t& v) { v = r.i16(); }, [&](int32_t& v) { v = r.i32(); });
    return rec;
}

double recordzone(const SettingsRec& rec) {
    const int16_t minutes = rec.reserved40[ZONE_MINUTES];
    const bool kept = rec.reserved40[ZONE_MINUTES_HOURS] == rec.zonehours && minutes >= 1 && minutes <= 59;
    return rec.zonehours + (kept ? minutes / 60.0 : 0.0);
}

void setrecordzone(SettingsRec& rec, int16_t zonehours, float tz) {
    rec.zonehours = zonehours;
    const double minutes = std::round((static_cast<double>(tz) - zonehours) * 60);
    const bool kept = minutes >= 1 && minutes <= 60;
    // 60 would be the next hour, which zonehours cannot show: keep 59.
    if (kept) {
        rec.reserved40[ZONE_MINUTES] = static_cast<int16_t>(std::min(minutes, 59.0));
        rec.reserved40[ZONE_MINUTES_HOURS] = zonehours;
    } else if (recordzone(rec) != zonehours) {
        // Old minutes that would be read with the new hours: clear them. Other
        // contents of the reserved bytes pass through untouched.
        rec.reserved40[ZONE_MINUTES] = 0;
        rec.reserved40[ZONE_MINUTES_HOURS] = 0;
    }
}

std::string tenthstext(int16_t v, int width) {
    std::string s = signedtext(v);
    if (s.size() < static_cast<size_t>(width)) s.insert(0, static_cast<size_t>(width) - s.size(), ' ');
    // Wider values keep all their digits: " 1000" gives " 100.0".
    return s.substr(0, s.size() - 1) + "." + s.back();
}

}  // namespace quorvel
