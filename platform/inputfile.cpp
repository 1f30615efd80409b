#include "inputfile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

InputFile::~InputFile() {
    if (fd_ >= 0) ::close(fd_);
}

Outcome InputFile::open(const std::string& path) {
    // Without waiting: opening a named pipe must not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    const int err = errno;
    if (fd < 0 && err == ENOENT) return Outcome::io("cannot read " + path + ": there is no such file", FAULT_FILE_NOT_FOUND);
    if (fd < 0)
        return Outcome::io("cannot read " + path + ": " + std::strerror(err),
                           err == EACCES || err == EPERM ? FAULT_PERMISSION_DENIED : FAULT_DEVICE_IO);
    struct stat st {};
    const bool known = ::fstat(fd, &st) == 0;
    if (!known || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Outcome::io("cannot read " + path + ": " +
                           (!known             ? std::string(std::strerror(errno))
                            : S_ISDIR(st.st_mode) ? "it is a folder"
                                                  : "it is not a regular file (a named pipe or a device)"));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
    size_ = st.st_size;
    return Outcome::ok();
}

std::string InputFile::procname() const { return "/proc/self/fd/" + std::to_string(fd_); }

}  // namespace quorvel
