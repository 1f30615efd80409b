#include "filewrite.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "messagetext.h"

namespace quorvel {
namespace {

Outcome failure(int err) { return Outcome::io(std::strerror(err)); }

bool streamkind(mode_t mode) { return S_ISFIFO(mode) || S_ISCHR(mode); }

/// Writes all of data to fd; false with errno set when it cannot.
bool writeall(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

/// Writes data into an open stream and closes it, unless it is standard output.
Outcome streaminto(int fd, std::string_view data) {
    bool written = writeall(fd, data);
    int err = errno;
    if (fd != STDOUT_FILENO && ::close(fd) != 0 && written) written = false, err = errno;
    return written ? Outcome::ok() : failure(err);
}

/// Opens a named pipe or a character device for writing (a link followed
/// only when follow) and streams data into it; refuses what it has become meanwhile.
Outcome streamto(const std::string& path, std::string_view data, bool follow) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | (follow ? 0 : O_NOFOLLOW));
    if (fd < 0) return failure(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !streamkind(st.st_mode)) {
        ::close(fd);
        return Outcome::io(MESSAGE_TEXT("Message", "it changed while it was opened"));
    }
    return streaminto(fd, data);
}

/// A new name beside path for the file that will replace it.
std::string tempname(const std::string& path) {
    static std::atomic<unsigned> serial{0};
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + "." + std::to_string(::getpid()) + "-" + std::to_string(serial++) + ".new";
}

/// Writes data to a new file beside path, flushes it to the disk and renames
/// it over path; mode, when given, becomes its permissions.
Outcome replace(const std::string& path, std::string_view data, const mode_t* mode) {
    std::string temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = tempname(path);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return failure(errno);
    }
    if (fd < 0) return failure(EEXIST);
    bool written = (!mode || ::fchmod(fd, *mode & 07777) == 0) && writeall(fd, data) && ::fsync(fd) == 0;
    int err = errno;
    if (::close(fd) != 0 && written) written = false, err = errno;
    if (written && ::rename(temp.c_str(), path.c_str()) != 0) written = false, err = errno;
    if (!written) ::unlink(temp.c_str());
    return written ? Outcome::ok() : failure(err);
}

}  // namespace

Outcome writefile(const std::string& path, std::string_view data, WriteTarget target) {
    const bool streams = target == WriteTarget::streamable;
    if (streams && path == STANDARD_OUTPUT) return streaminto(STDOUT_FILENO, data);
    struct stat here {};
    if (::lstat(path.c_str(), &here) != 0) return errno == ENOENT ? replace(path, data, nullptr) : failure(errno);
    if (S_ISREG(here.st_mode)) return replace(path, data, &here.st_mode);
    if (S_ISDIR(here.st_mode)) return Outcome::io(MESSAGE_TEXT("Message", "Filename refers to a directory"));
    if (S_ISLNK(here.st_mode)) {
        struct stat target {};
        if (streams && ::stat(path.c_str(), &target) == 0 && streamkind(target.st_mode)) return streamto(path, data, true);
        return replace(path, data, nullptr);
    }
    if (streams && streamkind(here.st_mode)) return streamto(path, data, false);
    return Outcome::io(streamkind(here.st_mode) ? "it is a named pipe or a device, not a file"
                                                : "it is not a regular file");
}

}  // namespace quorvel
