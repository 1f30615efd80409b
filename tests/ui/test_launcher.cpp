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
// that fails starts it as a program, whose outcome is returned.
TEST(LaunchTest, ShellFirstThenTheProgramStart) {
    const struct { int shellfault, startfault; } rows[] = {{0, 0}, {FAULT_FILE_NOT_FOUND, 0}, {FAULT_DEVICE_IO, 0},
                                                           {FAULT_FILE_NOT_FOUND, FAULT_FILE_NOT_FOUND}};
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "shell fault " << r.shellfault << ", start fault " << r.startfault);
        test::FakeShell shell;
        shell.result = r.shellfault;
        shell.startfault = r.startfault;
        std::string command = "\"/opt/my tools/quorvel_g\" -v";
        const std::optional<std::string> folder = r.startfault ? std::optional<std::string>("/opt/quorvel") : std::nullopt;
        EXPECT_EQ(launch(shell, command, folder).fault, r.startfault);
        EXPECT_EQ(command, "/opt/my tools/quorvel_g -v");
        EXPECT_EQ(shell.calls, (std::vector<std::vector<std::string>>{
                                   {"/opt/my tools/quorvel_g", "-v", folder.value_or("/opt/my tools")}}));
        EXPECT_EQ(shell.started.size(), r.shellfault ? 1u : 0u);
    }
}

}  // namespace
}  // namespace quorvel
