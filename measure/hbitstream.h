// The HCOMPRESS_1 stream read bit by bit, and its coefficients of up to
// 40 bits held split in two arrays.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "hcompress.h"

namespace quorvel::hcompress {

/// The stream's bits, most significant first, read from its source a piece
/// at a time; zeros past its end, noted.
class BitStream {
public:
    explicit BitStream(ByteSource& source) : source_(source) {}
    /// The next whole byte, whatever bits are held.
    unsigned byte() {
        if (next_ == size_ && !refill()) {
            overrun_ = true;
            return 0;
        }
        return piece_[next_++];
    }
    /// The next n whole bytes into out; false when the stream ends before them.
    bool take(unsigned char* out, size_t n) {
        for (size_t i = 0; i < n; ++i) out[i] = static_cast<unsigned char>(byte());
        return !overrun_;
    }
    int bits(int n) {  // n <= 8
        if (held_ < n) buffer_ = (buffer_ << 8) | byte(), held_ += 8;
        held_ -= n;
        return static_cast<int>((buffer_ >> held_) & ((1u << n) - 1));
    }
    /// n 4-bit values in turn into out.
    void nybbles(int n, unsigned char* out) {
        int k = 0;
        if (held_ == 0 || held_ == 4) {  // on a byte or half a byte: the bytes as they come
            unsigned pending = buffer_ & 15;  // the half byte held, when there is one
            while (k + 1 < n && (next_ < size_ || refill())) {
                const size_t have = std::min(static_cast<size_t>((n - k) / 2), size_ - next_);
                unsigned char* to = out + k;
                for (size_t b = 0; b < have; ++b) {
                    const unsigned byte = piece_[next_ + b];
                    to[2 * b] = static_cast<unsigned char>(held_ ? pending : byte >> 4);
                    to[2 * b + 1] = static_cast<unsigned char>(held_ ? byte >> 4 : byte & 15);
                    pending = byte & 15;
                }
                next_ += have, k += static_cast<int>(2 * have);
            }
            buffer_ = (buffer_ & ~15u) | pending;
        }
        for (; k + 1 < n; k += 2) {
            const int pair = bits(8);
            out[k] = static_cast<unsigned char>(pair >> 4), out[k + 1] = static_cast<unsigned char>(pair & 15);
        }
        if (n % 2) out[n - 1] = static_cast<unsigned char>(bits(4));
    }
    /// The sign of each value of a[0, n) not zero, a bit each (1 negative);
    /// the first run from a byte boundary, each next one on from the last.
    template <class T>
    void signs(T* a, size_t n) {
        for (size_t i = 0; i < n; ++i) {
            if (a[i] == 0) continue;
            const T negative = static_cast<T>(signbit());
            a[i] = (a[i] ^ -negative) + negative;  // without a branch: the signs are as good as random
        }
    }
    /// The same for n coefficients split in two (Split).
    void signs(uint32_t* low, int8_t* high, size_t n);
    bool overrun() const { return overrun_; }
    /// A 4-bit quadtree code, by its fixed Huffman code of 3 to 6 bits.
    int huffman() {
        int c = bits(3);
        if (c < 4) return 1 << c;
        c = (c << 1) | bits(1);
        static const int FOUR[] = {3, 5, 10, 12, 15};  // codes 8 to 12
        if (c < 13) return FOUR[c - 8];
        c = (c << 1) | bits(1);
        static const int FIVE[] = {6, 7, 9, 11, 13};  // codes 26 to 30
        if (c < 31) return FIVE[c - 26];
        return ((c << 1) | bits(1)) == 62 ? 0 : 14;
    }

private:
    unsigned signbit() {
        if (signsleft_ == 0) signbyte_ = byte(), signsleft_ = 8;
        return (signbyte_ >> --signsleft_) & 1;
    }
    bool refill() {
        size_ = source_.next(piece_), next_ = 0;
        return size_ > 0;
    }

    ByteSource& source_;
    const unsigned char* piece_ = nullptr;
    size_t size_ = 0, next_ = 0;
    uint32_t buffer_ = 0;
    int held_ = 0;
    unsigned signbyte_ = 0;
    int signsleft_ = 0;
    bool overrun_ = false;
};

/// Coefficients of up to 40 bits in two arrays of the same layout: the low
/// 32 bits in one, the bits above them in the other (none where every value
/// fits in 32 bits).
struct Split {
    uint32_t* low;
    int8_t* high;  ///< null: the low bits alone, signed
    int64_t get(ptrdiff_t i) const {
        return high ? static_cast<int64_t>(uint64_t{low[i]} | static_cast<uint64_t>(int64_t{high[i]}) << 32)
                    : int64_t{static_cast<int32_t>(low[i])};
    }
    void set(ptrdiff_t i, int64_t v) const {
        low[i] = static_cast<uint32_t>(v);
        if (high) high[i] = static_cast<int8_t>(v >> 32);
    }
};

}  // namespace quorvel::hcompress
