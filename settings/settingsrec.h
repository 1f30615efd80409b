// The 168-byte settings record, one layout for both programs, and its
// little-endian encoding.
//
// Offsets (all little-endian two's complement):
//   0 lat10  2 long10  4 zonehours  6 dst  8 flipsign  10 reserved (quorvel_g writes 100)
//  12 mountaltaz  14 grid  16 invert  18 rotation  20 posangles  22 drift
//  24 reserved  26 labelinterval  28 markinterval  30 fontsize  32 gridspacing
//  34 diameter  36 sunequator  38 axes  40..64 13 x int16 reserved  66 winstate
//  68..96 eight int32 colours (disk, back, limb, pa, grid, equator, arrow, axis)
// 100..148 13 x int32 reserved  152 wintop  156 winleft  160 winwidth  164 winheight
//
// Zone minutes. zonehours holds the floor of the zone, as every reader of the
// file expects. The minutes of a zone with a fraction of an hour (5.5 for
// India, -3.5 for Newfoundland: floor -4 and 30 minutes) are kept in the first
// two reserved int16 of the block at 40:
//   offset 40  zone minutes, 1..59, added to zonehours
//   offset 42  the zonehours value those minutes belong to
// A reader takes the minutes only when offset 42 equals zonehours and the
// minutes lie in 1..59: a file without them (zeros there) reads as its whole
// zonehours, and so does a file whose zonehours was rewritten by a writer
// that leaves the reserved block alone.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace quorvel {

inline constexpr size_t SETTINGS_RECORD_SIZE = 168;

/// What quorvel_g writes at offset 10: a record without it holds no style.
inline constexpr int16_t GRAPHICS_RECORD_MARK = 100;
using SettingsBytes = std::array<uint8_t, SETTINGS_RECORD_SIZE>;

struct SettingsRec {
    int16_t lat10 = 0;      ///< latitude, tenths of a degree, north positive
    int16_t long10 = 0;     ///< longitude, tenths of a degree, EAST NEGATIVE
    int16_t zonehours = 0;  ///< standard time minus UT, whole hours (floor)
    int16_t dst = 0;
    int16_t flipsign = 0;   ///< +1 flipped horizontally, -1 not
    int16_t reserved10 = 0;
    int16_t mountaltaz = 0;
    int16_t grid = 0;
    int16_t invert = 0;
    int16_t rotation = 0;
    int16_t posangles = 0;
    int16_t drift = 0;
    int16_t reserved24 = 0;
    int16_t labelinterval = 0;  ///< degrees
    int16_t markinterval = 0;   ///< degrees
    int16_t fontsize = 0;
    int16_t gridspacing = 0;    ///< degrees
    int16_t diameter = 0;       ///< pixels
    int16_t sunequator = 0;
    int16_t axes = 0;
    std::array<int16_t, 13> reserved40{};  ///< [0] zone minutes, [1] their zonehours
    int16_t winstate = 0;
    int32_t diskcolour = 0, backcolour = 0, limbcolour = 0, pacolour = 0;
    int32_t gridcolour = 0, equatorcolour = 0, arrowcolour = 0, axiscolour = 0;
    std::array<int32_t, 13> reserved100{};
    int32_t wintop = 0, winleft = 0, winwidth = 0, winheight = 0;  ///< twips

    bool operator==(const SettingsRec&) const = default;
};

SettingsBytes encoderecord(const SettingsRec& rec);

/// Decodes the first record of a file's content: a shorter content reads as
/// if padded with zeros, a longer one as its first 168 bytes.
SettingsRec decoderecord(std::span<const uint8_t> bytes);

/// The zone a record holds, hours: zonehours plus the kept minutes.
double recordzone(const SettingsRec& rec);

/// Stores a zone: zonehours = floor(tz), and its minutes as described above.
/// A whole-hour zone leaves the reserved bytes as they were, unless they held
/// minutes that would now be read with the new hours.
void setrecordzone(SettingsRec& rec, int16_t zonehours, float tz);

/// Tenths text of a stored value with width w: " 51.5" for 515 (width 4),
/// "-180.0" for -1800 (width 5). Reads back as v / 10.
std::string tenthstext(int16_t v, int width);

}  // namespace quorvel
