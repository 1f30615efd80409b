// The input checks, and what a failed check leaves of a redraw.
#include <clocale>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "drawvalues.h"
#include "obsinput.h"
#include "textvalue.h"

namespace quorvel {
namespace {

constexpr InputFault kPass = InputFault::none, kDate = InputFault::date, kTime = InputFault::time,
                     kZone = InputFault::zone, kPlace = InputFault::place;

/// The UT day fraction of a UT hour and minute, formed as the input rule forms it (binary32).
float utfrac(double uthour, double minute) { return static_cast<float>(uthour / 24 + minute / 24 / 60); }

FieldTexts fields(const char* day, const char* month, const char* year, const char* hour,
                  const char* min, const char* tz, bool dst = false) {
    return FieldTexts{day, month, year, hour, min, tz, dst, "51.5", "0"};
}
FieldTexts date(const char* d, const char* m, const char* y) { return fields(d, m, y, "12", "0", "0"); }
FieldTexts clock(const char* h, const char* min, const char* tz = "0", bool dst = false) {
    return fields("21", "6", "2006", h, min, tz, dst);
}

struct ClockRow {
    const char* name;
    FieldTexts texts;
    InputFault fault;
    int carry = 0;      // checked when the fields pass
    float dayfrac = 0;  // checked when the fields pass, exactly
    float tz = 0;       // checked once the zone has been read
};

TEST(ReadInputsTest, ChecksCarryAndDayFraction) {
    const ClockRow rows[] = {
        {"day 31, month 11", date("31", "11", "2006"), kDate}, {"day 31, month 4", date("31", "4", "2006"), kDate},
        {"day 31, month 12", date("31", "12", "2006"), kPass, 0, 0.5f},
        {"February 29 of 2005: no leap-year test", date("29", "2", "2005"), kPass, 0, 0.5f},
        {"February 30", date("30", "2", "2005"), kDate}, {"month 13", date("1", "13", "2006"), kDate},
        {"empty day", date("", "6", "2006"), kDate},     {"empty month", date("21", "", "2006"), kDate},
        {"empty year is year 0", date("21", "6", ""), kPass, 0, 0.5f},
        {"day 31.9 floors to 31", date("31.9", "12", "2006"), kPass, 0, 0.5f},
        {"day -0.5 floors to -1", date("-0.5", "12", "2006"), kDate},
        {"day 40000", date("40000", "1", "2006"), kDate}, {"year 1e12", date("1", "1", "1e12"), kDate},
        {"month -1e999", date("1", "-1e999", "2006"), kDate},
        {"empty hour and minute", clock("", ""), kPass, 0, 0.0f},
        {"hour 23.5 rounds to 24", clock("23.5", "0"), kTime},
        {"hour 12.5 rounds to 12", clock("12.5", "0"), kPass, 0, 0.5f},
        {"hour 13.5 rounds to 14", clock("13.5", "0"), kPass, 0, utfrac(14, 0)},
        {"hour -0.5 rounds to 0", clock("-0.5", "0"), kPass, 0, 0.0f},
        {"minute 59.4 counts unrounded", clock("12", "59.4"), kPass, 0, utfrac(12, 59.4)},
        {"minute 59.5 rounds to 60", clock("12", "59.5"), kTime},
        {"hour -1", clock("-1", "0"), kTime},            {"minute -1", clock("12", "-1"), kTime},
        {"minute 1e999", clock("12", "1e999"), kTime},
        {"DST off before rounding: 11.5 gives 12", clock("12.5", "0", "0", true), kPass, 0, 0.5f},
        {"zone -12", clock("12", "0", "-12"), kPass, +1, 0.0f, -12.0f},
        {"zone 12", clock("12", "0", "12"), kPass, 0, 0.0f, 12.0f},
        {"zone 12.01", clock("12", "0", "12.01"), kZone, 0, 0, 12.01f},
        {"zone 5,5 reads 5", clock("12", "0", "5,5"), kPass, 0, utfrac(7, 0), 5.0f},
        {"whole-hour zone", clock("12", "30", "2"), kPass, 0, utfrac(10, 30), 2.0f},
        {"00:30 DST, zone 0: previous day", clock("0", "30", "0", true), kPass, -1, utfrac(23, 30)},
        {"23:00, zone -5: next day", clock("23", "0", "-5"), kPass, +1, utfrac(4, 0), -5.0f},
        {"India", clock("12", "0", "5.5"), kPass, 0, utfrac(6.5, 0), 5.5f},
        {"India, previous day", clock("2", "0", "5.5"), kPass, -1, utfrac(20.5, 0), 5.5f},
        {"Newfoundland, next day", clock("22", "0", "-3.5"), kPass, +1, utfrac(1.5, 0), -3.5f},
        {"Nepal", clock("12", "15", "5.75"), kPass, 0, utfrac(6.25, 15), 5.75f},
    };
    for (const ClockRow& r : rows) {
        SCOPED_TRACE(r.name);
        ObsInput obs;
        SunState sun;
        int carry = 99;
        int16_t inputerr = 2;
        EXPECT_EQ(readinputs(r.texts, obs, sun, carry, inputerr).message, inputmessage(r.fault));
        EXPECT_EQ(inputerr, r.fault == kPass ? 0 : 1);
        EXPECT_TRUE((r.fault != kPass && r.fault != kZone) || obs.tz == r.tz) << obs.tz;
        EXPECT_TRUE(r.fault != kPass || (carry == r.carry && sun.dayfrac == r.dayfrac))
            << "carry " << carry << ", dayfrac " << sun.dayfrac;
    }
}

TEST(ReadPlaceTest, LatitudeAndLongitude) {
    const struct { const char* lat; const char* lon; InputFault fault; float latvalue, lonvalue; } rows[] = {
        {"51,5", "0", kPass, 51.5f, 0.0f},     {"1,2,3", "-0,5", kPass, 1.2f, -0.5f},
        {"", "", kPass, 0.0f, 0.0f},           {"90", "-180", kPass, 90.0f, -180.0f},
        {"-90", "180", kPass, -90.0f, 180.0f}, {"90.01", "0", kPlace, 90.01f, 0.0f},
        {"0", "-180,01", kPlace, 0.0f, -180.01f}, {"1e999", "0", kPlace, INFINITY, 0.0f},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.lat << " / " << r.lon);
        FieldTexts f;
        f.lat = r.lat;
        f.lon = r.lon;
        ObsInput obs;
        int16_t inputerr = 0;
        EXPECT_EQ(readplace(f, obs, inputerr).message, inputmessage(r.fault));
        EXPECT_EQ(inputerr, r.fault == kPass ? 0 : 1);
        EXPECT_TRUE(obs.lat == r.latvalue && obs.lon == r.lonvalue) << obs.lat << " / " << obs.lon;
    }
}

// ---- A whole redraw (its worked examples are the golden ephem outputs) ------------

struct CaptionList : LabelSink {
    std::vector<std::string> captions;
    void setcaption(ResultLabel, const std::string& caption) override { captions.push_back(caption); }
};
const FieldTexts kSolstice{"21", "6", "2006", "12", "0", "0", false, "51.5", "0"};

std::vector<std::string> captionsof(const FieldTexts& f, const Outcome& want = Outcome::ok()) {
    RedrawState st;
    CaptionList sink;
    EXPECT_EQ(drawvalues(f, false, '.', st, sink).message, want.message);
    EXPECT_EQ(st.inputerr, want.done() ? 0 : 1);
    return sink.captions;
}

// A failed check leaves the captions before it and sets none after it.
TEST(DrawValuesFaultTest, FailedChecksSetNoFurtherCaptions) {
    const std::vector<std::string> all = captionsof(kSolstice);
    ASSERT_EQ(all.size(), RESULT_LABEL_COUNT);
    FieldTexts far = kSolstice, pole = kSolstice;
    far.year = "5000000", pole.lat = "91";
    EXPECT_TRUE(captionsof(far, inputoutcome(kDate)).empty());
    EXPECT_EQ(captionsof(pole, inputoutcome(kPlace)), std::vector<std::string>(all.begin(), all.begin() + 4));
}

// ---- A user locale with a decimal comma ----------------------------------------

TEST(CommaLocaleTest, TextValuesAndCaptionsDoNotChange) {
    const std::vector<std::string> plain = captionsof(kSolstice);
    struct Restore {
        ~Restore() { std::setlocale(LC_ALL, "C"); }
    } restore;
    bool found = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"})
        if (!found && std::setlocale(LC_ALL, name) != nullptr) found = true;
    if (!found) GTEST_SKIP() << "locale de_DE.UTF-8 is missing (no locale with a decimal comma)";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    EXPECT_EQ(textvalue("51.5"), 51.5);
    EXPECT_EQ(textvalue("2.5e-1"), 0.25);
    EXPECT_EQ(textvalue("1.5e999"), INFINITY);  // beyond binary64 as well
    EXPECT_EQ(textvalue("2.5e-999"), 0.0);
    EXPECT_EQ(textvalue("51,5"), 51.0);
    EXPECT_EQ(textvaluefloat("5.75"), 5.75f);
    EXPECT_EQ(captionsof(kSolstice), plain);
}

}  // namespace
}  // namespace quorvel
