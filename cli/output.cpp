#include "output.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace quorvel::cli {
namespace {

Outcome writefailure(std::FILE* out) {
    const std::string what = out == stdout ? "standard output" : "the output";
    return Outcome::io("cannot write " + what + ": " + std::strerror(errno));
}

}  // namespace

Outcome writeall(std::FILE* out, std::string_view text) {
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::ferror(out))
        return writefailure(out);
    return Outcome::ok();
}

Outcome flushall(std::FILE* out) {
    errno = 0;
    if (std::fflush(out) != 0 || std::ferror(out)) return writefailure(out);
    return Outcome::ok();
}

Outcome writeandflush(std::FILE* out, std::string_view text) {
    Outcome written = writeall(out, text);
    return written.done() ? flushall(out) : written;
}

}  // namespace quorvel::cli
