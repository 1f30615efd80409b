#include "exifdate.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "messagetext.h"

namespace quorvel {
namespace {

constexpr uint16_t TAG_EXIF_IFD = 0x8769, TAG_DATE_ORIGINAL = 0x9003, TAG_OFFSET_ORIGINAL = 0x9011;
constexpr uint16_t TYPE_ASCII = 2, TYPE_LONG = 4, TYPE_IFD = 13;
constexpr double LARGEST_OFFSET = 14;  // hours either way: the zones of the Earth

/// The TIFF structure inside an EXIF block: numbers in its byte order, every
/// read checked against its end.
class TiffBlock {
public:
    explicit TiffBlock(std::string_view b) : b_(b) {}

    /// Whether the block starts with a TIFF header ("II" or "MM", then 42).
    bool header() {
        if (b_.size() < 8 || (b_.substr(0, 2) != "II" && b_.substr(0, 2) != "MM")) return false;
        little_ = b_[0] == 'I';
        return number(2, 2) == 42;
    }
    std::optional<uint32_t> number(uint64_t at, int bytes) const {
        if (at + static_cast<uint64_t>(bytes) > b_.size()) return std::nullopt;
        uint32_t v = 0;
        for (int i = 0; i < bytes; ++i) {
            const auto byte = static_cast<uint8_t>(b_[at + static_cast<uint64_t>(little_ ? bytes - 1 - i : i)]);
            v = (v << 8) | byte;
        }
        return v;
    }
    /// The 12-byte entry of tag in the IFD at offset ifd; nullopt when absent.
    std::optional<uint64_t> entry(uint32_t ifd, uint16_t tag) const {
        const auto count = number(ifd, 2);
        for (uint32_t i = 0; count && i < *count; ++i) {
            const uint64_t at = uint64_t{ifd} + 2 + uint64_t{12} * i;
            const auto t = number(at, 2);
            if (!t) return std::nullopt;
            if (*t == tag) return at;
        }
        return std::nullopt;
    }
    /// An ASCII value, up to its first NUL: held in the entry when 4 bytes or fewer.
    std::optional<std::string_view> text(uint32_t ifd, uint16_t tag) const {
        const auto at = entry(ifd, tag);
        const auto type = at ? number(*at + 2, 2) : std::nullopt;
        const auto count = at ? number(*at + 4, 4) : std::nullopt;
        if (!type || *type != TYPE_ASCII || !count) return std::nullopt;
        const auto from = *count <= 4 ? std::optional<uint32_t>(static_cast<uint32_t>(*at + 8)) : number(*at + 8, 4);
        if (!from || uint64_t{*from} + *count > b_.size()) return std::nullopt;
        const std::string_view v = b_.substr(*from, *count);
        return v.substr(0, v.find('\0'));
    }
    /// The offset a LONG or IFD entry points to.
    std::optional<uint32_t> pointer(uint32_t ifd, uint16_t tag) const {
        const auto at = entry(ifd, tag);
        const auto type = at ? number(*at + 2, 2) : std::nullopt;
        if (!type || (*type != TYPE_LONG && *type != TYPE_IFD)) return std::nullopt;
        return number(*at + 8, 4);
    }

private:
    std::string_view b_;
    bool little_ = true;
};

/// The TIFF block of a JPEG's "Exif" APP1 segment; empty when there is none
/// before the image data.
std::string_view exifblock(std::string_view j) {
    if (j.size() < 4 || static_cast<uint8_t>(j[0]) != 0xFF || static_cast<uint8_t>(j[1]) != 0xD8) return {};
    size_t p = 2;
    while (p + 4 <= j.size() && static_cast<uint8_t>(j[p]) == 0xFF) {
        const auto marker = static_cast<uint8_t>(j[p + 1]);
        if (marker == 0xFF) {  // a fill byte
            ++p;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) return {};  // the image data: no EXIF before it
        const size_t length = static_cast<size_t>(static_cast<uint8_t>(j[p + 2]) << 8 | static_cast<uint8_t>(j[p + 3]));
        if (length < 2 || p + 2 + length > j.size()) return {};
        const std::string_view segment = j.substr(p + 4, length - 2);
        if (marker == 0xE1 && segment.substr(0, 6) == std::string_view("Exif\0\0", 6)) return segment.substr(6);
        p += 2 + length;
    }
    return {};
}

/// "YYYY:MM:DD HH:MM:SS" as a date; the unset date and blanks are none.
std::optional<ObsDate> exiftime(std::string_view t) {
    if (t.size() != 19 || t[4] != ':' || t[7] != ':' || t[10] != ' ') return std::nullopt;
    std::string iso(t);
    iso[4] = iso[7] = '-';
    bool hastime = false;
    const std::optional<ObsDate> d = parsedatetext(iso, hastime);
    if (!d || !hastime || d->year == 0) return std::nullopt;
    return d;
}

}  // namespace

std::optional<CameraDate> exifdate(std::string_view bytes) {
    TiffBlock tiff(exifblock(bytes));
    if (!tiff.header()) return std::nullopt;
    const auto ifd0 = tiff.number(4, 4);
    const auto exififd = ifd0 ? tiff.pointer(*ifd0, TAG_EXIF_IFD) : std::nullopt;
    const auto taken = exififd ? tiff.text(*exififd, TAG_DATE_ORIGINAL) : std::nullopt;
    const auto clock = taken ? exiftime(*taken) : std::nullopt;
    if (!clock) return std::nullopt;
    CameraDate camera{*clock, std::nullopt};
    if (const auto offset = tiff.text(*exififd, TAG_OFFSET_ORIGINAL)) camera.offsethours = clockoffset(*offset);
    return camera;
}

std::optional<double> clockoffset(std::string_view t) {
    const bool negative = !t.empty() && t.front() == '-';
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) t.remove_prefix(1);
    if (t.empty() || t.front() < '0' || t.front() > '9') return std::nullopt;
    double hours = 0;
    const size_t colon = t.find(':');
    if (colon != std::string_view::npos) {
        int h = -1, m = -1;
        const auto [he, hc] = std::from_chars(t.data(), t.data() + colon, h);
        const auto [me, mc] = std::from_chars(t.data() + colon + 1, t.data() + t.size(), m);
        if (hc != std::errc() || mc != std::errc() || he != t.data() + colon || me != t.data() + t.size() ||
            t.size() - colon != 3 || m > 59)
            return std::nullopt;
        hours = h + m / 60.0;
    } else {
        const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), hours);
        if (ec != std::errc() || end != t.data() + t.size() || !std::isfinite(hours)) return std::nullopt;
    }
    if (!(hours <= LARGEST_OFFSET)) return std::nullopt;
    return negative ? -hours : hours;
}

std::string clockoffsettext(double hours) {
    const long minutes = std::lround(std::fabs(hours) * 60);
    char text[32];  // integers only: no locale reaches them
    std::snprintf(text, sizeof text, "UT%c%02ld:%02ld", hours < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return text;
}

HeaderDate cameramoment(const CameraDate& camera, std::optional<double> given) {
    const std::optional<double> offset = given ? given : camera.offsethours;
    HeaderDate d;
    d.camera = true;
    d.moment = shiftedhours(camera.clock, -offset.value_or(0));
    d.keyword = given ? fillin(MESSAGE_TEXT("Message", "EXIF DateTimeOriginal, camera clock %1 as given"),
                               {clockoffsettext(*given)})
                : offset
                        ? fillin(MESSAGE_TEXT("Message", "EXIF DateTimeOriginal, camera clock %1 (OffsetTimeOriginal)"),
                                 {clockoffsettext(*offset)})
                        : MESSAGE_TEXT("Message", "EXIF DateTimeOriginal, camera clock taken as UT (no offset given)");
    return d;
}

}  // namespace quorvel
