// The input checks and the captions of a whole redraw.
#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <optional>
#include <string>

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
        {"day 31, month 6", date("31", "6", "2006"), kDate},   {"day 31, month 9", date("31", "9", "2006"), kDate},
        {"day 31, month 12", date("31", "12", "2006"), kPass, 0, 0.5f},
        {"February 29 of 2005: no leap-year test", date("29", "2", "2005"), kPass, 0, 0.5f},
        {"February 30", date("30", "2", "2005"), kDate}, {"month 13", date("1", "13", "2006"), kDate},
        {"empty day", date("", "6", "2006"), kDate},     {"empty month", date("21", "", "2006"), kDate},
        {"empty year is year 0", date("21", "6", ""), kPass, 0, 0.5f},
        {"day 31.9 floors to 31", date("31.9", "12", "2006"), kPass, 0, 0.5f},
        {"day -0.5 floors to -1", date("-0.5", "12", "2006"), kDate},
        {"day 40000", date("40000", "1", "2006"), kDate}, {"year 1e12", date("1", "1", "1e12"), kDate},
        {"day 1e999", date("1e999", "1", "2006"), kDate}, {"month -1e999", date("1", "-1e999", "2006"), kDate},
        {"year 1e999", date("1", "1", "1e999"), kDate},
        {"empty hour and minute", clock("", ""), kPass, 0, 0.0f},
        {"hour 23.5 rounds to 24", clock("23.5", "0"), kTime},
        {"hour 12.5 rounds to 12", clock("12.5", "0"), kPass, 0, 0.5f},
        {"hour 13.5 rounds to 14", clock("13.5", "0"), kPass, 0, utfrac(14, 0)},
        {"hour -0.5 rounds to 0", clock("-0.5", "0"), kPass, 0, 0.0f},
        {"minute 59.4 counts unrounded", clock("12", "59.4"), kPass, 0, utfrac(12, 59.4)},
        {"minute 59.5 rounds to 60", clock("12", "59.5"), kTime},
        {"hour -1", clock("-1", "0"), kTime},            {"minute -1", clock("12", "-1"), kTime},
        {"hour 1e9", clock("1e9", "0"), kTime},          {"minute 1e999", clock("12", "1e999"), kTime},
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

TEST(InputMessageTest, Texts) {
    EXPECT_STREQ(inputmessage(kPass), "");
    EXPECT_STREQ(inputmessage(kDate), "Please check the date entered.");
    EXPECT_STREQ(inputmessage(kTime), "Please check the time entered.");
    EXPECT_STREQ(inputmessage(kZone),
                 "Please check time difference value. This is the difference in hours between your "
                 "Standard Time (not Daylight Saving Time) and Universal Time (Greenwich Mean "
                 "Time).   Time differences for zones west of Greenwich are entered as negative.");
    EXPECT_STREQ(inputmessage(kPlace), "Please check the latitude and longitude entered.");
}

// ---- A whole redraw ----------------------------------------------------------

#define ORDINAL "\xC2\xBA"  // U+00BA, UTF-8
#define DEGREE "\xC2\xB0"   // U+00B0, UTF-8

using Expected = std::array<const char*, RESULT_LABEL_COUNT>;  // nullptr: no reference quoted

class RecordingSink : public LabelSink {
public:
    std::array<std::optional<std::string>, RESULT_LABEL_COUNT> captions;
    int count = 0;
    bool inorder = true;
    void setcaption(ResultLabel label, const std::string& caption) override {
        inorder = inorder && static_cast<int>(label) == count++;
        captions[static_cast<size_t>(label)] = caption;
    }
};

// 2006 June 21 12:00 UT at 51.5 N, 0: jd 2453908, ra 5.99902 h, dec 23.44596, ha -0.02933 h, alt 61.9439, az 179.1418, tilt -0.582.
constexpr Expected kSolstice = {"2453908", nullptr, "RA           5h 59m ", "Dec           23" ORDINAL " 26' ",
                                "0.0", "Altitude       61.9" DEGREE, "Azimuth    179.1" DEGREE, "-0.6"};
// 2006 January 1 0:00 UT at 0, 0: ra 18.75611 h, dec -23.03619, ha 11.94435 h,
// alt -66.9495, az 181.9624, tilt 177.868.
constexpr Expected kNewYear = {"2453736.5", nullptr, "RA           18h 45m ", "Dec          -23" ORDINAL " 02' ",
                               "11.9", "Altitude       -66.9" DEGREE, "Azimuth    182.0" DEGREE, "177.9"};

struct RedrawRow {
    const char* name;
    FieldTexts texts;
    Expected expected;
    double sid = NAN;  // hours, 5 decimals, where quoted
};

const RedrawRow kRedraws[] = {
    {"Solstice2006", {"21", "6", "2006", "12", "0", "0", false, "51.5", "0"}, kSolstice, 5.96969},
    {"Solstice2006_DstDecimalComma", {"21", "6", "2006", "13", "0", "0", true, "51,5", "-0"}, kSolstice, 5.96969},
    {"Solstice2006_IndiaClock", {"21", "6", "2006", "17", "30", "5.5", false, "51.5", "0"}, kSolstice, 5.96969},
    {"NewYear2006", {"1", "1", "2006", "0", "0", "0", false, "0", "0"}, kNewYear},
    {"NewYear2006_NewYorkEveBefore", {"31", "12", "2005", "19", "0", "-5", false, "0", "0"}, kNewYear},
    // 1992 October 13 0h: P 26.274, B0 5.988, L0 238.643.
    {"October1992", {"13", "10", "1992", "0", "0", "0", false, "0", "0"},
     {"2448908.5", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "26.27", "5.99", "238.6"}},
    // 2006 March 15 0h: L0 354.9, not the 174.9 of a node angle in the wrong quadrant.
    {"March2006", {"15", "3", "2006", "0", "0", "0", false, "0", "0"},
     {"2453809.5", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "354.9"}},
    // The sine of the tilt rounds below -1 and its cosine is negative: just beyond -90.
    {"TiltSineBelowMinusOne", {"21", "6", "2006", "9", "50.05", "0", false, "20", "0"},
     {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "-90.0"}},
};

void expectcaptions(const RedrawRow& r) {
    RedrawState st;
    RecordingSink sink;
    ASSERT_TRUE(drawvalues(r.texts, false, '.', st, sink).done());
    EXPECT_EQ(st.inputerr, 0);
    EXPECT_TRUE(sink.inorder);
    for (size_t i = 0; i < RESULT_LABEL_COUNT; ++i) {
        SCOPED_TRACE(labelname(static_cast<ResultLabel>(i)));
        ASSERT_TRUE(sink.captions[i].has_value());
        if (r.expected[i] != nullptr) {
            EXPECT_EQ(*sink.captions[i], r.expected[i]);
        }
    }
    if (!std::isnan(r.sid)) {
        const std::string& text = *sink.captions[static_cast<size_t>(ResultLabel::lblsid)];
        double sid = NAN;
        std::from_chars(text.data(), text.data() + text.size(), sid);
        EXPECT_NEAR(sid, r.sid, 0.000005) << text;
    }
}

void PrintTo(const RedrawRow& r, std::ostream* os) { *os << r.name; }

class DrawValuesTest : public testing::TestWithParam<RedrawRow> {};

TEST_P(DrawValuesTest, Captions) { expectcaptions(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Reference, DrawValuesTest, testing::ValuesIn(kRedraws),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DrawValuesFaultTest, FailedChecksSetNoFurtherCaptions) {
    const struct { const char* name; FieldTexts texts; InputFault fault; int captions; } rows[] = {
        {"year of 5 million", {"21", "6", "5000000", "12", "0", "0", false, "51.5", "0"}, kDate, 0},
        {"latitude 91", {"21", "6", "2006", "12", "0", "0", false, "91", "0"}, kPlace, 4},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        RedrawState st;
        RecordingSink sink;
        EXPECT_EQ(drawvalues(r.texts, false, '.', st, sink).message, inputmessage(r.fault));
        EXPECT_EQ(st.inputerr, 1);
        EXPECT_EQ(sink.count, r.captions);
        for (size_t i = 0; i < static_cast<size_t>(r.captions); ++i) {
            if (kSolstice[i] != nullptr) {
                EXPECT_EQ(sink.captions[i].value_or(""), kSolstice[i]);
            }
        }
    }
}

TEST(DrawValuesMountTest, DiskRotationFollowsTheMount) {
    const FieldTexts f{"21", "6", "2006", "12", "0", "0", false, "51.5", "0"};
    RedrawState equatorial, altaz;
    RecordingSink sink1, sink2;
    ASSERT_TRUE(drawvalues(f, false, '.', equatorial, sink1).done());
    ASSERT_TRUE(drawvalues(f, true, '.', altaz, sink2).done());
    EXPECT_EQ(equatorial.sun.rot, static_cast<float>(equatorial.sun.p));
    EXPECT_EQ(altaz.sun.rot, static_cast<float>(altaz.sun.p - altaz.sun.gamma));
    EXPECT_EQ(sink1.captions, sink2.captions) << "the tilt is written for both mounts";
}

// ---- A user locale with a decimal comma ----------------------------------------

TEST(CommaLocaleTest, TextValuesAndCaptionsDoNotChange) {
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
    for (const RedrawRow& r : kRedraws) {
        SCOPED_TRACE(r.name);
        expectcaptions(r);
    }
}

}  // namespace
}  // namespace quorvel
