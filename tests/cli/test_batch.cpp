// The batch interface over random and hostile lines: one answer a line, in
// the one format, and answers that follow from the text-value rule.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "batch.h"
#include "obsinput.h"

namespace {

using quorvel::cli::answerbatchline;

std::string answer(const std::string& line) {
    std::string out;
    answerbatchline(line, out);
    return out;
}

std::string join(const std::vector<std::string>& fields) {
    std::string s;
    for (size_t i = 0; i < fields.size(); ++i) s += (i ? "\t" : "") + fields[i];
    return s;
}

const std::vector<std::string> SOLSTICE = {"21", "6", "2006", "12", "0", "0", "0", "51.5", "0"};

// Each row: field index, a text that must read exactly like the solstice
// example's text in that field.
struct Equivalent {
    int field;
    std::string text;
};

class BatchEquivalence : public ::testing::TestWithParam<Equivalent> {};

TEST_P(BatchEquivalence, ReadsLikeThePlainText) {
    std::vector<std::string> fields = SOLSTICE;
    fields[static_cast<size_t>(GetParam().field)] = GetParam().text;
    EXPECT_EQ(answer(join(fields)), answer(join(SOLSTICE)));
}

INSTANTIATE_TEST_SUITE_P(
    TextValueRule, BatchEquivalence,
    ::testing::Values(Equivalent{0, "2 1"}, Equivalent{0, " 21 "}, Equivalent{0, "21.9"},
                      Equivalent{0, "21st"}, Equivalent{0, "2.1e1"}, Equivalent{0, "210E-1"},
                      Equivalent{1, "+6"}, Equivalent{1, "6e"}, Equivalent{1, "6e+"},
                      Equivalent{2, "2006.999"}, Equivalent{2, std::string("2006\0x", 6)},
                      Equivalent{3, "12.5"}, Equivalent{3, "11.5"}, Equivalent{3, "1 2"},
                      Equivalent{4, ""}, Equivalent{4, "-0"}, Equivalent{4, "x9"},
                      Equivalent{5, "-0"}, Equivalent{5, "0,5"}, Equivalent{6, "0"},
                      Equivalent{6, "yes"}, Equivalent{6, " 1"}, Equivalent{7, "51,5"},
                      Equivalent{7, "5 1 . 5"}, Equivalent{7, "51,5,9"}, Equivalent{7, ".515e2"},
                      Equivalent{8, "-0"}, Equivalent{8, ","}, Equivalent{8, "\xff\xfe"}),
    [](const ::testing::TestParamInfo<Equivalent>& info) {
        return "field" + std::to_string(info.param.field) + "_row" + std::to_string(info.index);
    });

TEST(Batch, RoundingTiesGoToTheEvenHour) {
    std::vector<std::string> a = SOLSTICE, b = SOLSTICE;
    a[3] = "13.5";
    b[3] = "14";
    EXPECT_EQ(answer(join(a)), answer(join(b)));
    EXPECT_NE(answer(join(a)), answer(join(SOLSTICE)));
}

// Random lines built from the pieces users and tools really send.
std::string randomfield(std::mt19937& rng) {
    static const std::vector<std::string> pieces = {
        "",     "0",   "1",    "12",  "21",   "2006", "-5",   "5,5",  ".",   ",",  "e",
        "E-3",  "1e9", "1e999", " ",  "\r",   "-",    "+",    "59.5", "23.5", "90.01",
        "\xc3", "\x80", std::string(1, '\0'), "40000", "0x1F", "nan", "inf", "9999999999"};
    std::uniform_int_distribution<size_t> count(0, 4), pick(0, pieces.size() - 1);
    std::string s;
    for (size_t n = count(rng); n > 0; --n) s += pieces[pick(rng)];
    return s;
}

TEST(Batch, EveryRandomLineGetsOneWellFormedAnswer) {
    std::set<std::string> messages;
    for (auto f : {quorvel::InputFault::date, quorvel::InputFault::time, quorvel::InputFault::zone,
                   quorvel::InputFault::place})
        messages.insert(std::string("error\t") + quorvel::inputmessage(f) + "\n");
    const std::regex captions(
        "-?[0-9]+(\\.[0-9]+)?\t[0-9]+(\\.[0-9]+)?\tRA {10}[ 0-9]{2,3}h [0-9]{2}m \t"
        "Dec {10}[- ][0-9]{1,2}\xc2\xba [0-9]{2}' \t-?[0-9]+\\.[0-9]\t"
        "Altitude {7}-?[0-9]{2}\\.[0-9]\xc2\xb0\tAzimuth {4}[0-9]{3}\\.[0-9]\xc2\xb0\t"
        "-?[0-9]+\\.[0-9]\t-?[0-9]+\\.[0-9]{2}\t-?[0-9]+\\.[0-9]{2}\t[0-9]+\\.[0-9]\n");

    std::mt19937 rng(20061221);
    std::uniform_int_distribution<int> fieldcount(7, 11), mutations(1, 3), which(0, 8);
    int answered = 0, computed = 0;
    for (int i = 0; i < 4000; ++i) {
        // Mostly the solstice case with one to three fields replaced, so that
        // many lines pass the checks and reach the captions; some with a wrong
        // number of fields.
        std::vector<std::string> fields = SOLSTICE;
        for (int k = mutations(rng); k > 0; --k) fields[static_cast<size_t>(which(rng))] = randomfield(rng);
        if (i % 7 == 0) fields.resize(static_cast<size_t>(fieldcount(rng)), randomfield(rng));
        const size_t n = fields.size();
        const std::string out = answer(join(fields));
        SCOPED_TRACE(join(fields));
        ASSERT_EQ(out.find('\n'), out.size() - 1);
        if (n != 9) {
            EXPECT_EQ(out.rfind("error\texpected 9 TAB-separated fields", 0), 0u);
        } else if (out.rfind("error\t", 0) == 0) {
            EXPECT_EQ(messages.count(out), 1u);
        } else {
            EXPECT_TRUE(std::regex_match(out, captions)) << out;
            ++computed;
        }
        ++answered;
    }
    EXPECT_EQ(answered, 4000);
    EXPECT_GT(computed, 500);  // the random lines reach the computation, not only the checks
}

TEST(Batch, RunAnswersEveryLineIncludingAnUnterminatedLast) {
    const std::string input = join(SOLSTICE) + "\n\n" + std::string(70000, '1') + "\t\n" + join(SOLSTICE);
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    ASSERT_TRUE(in && out);
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    ASSERT_TRUE(quorvel::cli::runbatch(in, out).done());
    std::rewind(out);
    std::string text;
    for (int c; (c = std::fgetc(out)) != EOF;) text += static_cast<char>(c);
    std::fclose(in);
    std::fclose(out);
    const std::string first = answer(join(SOLSTICE));
    EXPECT_EQ(text, first + "error\texpected 9 TAB-separated fields, found 1\n" +
                        "error\texpected 9 TAB-separated fields, found 2\n" + first);
}

}  // namespace
