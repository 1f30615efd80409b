// EXIF blocks and JPEG segments built byte by byte, as a camera writes them:
// a TIFF header, IFD0 pointing to the Exif IFD, ASCII values beyond 4 bytes
// in a data area after the IFDs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::test {

struct ExifTag {
    uint16_t tag, type;
    std::string value;  ///< ASCII with its NUL; for a LONG the 4 bytes as written ("" points to the Exif IFD)
    uint32_t count = 0; ///< 0: the value's length (1 for a LONG)
};

inline std::string number(uint32_t v, int bytes, bool little) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += char(v >> (8 * (little ? i : bytes - 1 - i)));
    return s;
}

/// The TIFF block: IFD0 at offset 8 holding ifd0, then the Exif IFD holding exif.
inline std::string tiffblock(bool little, const std::vector<ExifTag>& ifd0, const std::vector<ExifTag>& exif) {
    const uint32_t exifat = 8 + 2 + 12 * uint32_t(ifd0.size()) + 4;
    uint32_t dataat = exifat + 2 + 12 * uint32_t(exif.size()) + 4;
    std::string ifds, data;
    for (const auto* list : {&ifd0, &exif}) {
        ifds += number(uint32_t(list->size()), 2, little);
        for (const ExifTag& t : *list) {
            const uint32_t count = t.count ? t.count : t.type == 2 ? uint32_t(t.value.size()) : 1;
            ifds += number(t.tag, 2, little) + number(t.type, 2, little) + number(count, 4, little);
            if (t.type != 2) {
                ifds += t.value.empty() ? number(exifat, 4, little) : t.value;
            } else if (t.value.size() <= 4) {
                ifds += t.value + std::string(4 - t.value.size(), '\0');
            } else {
                ifds += number(dataat + uint32_t(data.size()), 4, little);
                data += t.value;
            }
        }
        ifds += number(0, 4, little);
    }
    return (little ? "II" : "MM") + number(42, 2, little) + number(8, 4, little) + ifds + data;
}

inline std::string segment(uint8_t marker, const std::string& body) {
    return std::string{char(0xFF), char(marker)} + number(uint32_t(body.size() + 2), 2, false) + body;
}

/// A camera's block: DateTimeOriginal, and OffsetTimeOriginal when offset is not empty.
inline std::string camerablock(bool little, const std::string& taken, const std::string& offset) {
    std::vector<ExifTag> exif{{0x9003, 2, taken + '\0'}};
    if (!offset.empty()) exif.push_back({0x9011, 2, offset + '\0'});
    return tiffblock(little, {{0x010F, 2, std::string("Camera") + '\0'}, {0x8769, 4, ""}}, exif);
}

/// SOI, a JFIF APP0, the "Exif" APP1 of block, then rest (the image's segments from its SOF or SOS).
inline std::string exifjpeg(const std::string& block, const std::string& rest) {
    return std::string("\xFF\xD8", 2) + segment(0xE0, std::string("JFIF\0\1\1\0\0\1\0\1\0\0", 14)) +
           segment(0xE1, std::string("Exif\0\0", 6) + block) + rest;
}

}  // namespace quorvel::test
