// Fuzz target over the HCOMPRESS decoder: any bytes as a tile's stream, for
// the image its header declares (small ones only, to keep each run short),
// of 16- and 32-bit pixels, smoothed or not; none may crash or read outside
// them, and the stream read in small pieces decodes as when read whole.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "hcompress.h"

namespace {

/// The bytes in pieces of 1 to 7 bytes, by turns.
class Pieces : public quorvel::ByteSource {
public:
    Pieces(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    size_t next(const unsigned char*& piece) override {
        const size_t n = std::min(size_ - at_, ++turn_ % 7 + 1);
        piece = data_ + at_;
        at_ += n;
        return n;
    }

private:
    const uint8_t* data_;
    size_t size_, at_ = 0, turn_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 10) return 0;
    const auto side = [&](size_t at) { return uint64_t{data[at]} << 24 | data[at + 1] << 16 | data[at + 2] << 8 | data[at + 3]; };
    const uint64_t count = side(2) * side(6);
    if (count == 0 || count > 4096) return 0;
    for (const bool pixels32 : {false, true}) {
        std::vector<int32_t> whole(count), pieces(count);
        const bool smooth = (size % 2 == 1) == pixels32;
        Pieces stream(data, size);
        const bool a = quorvel::hdecompress(data, size, count, smooth, pixels32, whole.data());
        if (a != quorvel::hdecompress(stream, count, smooth, pixels32, pieces.data()) || (a && whole != pieces))
            __builtin_trap();
    }
    return 0;
}
