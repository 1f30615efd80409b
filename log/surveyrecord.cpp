#include "surveyrecord.h"

#include <cmath>

#include "calendardate.h"
#include "observationcheck.h"
#include "spotgroup.h"

namespace quorvel::log {
namespace {

SpotRecord spotrecord(const Spot& s) {
    return {s.row.x, s.row.y, s.row.disk.lat, s.row.disk.cmd, s.row.disk.carrington, s.umbrapx, s.spotpx, s.areadisk, s.areamsh};
}

}  // namespace

ObservationRecord surveyobservation(const SpotSurvey& survey, const ImageFrame& frame, const MeasuredImage& image) {
    ObservationRecord o;
    const double jd = static_cast<double>(frame.sun.jd) + static_cast<double>(frame.sun.jdfrac);
    o.time = logtimeofminutes(std::llround((jd - (UNIX_EPOCH_JDN - 0.5)) * 1440.0));
    const std::vector<SpotGroup> groups = spotgroups(survey, frame.sun.l0);
    const std::vector<Spot> spots = listedspots(survey, groups);
    for (const SpotGroup& g : groups) {
        GroupRecord r;
        r.number = g.number, r.lat_deg = g.lat, r.cmd_deg_west = g.cmd, r.carrington_deg = g.carrington;
        r.extent_deg = g.extentdeg, r.zurich = g.zurich, r.mcintosh = g.mcintosh, r.spots = g.spots;
        r.area_msh = g.areamsh, r.umbra_msh = g.umbramsh;
        for (const Spot& s : spots)
            if (s.group == g.id) r.spotlist.push_back(spotrecord(s));
        o.groups.push_back(std::move(r));
    }
    o.counts = countsofgroups(o.groups);
    o.image = ImageRecord{image.path,          image.sha256,          image.limb.cx,
                          image.limb.cy,        image.limb.r,          orientationtext(image.orientation),
                          image.settings.penumbra, image.settings.umbra};
    return o;
}

}  // namespace quorvel::log
