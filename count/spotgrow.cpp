#include "spotgrow.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "messagetext.h"
#include "pixelset.h"

namespace quorvel {

Outcome growspot(const SpotField& f, const SpotSurvey& survey, double x, double y, Spot& spot) {
    spot = Spot{};
    spot.row = measurespot(f.frame, x, y, 0);
    if (!spot.row.disk.ondisk)
        return Outcome::input(fillin(MESSAGE_TEXT("Message", "the point %1,%2 lies off the disk"),
                                     {std::to_string(std::lround(x)), std::to_string(std::lround(y))}));
    spot.cmdmin = spot.cmdmax = spot.row.disk.cmd;
    const GrayImage& img = *f.image;
    const int64_t px = std::lround(x), py = std::lround(y), w = img.width;
    auto inner = [&](int64_t i) { return i % w > 0 && i % w < w - 1 && i / w > 0 && i / w < img.height - 1; };
    std::unordered_set<int64_t> taken;
    for (const Spot& s : survey.spots) taken.insert(s.pixels.begin(), s.pixels.end());
    const int64_t seed = py * w + px;
    auto free = [&](int64_t i) { return inner(i) && !taken.count(i) && f.ratio(i) < f.settings.penumbra; };
    if (px < 0 || py < 0 || px >= w || py >= img.height || !free(seed)) return Outcome::ok();  // a point
    taken.insert(seed);
    std::vector<int64_t> pixels = floodfrom(seed, w, [&](int64_t i) { return free(i) && taken.insert(i).second; });
    std::stable_partition(pixels.begin(), pixels.end(), [&](int64_t i) { return f.ratio(i) < f.settings.umbra; });
    spot.pixels = std::move(pixels);
    spot.umbrapx = static_cast<int32_t>(std::count_if(spot.pixels.begin(), spot.pixels.end(),
                                                      [&](int64_t i) { return f.ratio(i) < f.settings.umbra; }));
    spot.penumbra = spot.umbrapx > 0 && spot.pixels.size() >= 2 * static_cast<size_t>(spot.umbrapx);
    const PixelXY at = centroid(spot.pixels, spot.umbrapx > 0 ? static_cast<size_t>(spot.umbrapx) : spot.pixels.size(), static_cast<int32_t>(w));
    measurepixels(f, at.x, at.y, spot);
    spot.regionmsh = spot.areamsh;
    return Outcome::ok();
}

}  // namespace quorvel
