// Fuzz target over the EXIF reader: any bytes as the start of a JPEG; none
// may crash or read outside them, and a date found is a calendar date.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exifdate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto d = quorvel::exifdate(std::string_view(reinterpret_cast<const char*>(data), size));
    if (d && !(d->clock.month >= 1 && d->clock.month <= 12 && d->clock.day >= 1 && d->clock.day <= 31 &&
               d->clock.hour <= 23 && d->clock.minute <= 59))
        std::abort();
    if (d && d->offsethours && !(std::abs(*d->offsethours) <= 14)) std::abort();
    return 0;
}
