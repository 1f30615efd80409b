// The launcher: how a command line is taken apart, and when the plain program
// start stands in for the shell.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "launcher.h"
#include "runtimefault.h"

namespace quorvel {
namespace {

struct SplitRow {
    const char* name;
    std::string line;
    std::optional<std::string> folder;  // the caller's folder argument
    std::string command, file, parameters, expectedfolder;
};

// Test names carry the row's name, not its bytes.
void PrintTo(const SplitRow& r, std::ostream* os) { *os << r.name; }

class SplitCommandTest : public testing::TestWithParam<SplitRow> {};

TEST_P(SplitCommandTest, Splits) {
    const SplitRow& r = GetParam();
    const SplitCommand s = splitcommand(r.line, r.folder);
    EXPECT_EQ(s.command, r.command);
    EXPECT_EQ(s.file, r.file);
    EXPECT_EQ(s.parameters, r.parameters);
    EXPECT_EQ(s.folder, r.expectedfolder);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SplitCommandTest,
    testing::Values(
        SplitRow{"QuotedNameWithBlanks", "\"C:\\My Tools\\viewer.exe\" /x", {},
                 "C:\\My Tools\\viewer.exe /x", "C:\\My Tools\\viewer.exe", "/x", "C:\\My Tools"},
        SplitRow{"QuotedNameAlone", "\"C:\\My Tools\\viewer.exe\"", {},
                 "C:\\My Tools\\viewer.exe", "C:\\My Tools\\viewer.exe", "", "C:\\My Tools"},
        SplitRow{"DriveRootKeepsBackslash", "C:\\viewer.exe", {}, "C:\\viewer.exe", "C:\\viewer.exe", "", "C:\\"},
        SplitRow{"LeadingBackslash", "\\viewer.exe", {}, "\\viewer.exe", "\\viewer.exe", "", "\\"},
        SplitRow{"LeadingSlash", "/prog", {}, "/prog", "/prog", "", "/"},
        SplitRow{"SlashPathWithParameters", "/usr/bin/prog -a b", {}, "/usr/bin/prog -a b", "/usr/bin/prog",
                 "-a b", "/usr/bin"},
        SplitRow{"BareDocumentUsesCurrentFolder", "helpqv.pdf", {}, "helpqv.pdf", "helpqv.pdf", "", ""},
        SplitRow{"LeadingBlanksOfParametersGo", "prog    -x  y", {}, "prog    -x  y", "prog", "-x  y", ""},
        // Without a closing quote the line is kept as it is and the name runs to its end.
        // (a "/x" would count as a folder separator here, so the parameter is "-x")
        SplitRow{"UnclosedQuote", "\"C:\\My Tools\\viewer.exe -x", {}, "\"C:\\My Tools\\viewer.exe -x",
                 "\"C:\\My Tools\\viewer.exe -x", "", "\"C:\\My Tools"},
        SplitRow{"GivenFolderWins", "C:\\Tools\\viewer.exe /x", std::string("D:\\work"),
                 "C:\\Tools\\viewer.exe /x", "C:\\Tools\\viewer.exe", "/x", "D:\\work"}),
    [](const testing::TestParamInfo<SplitRow>& info) { return std::string(info.param.name); });

/// Records the calls; answers with a chosen result and may fail the program start.
class FakeShell : public ShellService {
public:
    struct Call {
        std::string file, parameters, folder;
        int32_t show;
    };
    int32_t result = 42;
    bool startfails = false;
    std::vector<Call> shellcalls;
    std::vector<std::string> started;

    int32_t open(const std::string& file, const std::string& parameters, const std::string& folder,
                         int32_t show) override {
        shellcalls.push_back({file, parameters, folder, show});
        return result;
    }
    void startprogram(const std::string& commandline, const std::string&, int32_t) override {
        started.push_back(commandline);
        if (startfails) throw RuntimeFault(53, "not found");
    }
};

TEST(LaunchTest, RewritesQuotedLineAndHandsItsPartsToTheShell) {
    FakeShell shell;
    std::string command = "\"C:\\My Tools\\viewer.exe\" /x";
    EXPECT_EQ(launch(shell, command, 1), 42);
    EXPECT_EQ(command, "C:\\My Tools\\viewer.exe /x");
    ASSERT_EQ(shell.shellcalls.size(), 1u);
    EXPECT_EQ(shell.shellcalls[0].file, "C:\\My Tools\\viewer.exe");
    EXPECT_EQ(shell.shellcalls[0].parameters, "/x");
    EXPECT_EQ(shell.shellcalls[0].folder, "C:\\My Tools");
    EXPECT_EQ(shell.shellcalls[0].show, 1);
    EXPECT_TRUE(shell.started.empty());
}

class LaunchFallbackTest : public testing::TestWithParam<int32_t> {};

// Only a shell result below 32 starts the (quote-stripped) line as a program;
// the shell's result is returned either way.
TEST_P(LaunchFallbackTest, StartsProgramOnlyBelow32) {
    FakeShell shell;
    shell.result = GetParam();
    std::string command = "\"/opt/my tools/quorvel_g\" -v";
    EXPECT_EQ(launch(shell, command, 1), GetParam());
    if (GetParam() < 32) {
        ASSERT_EQ(shell.started.size(), 1u);
        EXPECT_EQ(shell.started[0], "/opt/my tools/quorvel_g -v");
    } else {
        EXPECT_TRUE(shell.started.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(ShellResults, LaunchFallbackTest, testing::Values(0, 2, 31, 32, 33, 42));

TEST(LaunchTest, FaultOfTheProgramStartReachesTheCaller) {
    FakeShell shell;
    shell.result = 2;
    shell.startfails = true;
    std::string command = "quorvel_g";
    EXPECT_THROW(launch(shell, command, 1, std::string("/opt/quorvel")), RuntimeFault);
    ASSERT_EQ(shell.shellcalls.size(), 1u);
    EXPECT_EQ(shell.shellcalls[0].folder, "/opt/quorvel");
    EXPECT_EQ(shell.started, std::vector<std::string>{"quorvel_g"});
}

}  // namespace
}  // namespace quorvel
