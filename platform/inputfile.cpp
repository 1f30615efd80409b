#include "inputfile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "messagetext.h"

namespace quorvel {

InputFile::~InputFile() {
    if (fd_ >= 0) ::close(fd_);
}

Outcome InputFile::open(const std::string& path) {
    // Without waiting: opening a named pipe must not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    const int err = errno;
    if (fd < 0 && err == ENOENT)
        return Outcome::io(fillin(MESSAGE_TEXT("Message", "cannot read %1: there is no such file"), {path}),
                           FAULT_FILE_NOT_FOUND);
    if (fd < 0)
        return Outcome::io(fillin(MESSAGE_TEXT("Message", "cannot read %1: %2"), {path, std::strerror(err)}),
                           err == EACCES || err == EPERM ? FAULT_PERMISSION_DENIED : FAULT_DEVICE_IO);
    struct stat st {};
    const bool known = ::fstat(fd, &st) == 0;
    if (!known || !S_ISREG(st.st_mode)) {
        ::close(fd);
        const std::string why =
                !known                ? std::strerror(errno)
                : S_ISDIR(st.st_mode) ? MESSAGE_TEXT("Message", "it is a folder")
                                      : MESSAGE_TEXT("Message", "it is not a regular file (a named pipe or a device)");
        return Outcome::io(fillin(MESSAGE_TEXT("Message", "cannot read %1: %2"), {path, why}));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
    size_ = st.st_size;
    return Outcome::ok();
}

std::string InputFile::procname() const { return "/proc/self/fd/" + std::to_string(fd_); }

}  // namespace quorvel
