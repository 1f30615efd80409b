// The text-value rule, commatodot, quotedtyped, and the tenths text that it reads back.
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "settingsrec.h"
#include "textvalue.h"

namespace quorvel {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(TextValueTest, LeadingDecimalNumber) {
    const struct { const char* text; double value; } rows[] = {
        {"", 0},        {"abc", 0},        {"-", 0},          {".", 0},         {"+-1", 0},
        {"e5", 0},      {"+4", 4},         {"-3.25", -3.25},  {".5", 0.5},      {"5.", 5},
        {"2 1", 21},    {" \t1 2\n. 5 ", 12.5},               {"- 7", -7},      {"12abc", 12},
        {"1,5", 1},     {"1.2.3", 1.2},    {"1e3", 1000},     {"1E3", 1000},    {"2.5e-1", 0.25},
        {"1 e +2", 100},
        {"1e", 1},      {"1e+", 1},        {"7E-x", 7},       // an incomplete exponent is no exponent
        {"1e999", kInf}, {"-1e999", -kInf}, {"1e-999", 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << '"' << r.text << '"');
        EXPECT_EQ(textvalue(r.text), r.value);
    }
}

TEST(TextValueTest, HundredThousandCharacters) {
    EXPECT_EQ(textvalue(std::string(99'999, '0') + "7"), 7.0);
    EXPECT_EQ(textvalue("1" + std::string(99'999, '0')), kInf);
    EXPECT_EQ(textvalue("0." + std::string(99'998, '0') + "1"), 0.0);
    EXPECT_EQ(textvalue("4" + std::string(100'000, ' ') + "2"), 42.0);
}

TEST(TextValueTest, Binary32) {
    constexpr float kFloatInf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(textvaluefloat("0.1"), 0.1f);
    // The largest binary32 is 3.40282347e38; from half a step above it on, the
    // nearest binary32 is infinity.
    EXPECT_EQ(textvaluefloat("3.40282356e38"), std::numeric_limits<float>::max());
    EXPECT_EQ(textvaluefloat("3.40282357e38"), kFloatInf);
    EXPECT_EQ(textvaluefloat("-1e39"), -kFloatInf);
}

// The first comma as a decimal point; a typed text as a message quotes it.
TEST(TypedTextTest, CommaToDotAndQuoted) {
    const std::string x39(39, 'x');
    const struct { std::string (*rule)(std::string_view); std::string text, result; } rows[] = {
        {commatodot, "51.5", "51.5"},    // no comma
        {commatodot, "51,25", "51.25"},  // before the last two characters
        {commatodot, "51,5", "51.5"},    // before the last character
        {commatodot, "123,", "123"},     // a final comma is dropped
        {commatodot, ",", ""},
        {commatodot, "1,2,3", "1.2,3"},  // a later comma stays
        {quotedtyped, x39 + "y", "\"" + x39 + "y\""},                 // 40 bytes: whole
        {quotedtyped, x39 + "yz", "\"" + x39 + "y...\""},             // 41: cut after 40
        {quotedtyped, x39 + "\xC3\xA9z", "\"" + x39 + "...\""},       // never inside a character
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(r.rule(r.text), r.result);
    }
    EXPECT_EQ(textvalue(commatodot("1,2,3")), 1.2);
}

// The settings record's tenths text, read back by the text-value rule. Values
// wider than the width keep every digit (no text given: only read back).
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

}  // namespace
}  // namespace quorvel
