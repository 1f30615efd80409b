// The settings record's tenths text. Its byte layout and its zone minutes are
// held by the stored transcripts of the settings scenarios.
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

}  // namespace
}  // namespace quorvel
