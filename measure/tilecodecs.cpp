#include "tilecodecs.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

#include "hcompress.h"

extern "C" {  // cfitsio's tile decoders, exported without a C++ declaration
int fits_rdecomp(unsigned char* c, int clen, unsigned int array[], int nx, int nblock);
int fits_rdecomp_short(unsigned char* c, int clen, unsigned short array[], int nx, int nblock);
int fits_rdecomp_byte(unsigned char* c, int clen, unsigned char array[], int nx, int nblock);
int pl_l2pi(short* ll_src, int xs, int* px_dst, int npix);
}

namespace quorvel {
namespace {

/// Compressed bytes read and inflated at a time.
constexpr size_t PIECE_BYTES = size_t{1} << 20;

/// The whole tile as stored, in elements of T (bytes of the column each), with slack zeros after it.
template <class T>
bool readpacked(fitsfile* f, const TileCoding& c, long tile, LONGLONG elements, std::vector<T>& packed, size_t slack) {
    int status = 0, anynull = 0;
    packed.assign(static_cast<size_t>(elements) + slack, T{});
    const int type = sizeof(T) == 1 ? TBYTE : TSHORT;
    return fits_read_col(f, type, c.column, tile, 1, elements, nullptr, packed.data(), &anynull, &status) == 0;
}

bool decoderice(fitsfile* f, const TileCoding& c, long tile, LONGLONG bytes, size_t count, unsigned char* out) {
    std::vector<unsigned char> packed;
    if (!readpacked(f, c, tile, bytes, packed, 0)) return false;
    const int clen = static_cast<int>(bytes), nx = static_cast<int>(count);
    if (c.bytepix == 1) return fits_rdecomp_byte(packed.data(), clen, out, nx, c.blocksize) == 0;
    if (c.bytepix == 2)
        return fits_rdecomp_short(packed.data(), clen, reinterpret_cast<unsigned short*>(out), nx, c.blocksize) == 0;
    return fits_rdecomp(packed.data(), clen, reinterpret_cast<unsigned int*>(out), nx, c.blocksize) == 0;
}

/// Puts n inflated bytes, from byte at of the tile on, where they belong in
/// out: in turn under GZIP_1; under GZIP_2 the first bytes of all values
/// first, then all second bytes, and so on.
void placebytes(const unsigned char* piece, size_t n, size_t at, size_t count, int bytepix, unsigned char* out) {
    size_t plane = at / count, value = at % count;
    for (size_t k = 0; k < n; ++k) {
        out[value * static_cast<size_t>(bytepix) + plane] = piece[k];
        if (++value == count) value = 0, ++plane;
    }
}

/// A tile's stored bytes read a piece at a time.
class TilePieces : public ByteSource {
public:
    TilePieces(fitsfile* f, const TileCoding& c, long tile, LONGLONG bytes)
        : f_(f), column_(c.column), tile_(tile), bytes_(bytes), piece_(std::min<size_t>(PIECE_BYTES, static_cast<size_t>(bytes))) {}
    size_t next(const unsigned char*& piece) override {
        const LONGLONG n = std::min<LONGLONG>(static_cast<LONGLONG>(piece_.size()), bytes_ - read_);
        int status = 0, anynull = 0;
        if (n <= 0 || fits_read_col(f_, TBYTE, column_, tile_, read_ + 1, n, nullptr, piece_.data(), &anynull, &status) != 0)
            return 0;
        read_ += n;
        piece = piece_.data();
        return static_cast<size_t>(n);
    }

private:
    fitsfile* f_;
    int column_;
    long tile_;
    LONGLONG bytes_, read_ = 0;
    std::vector<unsigned char> piece_;
};

/// Inflates a GZIP tile of exactly count values into out, reading it piece by piece.
bool inflatetile(fitsfile* f, const TileCoding& c, long tile, LONGLONG bytes, size_t count, unsigned char* out) {
    const bool shuffled = c.codec == TileCodec::gzip2 && c.bytepix > 1;
    const size_t total = count * static_cast<size_t>(c.bytepix);
    std::vector<unsigned char> piece(shuffled ? PIECE_BYTES : 0);
    TilePieces stream(f, c, tile, bytes);
    z_stream z{};
    if (inflateInit2(&z, 15 + 32) != Z_OK) return false;  // a gzip or zlib header
    int ended = Z_OK;
    while (ended == Z_OK) {
        if (z.avail_in == 0) {
            const unsigned char* in = nullptr;
            z.avail_in = static_cast<uInt>(stream.next(in));  // 0 at the end: inflate then stops
            z.next_in = const_cast<unsigned char*>(in);
        }
        const size_t at = z.total_out;
        z.next_out = shuffled ? piece.data() : out + at;
        z.avail_out = static_cast<uInt>(std::min({shuffled ? PIECE_BYTES : total - at, total - at, size_t{UINT_MAX}}));
        ended = inflate(&z, Z_NO_FLUSH);  // Z_BUF_ERROR once no progress is possible: a stream cut short or too long
        if (shuffled) placebytes(piece.data(), z.total_out - at, at, count, c.bytepix, out);
    }
    const bool whole = ended == Z_STREAM_END && z.total_out == total;
    inflateEnd(&z);
    return whole;
}

/// A PLIO tile, words 16-bit words long: its header's length and first
/// instruction checked to lie within the words read.
bool decodeplio(fitsfile* f, const TileCoding& c, long tile, LONGLONG words, size_t count, unsigned char* out) {
    std::vector<short> list;
    if (words < 3 || !readpacked(f, c, tile, words, list, 1)) return false;  // one word of slack: a last SH reads on
    const bool wide = list[2] <= 0;  // the long header: the length in two words, where the instructions start
    const int64_t length = wide ? (int64_t{list[4]} << 15) + list[3] : list[2];
    const int64_t first = wide ? int64_t{list[1]} + 1 : 4;
    if ((wide && words < 5) || first < 1 || length > words || count > INT_MAX) return false;
    return pl_l2pi(list.data(), 1, reinterpret_cast<int*>(out), static_cast<int>(count)) == static_cast<int>(count);
}

bool decodehcompress(fitsfile* f, const TileCoding& c, long tile, LONGLONG bytes, size_t count, unsigned char* out) {
    TilePieces stream(f, c, tile, bytes);
    return hdecompress(stream, count, c.smooth != 0, c.bytepix == 4, reinterpret_cast<int32_t*>(out));
}

}  // namespace

int decodedbytes(const TileCoding& c) {
    return c.codec == TileCodec::plio || c.codec == TileCodec::hcompress ? 4 : c.bytepix;
}

bool decodetile(fitsfile* f, const TileCoding& c, long tile, LONGLONG bytes, size_t count, unsigned char* out) {
    switch (c.codec) {
        case TileCodec::rice: return decoderice(f, c, tile, bytes, count, out);
        case TileCodec::gzip1:
        case TileCodec::gzip2: return inflatetile(f, c, tile, bytes, count, out);
        case TileCodec::plio: return decodeplio(f, c, tile, bytes, count, out);
        case TileCodec::hcompress: return decodehcompress(f, c, tile, bytes, count, out);
    }
    return false;
}

}  // namespace quorvel
