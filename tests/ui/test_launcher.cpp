// The launcher: how a command line is taken apart, and when the plain program
// start stands in for the shell.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "fakes.h"
#include "guidelanguage.h"

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

// The guide Help opens for a desktop's languages, with the translations
// that are there: the first of the list the guides are written in, English
// when the desktop prefers it or no translation is there.
TEST(GuideLanguageTest, ChoosesTheDesktopsLanguage) {
    const struct {
        const char* name;
        std::vector<std::string> languages;
        std::vector<std::string> present;  // translated guides in the documents folder
        std::string guide, opened;
    } rows[] = {
        {"GermanDesktop", {"de-DE", "de"}, {"helpqv.de.pdf", "helpqv.fr.pdf"}, "helpqv.pdf", "helpqv.de.pdf"},
        {"UnderscoreAndUpperCase", {"FR_ca"}, {"helpqv.fr.pdf"}, "helpqv.pdf", "helpqv.fr.pdf"},
        {"SpanishGraphicsGuide", {"es-419"}, {"helpqvg.es.pdf"}, "helpqvg.pdf", "helpqvg.es.pdf"},
        {"ItalianWithEncoding", {"it_IT.UTF-8"}, {"helpqv.it.pdf"}, "helpqv.pdf", "helpqv.it.pdf"},
        {"TranslationMissingFallsToEnglish", {"de-DE"}, {"helpqv.fr.pdf"}, "helpqv.pdf", "helpqv.pdf"},
        {"UnwrittenLanguagePassedOver", {"nl-NL", "it-IT"}, {"helpqv.it.pdf"}, "helpqv.pdf", "helpqv.it.pdf"},
        {"EnglishPreferredFirst", {"en-GB", "de-DE"}, {"helpqv.de.pdf"}, "helpqv.pdf", "helpqv.pdf"},
        {"NextLanguageWhenFirstMissing", {"fr-FR", "es-ES"}, {"helpqv.es.pdf"}, "helpqv.pdf", "helpqv.es.pdf"},
        {"OtherGuidesTranslationNotTaken", {"de-DE"}, {"helpqvg.de.pdf"}, "helpqv.pdf", "helpqv.pdf"},
        {"NoLanguagesAtAll", {}, {"helpqv.de.pdf"}, "helpqv.pdf", "helpqv.pdf"},
        {"PosixLocale", {"C"}, {"helpqv.de.pdf"}, "helpqv.pdf", "helpqv.pdf"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const auto present = [&](const std::string& file) {
            return std::find(r.present.begin(), r.present.end(), file) != r.present.end();
        };
        EXPECT_EQ(guideforlanguages(r.guide, r.languages, present), r.opened);
    }
}

}  // namespace
}  // namespace quorvel
