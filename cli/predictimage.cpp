// log predict --image: a track's predicted place as a pixel of an image
// like the one given, taken at the predicted moment.
#include "csvtext.h"
#include "diskmoment.h"
#include "fieldoptions.h"
#include "imagelimb.h"
#include "logoptions.h"
#include "measurefields.h"
#include "rotation.h"
#include "spotrow.h"

namespace quorvel::cli {

Outcome placeonimage(const Options& opts, const log::LogTime& when, const log::TrackPrediction& p, std::string& cells) {
    const std::string model = opts.get("model", "classic");
    if (model != "classic" && model != "precise") return Outcome::usage("--model takes classic or precise");
    FieldTexts f;
    if (Outcome read = fieldtexts(opts, f); !read.done()) return read;
    const std::string path = *opts.get("image");
    std::vector<std::string> notes;
    OpenedDisk disk;
    if (Outcome opened = withinmemory(path, [&] { return opendisk(path, opts, notes, disk); }); !opened.done()) return opened;
    headersite(opts, disk.header, f, notes);
    // The moment is the prediction's, in UT; the image gives the disk's size,
    // place and orientation.
    f.day = std::to_string(when.day), f.month = std::to_string(when.month), f.year = std::to_string(when.year);
    f.hour = std::to_string(when.hour), f.min = std::to_string(when.minute), f.tz = "0", f.dst = false;
    DiskMoment moment;
    if (Outcome computed = diskmoment(f, model == "precise" ? DiskModel::precise : DiskModel::classic, moment);
        !computed.done())
        return computed;
    sendnotes(notes);
    const ImageFrame frame = imageframe(moment.sun, disk.orientation, disk.limb.circle);
    const auto at = imagepoint(frame, p.lat_deg, log::wrap180(p.carrington_deg - frame.sun.l0));
    cells = at ? "," + log::fixed(at->x, 1) + "," + log::fixed(at->y, 1) : ",,";
    return Outcome::ok();
}

}  // namespace quorvel::cli
