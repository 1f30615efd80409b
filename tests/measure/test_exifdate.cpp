// The camera's date read from EXIF blocks built here byte by byte: sound
// blocks in both byte orders, and blocks cut, lying or pointing anywhere;
// the answers stored whole in exif.txt (store anew with QUORVEL_UPDATE_GOLDEN=1).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "exifbytes.h"
#include "exifdate.h"

namespace quorvel {
namespace {

using test::camerablock;
using test::exifjpeg;
using test::segment;
using test::tiffblock;

const std::string SOS = std::string("\xFF\xDA\0\x08\1\1\0\0\x3F\0", 10) + "scan\xFF\xD9";
const std::string TAKEN = "2024:05:10 14:34:56";

std::string answer(const std::string& bytes) {
    const auto d = exifdate(bytes);
    if (!d) return "no date";
    const std::string clock = obsdatetext(d->clock);
    std::string t = "clock " + clock.substr(0, clock.size() - 3);
    if (d->offsethours) t += ", offset " + clockoffsettext(*d->offsethours);
    return t + ", as UT " + obsdatetext(*cameramoment(*d, std::nullopt).moment);
}

/// The sound little-endian JPEG with the 4 bytes at offset at replaced by v (little-endian).
std::string lying(size_t at, uint32_t v) {
    std::string j = exifjpeg(camerablock(true, TAKEN, "+02:00"), SOS);
    j.replace(2 + 18 + 10 + at, 4, test::number(v, 4, true));
    return j;
}

TEST(ExifDate, EveryBlockAnsweredAsStored) {
    const std::string sound = exifjpeg(camerablock(true, TAKEN, "+02:00"), SOS);
    const struct { const char* name; std::string bytes; } cases[] = {
        {"little-endian with offset", sound},
        {"big-endian with a west offset", exifjpeg(camerablock(false, TAKEN, "-05:30"), SOS)},
        {"no offset", exifjpeg(camerablock(true, "2023:12:31 23:59:59", ""), SOS)},
        {"offset crossing midnight", exifjpeg(camerablock(true, "2024:01:01 01:00:00", "+09:00"), SOS)},
        {"offset not a time", exifjpeg(camerablock(true, TAKEN, "+2:0"), SOS)},
        {"offset beyond 14 hours", exifjpeg(camerablock(true, TAKEN, "+15:00"), SOS)},
        {"unset date", exifjpeg(camerablock(true, "0000:00:00 00:00:00", ""), SOS)},
        {"blank date", exifjpeg(camerablock(true, "                   ", ""), SOS)},
        {"date with dashes", exifjpeg(camerablock(true, "2024-05-10 14:34:56", ""), SOS)},
        {"month 13", exifjpeg(camerablock(true, "2024:13:10 14:34:56", ""), SOS)},
        {"hour 24", exifjpeg(camerablock(true, "2024:05:10 24:00:00", ""), SOS)},
        {"no Exif IFD", exifjpeg(tiffblock(true, {{0x0132, 2, TAKEN + '\0'}}, {}), SOS)},
        {"date as a LONG", exifjpeg(tiffblock(true, {{0x8769, 4, ""}}, {{0x9003, 4, "abcd"}}), SOS)},
        {"no EXIF at all", std::string("\xFF\xD8", 2) + SOS},
        {"EXIF after the scan", std::string("\xFF\xD8", 2) + SOS + segment(0xE1, "Exif\0\0" + camerablock(true, TAKEN, ""))},
        {"fill bytes before the segment", std::string("\xFF\xD8\xFF\xFF", 4) + sound.substr(2)},
        {"not a JPEG", "\x89PNG" + sound},
        {"TIFF header wrong", exifjpeg("IM" + camerablock(true, TAKEN, "").substr(2), SOS)},
        {"IFD0 beyond the block", lying(4, 0xFFFFFFF0)},
        {"Exif IFD beyond the block", lying(8 + 2 + 12 + 8, 0xFFFFFFF8)},
        {"date count past the end", lying(8 + 2 + 24 + 4 + 2 + 4, 0xFFFFFFFF)},
        {"date offset past the end", lying(8 + 2 + 24 + 4 + 2 + 8, 0xFFFFFFF0)},
        {"IFD0 counting 65535 entries", lying(8, 0xFFFF)},
        {"segment longer than the file", sound.substr(0, 40)},
        {"segment length 0", std::string("\xFF\xD8\xFF\xE1\0\0", 6) + sound.substr(2)},
    };
    std::string report;
    for (const auto& c : cases) report += std::string(c.name) + ": " + answer(c.bytes) + "\n";
    const std::string stored = std::string(QUORVEL_MEASURE_DATA) + "/exif.txt";
    if (getenv("QUORVEL_UPDATE_GOLDEN")) std::ofstream(stored) << report;
    std::ifstream f(stored);
    std::stringstream expected;
    expected << f.rdbuf();
    EXPECT_EQ(report, expected.str());
}

TEST(ExifDate, NoCutOfASoundFileGivesADate) {
    const std::string sound = exifjpeg(camerablock(false, TAKEN, "+02:00"), SOS);
    const size_t needed = sound.find("\xFF\xDA");  // the EXIF segment ends there
    for (size_t n = 0; n < needed; ++n) EXPECT_FALSE(exifdate(sound.substr(0, n))) << n << " bytes";
    EXPECT_TRUE(exifdate(sound.substr(0, needed)));
}

TEST(ClockOffset, ReadsEveryForm) {
    const struct { const char* text; double hours; } cases[] = {
        {"+02:00", 2},  {"-05:30", -5.5}, {"05:45", 5.75}, {"3", 3},   {"-3.5", -3.5}, {"+14", 14},
        {"14.01", NAN}, {"+15:00", NAN},  {"+2:0", NAN},   {"2:60", NAN}, {"--3", NAN}, {"+-3", NAN},
        {"", NAN},      {"+", NAN},       {"inf", NAN},    {"nan", NAN},  {"1e999", NAN}, {"2h", NAN}};
    for (const auto& c : cases) {
        const auto h = clockoffset(c.text);
        if (std::isnan(c.hours)) EXPECT_FALSE(h) << c.text;
        else EXPECT_EQ(h.value_or(NAN), c.hours) << c.text;
    }
}

}  // namespace
}  // namespace quorvel
