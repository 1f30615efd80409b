// writefile on every kind of name: what the name and the file beside it hold
// afterwards, and what a reader of a named pipe got.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "filewrite.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

std::string readall(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

/// What a name is: "file MODE 'TEXT'", "link to TARGET", "pipe", "folder" or "none".
std::string describe(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return "none";
    if (S_ISLNK(st.st_mode)) return "link to " + fs::read_symlink(path).filename().string();
    if (S_ISFIFO(st.st_mode)) return "pipe";
    if (S_ISDIR(st.st_mode)) return "folder";
    char mode[8];
    std::snprintf(mode, sizeof mode, "%04o", st.st_mode & 07777);
    return std::string("file ") + mode + " '" + readall(path) + "'";
}

enum class Name { none, file0640, linktovictim, dangling, linktopipe, pipe, folder, linktonull, linktofull, nofolder };

struct Case {
    const char* name;
    Name before;
    WriteTarget target;
    const char* outcome;  // "" when done, else the reason
    const char* after;    // describe() of the name afterwards
    const char* piped;    // what a reader of the pipe got
};

constexpr auto FILEONLY = WriteTarget::fileonly;
constexpr auto STREAM = WriteTarget::streamable;
const Case CASES[] = {
    {"new name", Name::none, FILEONLY, "", "file 0644 'new'", ""},
    {"a file keeps its permissions", Name::file0640, FILEONLY, "", "file 0640 'new'", ""},
    {"a link to another file is replaced", Name::linktovictim, FILEONLY, "", "file 0644 'new'", ""},
    {"a link to an output is replaced", Name::linktovictim, STREAM, "", "file 0644 'new'", ""},
    {"a dangling link is replaced", Name::dangling, FILEONLY, "", "file 0644 'new'", ""},
    {"a link to a pipe, settings: replaced", Name::linktopipe, FILEONLY, "", "file 0644 'new'", ""},
    {"a link to a pipe, output: streamed", Name::linktopipe, STREAM, "", "link to pipe", "new"},
    {"a pipe, settings: refused", Name::pipe, FILEONLY, "it is a named pipe or a device, not a file", "pipe", ""},
    {"a pipe, output: streamed", Name::pipe, STREAM, "", "pipe", "new"},
    {"a folder", Name::folder, STREAM, "it is a folder", "folder", ""},
    {"a device by a link", Name::linktonull, STREAM, "", "link to null", ""},
    {"a full device", Name::linktofull, STREAM, "No space left on device", "link to full", ""},
    {"a folder that is not there", Name::nofolder, FILEONLY, "No such file or directory", "none", ""},
};

TEST(WriteFile, EveryKindOfName) {
    umask(022);
    for (const Case& c : CASES) {
        SCOPED_TRACE(c.name);
        const fs::path dir = fs::temp_directory_path() / ("filewrite-" + std::to_string(getpid()));
        fs::remove_all(dir);
        fs::create_directory(dir);
        const std::string victim = dir / "victim", pipe = dir / "pipe";
        std::string name = dir / "out";
        std::ofstream(victim) << "secret";
        mkfifo(pipe.c_str(), 0644);
        switch (c.before) {
            case Name::none: break;
            case Name::file0640: std::ofstream(name) << "old", chmod(name.c_str(), 0640); break;
            case Name::linktovictim: fs::create_symlink(victim, name); break;
            case Name::dangling: fs::create_symlink(dir / "missing", name); break;
            case Name::linktopipe: fs::create_symlink(pipe, name); break;
            case Name::pipe: name = pipe; break;
            case Name::folder: fs::create_directory(name); break;
            case Name::linktonull: fs::create_symlink("/dev/null", name); break;
            case Name::linktofull: fs::create_symlink("/dev/full", name); break;
            case Name::nofolder: name = dir / "missing" / "out"; break;
        }
        const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);  // the pipe's reader, there before the writer
        const Outcome o = writefile(name, "new", c.target);
        char piped[16] = {};
        EXPECT_GE(read(reader, piped, sizeof piped - 1), 0);
        close(reader);
        EXPECT_EQ(o.message, c.outcome);
        EXPECT_EQ(o.kind, *c.outcome ? OutcomeKind::io : OutcomeKind::done);
        EXPECT_EQ(describe(name), c.after);
        EXPECT_EQ(std::string(piped), c.piped);
        EXPECT_EQ(readall(victim), "secret");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()),
                  3 - (c.before == Name::pipe) - (c.before == Name::nofolder));  // nothing left beside
        fs::remove_all(dir);
    }
}

}  // namespace
}  // namespace quorvel
