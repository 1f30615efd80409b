// The pieces of a PNG file, as the tests write their own: a big-endian
// number and a chunk with its checksum.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>

namespace quorvel::test {

inline std::string be32(uint32_t v) { return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)}; }

/// A chunk of type holding data: its length, type, data and CRC.
inline std::string chunk(const std::string& type, const std::string& data) {
    const std::string td = type + data;
    return be32(uint32_t(data.size())) + td + be32(uint32_t(crc32(0, reinterpret_cast<const Bytef*>(td.data()), uInt(td.size()))));
}

}  // namespace quorvel::test
