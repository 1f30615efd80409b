// Fuzz target over the HCOMPRESS decoder: any bytes as a tile's stream, for
// the image its header declares (small ones only, to keep each run short),
// in 32- and 64-bit sums, smoothed or not; none may crash or read outside them.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "hcompress.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 10) return 0;
    const auto side = [&](size_t at) { return uint64_t{data[at]} << 24 | data[at + 1] << 16 | data[at + 2] << 8 | data[at + 3]; };
    const uint64_t count = side(2) * side(6);
    if (count == 0 || count > 4096) return 0;
    std::vector<int32_t> narrow(count);
    std::vector<int64_t> wide(count);
    quorvel::hdecompress(data, size, count, size % 2 == 1, narrow.data());
    quorvel::hdecompress(data, size, count, size % 2 == 0, wide.data());
    return 0;
}
