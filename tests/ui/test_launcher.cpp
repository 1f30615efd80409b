// The launcher: how a command line is taken apart, and when the plain program
// start stands in for the shell.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fakes.h"

namespace quorvel {
namespace {

// How a command line is taken apart: its name (a quoted one may hold
// blanks), its parameters, and the folder it runs in.
TEST(SplitCommandTest, Splits) {
    const struct {
        const char* name;
        std::string line;
        std::optional<std::string> folder;  // the caller's folder argument
        std::string command, file, parameters, expectedfolder;
    } rows[] = {
        {"QuotedNameWithBlanks", "\"C:\\My Tools\\viewer.exe\" /x", {},
         "C:\\My Tools\\viewer.exe /x", "C:\\My Tools\\viewer.exe", "/x", "C:\\My Tools"},
        {"QuotedNameAlone", "\"C:\\My Tools\\viewer.exe\"", {},
         "C:\\My Tools\\viewer.exe", "C:\\My Tools\\viewer.exe", "", "C:\\My Tools"},
        {"DriveRootKeepsBackslash", "C:\\viewer.exe", {}, "C:\\viewer.exe", "C:\\viewer.exe", "", "C:\\"},
        {"LeadingBackslash", "\\viewer.exe", {}, "\\viewer.exe", "\\viewer.exe", "", "\\"},
        {"LeadingSlash", "/prog", {}, "/prog", "/prog", "", "/"},
        {"SlashPathWithParameters", "/usr/bin/prog -a b", {}, "/usr/bin/prog -a b", "/usr/bin/prog",
         "-a b", "/usr/bin"},
        {"BareDocumentUsesCurrentFolder", "helpqv.pdf", {}, "helpqv.pdf", "helpqv.pdf", "", ""},
        {"LeadingBlanksOfParametersGo", "prog    -x  y", {}, "prog    -x  y", "prog", "-x  y", ""},
        // Without a closing quote the line is kept as it is and the name runs to its end.
        // (a "/x" would count as a folder separator here, so the parameter is "-x")
        {"UnclosedQuote", "\"C:\\My Tools\\viewer.exe -x", {}, "\"C:\\My Tools\\viewer.exe -x",
         "\"C:\\My Tools\\viewer.exe -x", "", "\"C:\\My Tools"},
        {"GivenFolderWins", "C:\\Tools\\viewer.exe /x", std::string("D:\\work"),
         "C:\\Tools\\viewer.exe /x", "C:\\Tools\\viewer.exe", "/x", "D:\\work"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const SplitCommand s = splitcommand(r.line, r.folder);
        EXPECT_EQ(s.command, r.command);
        EXPECT_EQ(s.file, r.file);
        EXPECT_EQ(s.parameters, r.parameters);
        EXPECT_EQ(s.folder, r.expectedfolder);
    }
}

// The quote-stripped line is handed to the shell in its parts; only a shell
// result below 32 starts it as a program, whose fault reaches the caller. The
// shell's result is returned either way.
TEST(LaunchTest, ShellFirstThenTheProgramStart) {
    const struct { int32_t result; int startfault; } rows[] = {{0, 0}, {2, 0}, {31, 0}, {32, 0}, {33, 0}, {42, 0}, {2, 53}};
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "shell result " << r.result << ", start fault " << r.startfault);
        test::FakeShell shell;
        shell.result = r.result;
        shell.startfault = r.startfault;
        std::string command = "\"/opt/my tools/quorvel_g\" -v";
        if (r.startfault) {
            EXPECT_THROW(launch(shell, command, 1, std::string("/opt/quorvel")), RuntimeFault);
        } else {
            EXPECT_EQ(launch(shell, command, 1), r.result);
        }
        EXPECT_EQ(command, "/opt/my tools/quorvel_g -v");
        const std::string folder = r.startfault ? "/opt/quorvel" : "/opt/my tools";
        EXPECT_EQ(shell.calls, (std::vector<std::vector<std::string>>{{"/opt/my tools/quorvel_g", "-v", folder, "1"}}));
        EXPECT_EQ(shell.started.size(), r.result < 32 ? 1u : 0u);
    }
}

}  // namespace
}  // namespace quorvel
