// The settings record's zone minutes and its tenths text. Its byte layout is
// held by the stored saved files of the settings scenarios.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "settingsrec.h"
#include "textvalue.h"

namespace quorvel {
namespace {

// Values wider than the width keep every digit (no text given: only read back).
TEST(TenthsTextTest, StoredValuesAsShown) {
    const struct { int width; int16_t v; const char* text; } rows[] = {
        {4, 515, " 51.5"},  {4, -335, "-33.5"},   {4, 50, "  5.0"},    {4, 5, "   .5"},   {4, -5, "  -.5"},
        {4, 0, "   .0"},    {5, -1800, "-180.0"}, {5, 1234, " 123.4"}, {5, -1, "   -.1"}, {4, 1000, nullptr},
        {4, -1000, nullptr}, {4, 32767, nullptr}, {4, -32768, nullptr}, {5, 10000, nullptr}, {5, -32768, nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "width " << r.width << ", " << r.v);
        if (r.text) {
            EXPECT_EQ(tenthstext(r.v, r.width), r.text);
        }
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
        {"a minute short of the hour", 0, 0, 5, 5.995f, 59, 5},
        {"under half a minute is a whole zone", 0, 0, 5, 5.005f, 0, 0},
        {"whole zone over empty bytes", 0, 0, 2, 2.0f, 0, 0},
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
