// The settings record: its byte layout, short and long files, the zone
// minutes and the tenths text.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settingsrec.h"
#include "textvalue.h"

namespace quorvel {
namespace {

/// v as the file holds it: size bytes, little-endian two's complement.
std::vector<uint8_t> littleendian(int32_t v, size_t size) {
    std::vector<uint8_t> out;
    for (size_t k = 0; k < size; ++k) out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * k)));
    return out;
}

struct Field {
    std::string name;
    size_t offset, size;
    std::function<void(SettingsRec&, int32_t)> set;
};

#define I16(f, at) Field{#f, at, 2, [](SettingsRec& r, int32_t v) { r.f = static_cast<int16_t>(v); }}
#define I32(f, at) Field{#f, at, 4, [](SettingsRec& r, int32_t v) { r.f = v; }}

/// Every field of the record with the offset the file layout gives it.
std::vector<Field> layout() {
    std::vector<Field> f = {
        I16(lat10, 0),          I16(long10, 2),        I16(zonehours, 4),    I16(dst, 6),
        I16(flipsign, 8),       I16(reserved10, 10),   I16(mountaltaz, 12),  I16(grid, 14),
        I16(invert, 16),        I16(rotation, 18),     I16(posangles, 20),   I16(drift, 22),
        I16(reserved24, 24),    I16(labelinterval, 26), I16(markinterval, 28), I16(fontsize, 30),
        I16(gridspacing, 32),   I16(diameter, 34),     I16(sunequator, 36),  I16(axes, 38),
        I16(winstate, 66),      I32(diskcolour, 68),   I32(backcolour, 72),  I32(limbcolour, 76),
        I32(pacolour, 80),      I32(gridcolour, 84),   I32(equatorcolour, 88), I32(arrowcolour, 92),
        I32(axiscolour, 96),    I32(wintop, 152),      I32(winleft, 156),    I32(winwidth, 160),
        I32(winheight, 164),
    };
    for (size_t k = 0; k < 13; ++k) {
        f.push_back({"reserved40[" + std::to_string(k) + "]", 40 + 2 * k, 2,
                     [k](SettingsRec& r, int32_t v) { r.reserved40[k] = static_cast<int16_t>(v); }});
        f.push_back({"reserved100[" + std::to_string(k) + "]", 100 + 4 * k, 4,
                     [k](SettingsRec& r, int32_t v) { r.reserved100[k] = v; }});
    }
    return f;
}

/// A value of its own for field i, with distinct high and low bytes, negative for odd i.
int32_t distinctvalue(size_t i, size_t size) {
    const int32_t magnitude = size == 2 ? static_cast<int32_t>(0x0100 * (i + 1) + 0x11 + i)
                                        : static_cast<int32_t>(0x01020304 * (i + 1) & 0x7fffffff);
    return i % 2 ? -magnitude : magnitude;
}

SettingsRec distinctrecord() {
    SettingsRec rec;
    const auto fields = layout();
    for (size_t i = 0; i < fields.size(); ++i) fields[i].set(rec, distinctvalue(i, fields[i].size));
    return rec;
}

TEST(SettingsRecordTest, LondonObserverBytes) {
    SettingsRec rec;
    rec.lat10 = 515;    // 51.5 north
    rec.long10 = -5;    // 0.5 east
    rec.zonehours = 0;  // Greenwich time, no daylight saving
    rec.dst = 0;
    rec.flipsign = -1;  // not flipped
    const SettingsBytes bytes = encoderecord(rec);
    const std::vector<uint8_t> head(bytes.begin(), bytes.begin() + 10);
    EXPECT_EQ(head, (std::vector<uint8_t>{0x03, 0x02, 0xFB, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF}));
    EXPECT_EQ(decoderecord(std::span(bytes).first(10)), rec);
}

TEST(SettingsRecordTest, EveryFieldAtItsOffset) {
    const auto fields = layout();
    const SettingsRec rec = distinctrecord();
    const SettingsBytes bytes = encoderecord(rec);
    std::vector<int> covered(SETTINGS_RECORD_SIZE, 0);
    for (size_t i = 0; i < fields.size(); ++i) {
        const Field& f = fields[i];
        SCOPED_TRACE(f.name);
        const std::vector<uint8_t> stored(bytes.begin() + f.offset, bytes.begin() + f.offset + f.size);
        EXPECT_EQ(stored, littleendian(distinctvalue(i, f.size), f.size));
        for (size_t k = f.offset; k < f.offset + f.size; ++k) ++covered[k];
    }
    EXPECT_EQ(covered, std::vector<int>(SETTINGS_RECORD_SIZE, 1)) << "each byte belongs to one field";
    EXPECT_EQ(decoderecord(bytes), rec);
}

TEST(SettingsRecordTest, ShortFileZeroPaddedLongFileCut) {
    const SettingsBytes full = encoderecord(distinctrecord());
    for (size_t n : {0, 1, 2, 9, 10, 67, 99, 151, 167}) {
        SCOPED_TRACE(testing::Message() << n << " bytes");
        SettingsBytes padded{};
        std::copy_n(full.begin(), n, padded.begin());
        EXPECT_EQ(encoderecord(decoderecord(std::span(full).first(n))), padded);
    }
    std::vector<uint8_t> longer(full.begin(), full.end());
    for (int k = 0; k < 500; ++k) longer.push_back(static_cast<uint8_t>(k * 37 + 11));
    EXPECT_EQ(decoderecord(longer), decoderecord(full));
}

TEST(SettingsRecordTest, AnyRecordEncodesBackToItsBytes) {
    std::mt19937 rng(168);
    std::vector<SettingsBytes> samples(200);
    samples[0].fill(0xFF);
    samples[1].fill(0x80);
    for (size_t s = 2; s < samples.size(); ++s)
        for (auto& b : samples[s]) b = static_cast<uint8_t>(rng());
    for (const SettingsBytes& x : samples) EXPECT_EQ(encoderecord(decoderecord(x)), x);
}

TEST(TenthsTextTest, StoredValuesAsShown) {
    const struct { int width; int16_t v; const char* text; } rows[] = {
        {4, 515, " 51.5"},  {4, -335, "-33.5"}, {4, 50, "  5.0"},    {4, 5, "   .5"},    {4, -5, "  -.5"},
        {4, 0, "   .0"},    {5, -1800, "-180.0"}, {5, 1234, " 123.4"}, {5, -1, "   -.1"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "width " << r.width << ", " << r.v);
        EXPECT_EQ(tenthstext(r.v, r.width), r.text);
        EXPECT_EQ(textvalue(tenthstext(r.v, r.width)), r.v / 10.0);
    }
}

TEST(TenthsTextTest, WiderValuesKeepEveryDigit) {
    const struct { int width; int16_t v; } rows[] = {
        {4, 1000}, {4, -1000}, {4, 32767}, {4, -32768}, {5, 10000}, {5, -32768},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "width " << r.width << ", " << r.v);
        EXPECT_EQ(textvalue(tenthstext(r.v, r.width)), r.v / 10.0);
    }
}

TEST(ZoneMinutesTest, ReadOnlyWithTheirOwnHours) {
    const struct { const char* name; int16_t hours, minutes, tag; double zone; } rows[] = {
        {"no minutes kept", 5, 0, 0, 5},
        {"India", 5, 30, 5, 5.5},
        {"Newfoundland", -4, 30, -4, -3.5},
        {"Nepal", 5, 45, 5, 5.75},
        {"tag of another zone", 5, 30, 3, 5},
        {"sixty minutes are no minutes", 5, 60, 5, 5},
        {"negative minutes", 5, -30, 5, 5},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        SettingsRec rec;
        rec.zonehours = r.hours;
        rec.reserved40[0] = r.minutes;
        rec.reserved40[1] = r.tag;
        EXPECT_EQ(recordzone(rec), r.zone);
    }
}

TEST(ZoneMinutesTest, StoredBesideTheFloorOfTheZone) {
    const struct {
        const char* name;
        int16_t oldminutes, oldtag, hours;
        float tz;
        int16_t minutes, tag;
    } rows[] = {
        {"India", 0, 0, 5, 5.5f, 30, 5},
        {"Newfoundland", 0, 0, -4, -3.5f, 30, -4},
        {"Nepal", 0, 0, 5, 5.75f, 45, 5},
        {"new minutes replace old ones", 45, 5, 5, 5.5f, 30, 5},
        {"a minute short of the hour", 0, 0, 5, 5.995f, 59, 5},
        {"under half a minute is a whole zone", 0, 0, 5, 5.005f, 0, 0},
        {"whole zone over empty bytes", 0, 0, 2, 2.0f, 0, 0},
        {"whole zone keeps other contents", 1234, -77, 2, 2.0f, 1234, -77},
        {"whole zone keeps the minutes of another zone", 30, 3, 5, 5.0f, 30, 3},
        {"whole zone clears minutes it would misread", 30, 5, 5, 5.0f, 0, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        SettingsRec rec;
        for (size_t k = 2; k < rec.reserved40.size(); ++k) rec.reserved40[k] = static_cast<int16_t>(100 + k);
        SettingsRec expected = rec;
        rec.reserved40[0] = r.oldminutes;
        rec.reserved40[1] = r.oldtag;
        expected.zonehours = r.hours;
        expected.reserved40[0] = r.minutes;
        expected.reserved40[1] = r.tag;
        setrecordzone(rec, r.hours, r.tz);
        EXPECT_EQ(rec, expected);
        const bool kept = r.minutes >= 1 && r.minutes <= 59 && r.tag == r.hours;
        EXPECT_DOUBLE_EQ(recordzone(rec), r.hours + (kept ? r.minutes / 60.0 : 0.0));
    }
}

}  // namespace
}  // namespace quorvel
