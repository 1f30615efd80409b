// A file opened once for reading, and only when it is a regular file: a
// named pipe, a device or a folder is refused, never waited on.
#pragma once

#include <cstdint>
#include <string>

#include "outcome.h"

namespace quorvel {

class InputFile {
public:
    InputFile() = default;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    /// Opens path for reading (links followed).
    ///
    /// Returns done, or an I/O outcome "cannot read PATH: REASON" with
    /// FAULT_FILE_NOT_FOUND, FAULT_PERMISSION_DENIED or FAULT_DEVICE_IO.
    Outcome open(const std::string& path);

    int fd() const { return fd_; }              ///< -1 when not open
    int64_t size() const { return size_; }      ///< bytes, when it was opened
    /// The name that opens this same file again ("/proc/self/fd/N"), for a
    /// library that takes only a name.
    std::string procname() const;

private:
    int fd_ = -1;
    int64_t size_ = 0;
};

}  // namespace quorvel
