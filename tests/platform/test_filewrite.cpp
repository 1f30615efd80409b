// writefile on every kind of name: what the name and the file beside it hold
// afterwards, and what a reader of a named pipe got.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

/// What a name is: "file MODE TEXT", "link to TARGET", "pipe", "folder" or "none".
std::string describe(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return "none";
    if (S_ISLNK(st.st_mode)) return "link to " + fs::read_symlink(path).filename().string();
    if (S_ISFIFO(st.st_mode) || S_ISDIR(st.st_mode)) return S_ISDIR(st.st_mode) ? "folder" : "pipe";
    return "file " + std::to_string(st.st_mode & 0777) + " " + readall(path);  // mode in decimal
}

TEST(WriteFile, EveryKindOfName) {
    enum { none, file0640, linktovictim, linktopipe, pipe, folder, linktofull, nofolder };
    const auto FILEONLY = WriteTarget::fileonly, STREAM = WriteTarget::streamable;
    const struct { const char* name; int before; WriteTarget target; const char *outcome, *after, *piped; } cases[] = {
        {"new name", none, FILEONLY, "", "file 420 new", ""},
        {"a file keeps its permissions", file0640, FILEONLY, "", "file 416 new", ""},
        {"a link to another file is replaced", linktovictim, FILEONLY, "", "file 420 new", ""},
        {"a link to a pipe, settings: replaced", linktopipe, FILEONLY, "", "file 420 new", ""},
        {"a link to a pipe, output: streamed", linktopipe, STREAM, "", "link to pipe", "new"},
        {"a pipe, settings: refused", pipe, FILEONLY, "it is a named pipe or a device, not a file", "pipe", ""},
        {"a pipe, output: streamed", pipe, STREAM, "", "pipe", "new"},
        {"a folder", folder, STREAM, "Filename refers to a directory", "folder", ""},
        {"a full device", linktofull, STREAM, "No space left on device", "link to full", ""},
        {"a folder that is not there", nofolder, FILEONLY, "No such file or directory", "none", ""}};
    umask(022);
    const fs::path dir = fs::temp_directory_path() / ("filewrite-" + std::to_string(getpid()));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(dir);
        fs::create_directory(dir);
        const std::string victim = dir / "victim", fifo = dir / "pipe";
        const std::string name = c.before == pipe ? fifo : (c.before == nofolder ? dir / "missing" / "out" : dir / "out").string();
        std::ofstream(victim) << "secret";
        mkfifo(fifo.c_str(), 0644);
        if (c.before == file0640) std::ofstream(name) << "old", chmod(name.c_str(), 0640);
        if (c.before == linktovictim || c.before == linktopipe || c.before == linktofull)
            fs::create_symlink(c.before == linktovictim ? victim : c.before == linktopipe ? fifo : "/dev/full", name);
        if (c.before == folder) fs::create_directory(name);
        const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);  // the pipe's reader, there before the writer
        const Outcome o = writefile(name, "new", c.target);
        char piped[16] = {};
        EXPECT_GE(read(reader, piped, sizeof piped - 1), 0);
        close(reader);
        EXPECT_EQ(o.message, c.outcome);
        EXPECT_EQ(o.kind, *c.outcome ? OutcomeKind::io : OutcomeKind::done);
        EXPECT_EQ(describe(name), c.after);
        EXPECT_EQ(std::string(piped), c.piped);
        EXPECT_EQ(readall(victim), "secret");
        const auto left = std::distance(fs::directory_iterator(dir), fs::directory_iterator());
        EXPECT_EQ(left, 3 - (c.before == pipe) - (c.before == nofolder));  // no new file left beside
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace quorvel
