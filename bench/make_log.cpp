// Writes a log of ten years of daily observations for the benchmarks: 3,650
// observations from 2016-01-01, 20,075 groups in tracks of about eleven days,
// 100,375 spots, the latitudes drifting towards the equator over the cycle.
// It is built as an export and read in by the log's import, one transaction.
// usage: make_log LOG.sqlite (a new file)
#include <cmath>
#include <cstdio>
#include <string>

#include "csvtext.h"
#include "logexport.h"
#include "logtime.h"
#include "schema.h"

using namespace quorvel::log;

namespace {

constexpr int DAYS = 3650, GROUPS_PER_DAY = 5, EXTRA_EVERY = 2, SPOTS_PER_GROUP = 5, TRACK_DAYS = 11;

std::string n(double v) { return exact(v); }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_log LOG.sqlite\n");
        return 2;
    }
    std::string obs = "table,observation,observation_id,observer_id,equipment_id,time_utc,seeing,transparency,site,notes,"
                      "groups_total,spots_total,groups_north,spots_north,groups_south,spots_south\n";
    std::string groups = "table,spot_group,group_id,observation_id,number,track_id,noaa,lat_deg,cmd_deg_west,carrington_deg,"
                         "extent_deg,zurich,mcintosh,spots,area_msh,umbra_msh\n";
    std::string spots = "table,spot,spot_id,group_id,x_px,y_px,lat_deg,cmd_deg_west,carrington_deg,umbra_px,spot_px,"
                        "area_disk_millionths,area_msh\n";
    std::string tracks = "table,track,track_id,return_of\n";
    long group = 0, spot = 0, maxtrack = 0;
    const int64_t start = logminutes({2016, 1, 1, 9, 30});
    for (int d = 0; d < DAYS; ++d) {
        const int count = GROUPS_PER_DAY + (d % EXTRA_EVERY == 0);
        int gn = 0;
        for (int k = 0; k < count; ++k) {
            const long track = (d / TRACK_DAYS) * (GROUPS_PER_DAY + 1) + k + 1;
            maxtrack = std::max(maxtrack, track);
            const double phase = static_cast<double>(d) / DAYS;  // the cycle's latitudes drift to the equator
            const double lat = (k % 2 ? -1 : 1) * (30 - 22 * phase + 3 * std::sin(k + d * 0.01));
            const double cmd = -70 + 13.2 * (d % TRACK_DAYS) + k;
            gn += lat >= 0;
            groups += "spot_group," + std::to_string(++group) + "," + std::to_string(d + 1) + "," + std::to_string(k + 1) + "," +
                      std::to_string(track) + ",," + n(lat) + "," + n(cmd) + "," + n(std::fmod(200 + 40 * k + 0.1 * d, 360)) +
                      ",8.5,\"D\",\"Dai\"," + std::to_string(SPOTS_PER_GROUP) + "," + n(50 + 37 * k) + "," + n(10 + 7 * k) + "\n";
            for (int s = 0; s < SPOTS_PER_GROUP; ++s)
                spots += "spot," + std::to_string(++spot) + "," + std::to_string(group) + ",100.5,200.5," + n(lat) + "," + n(cmd) +
                         ",10.5,4,12,40.25,20.5\n";
        }
        const int gs = count - gn;
        obs += "observation," + std::to_string(d + 1) + ",1,1,\"" + logtimetext(logtimeofminutes(start + d * 1440)) + "\",\"" +
               "EGFP"[d % 4] + "\",\"\",\"\",\"\"," + std::to_string(count) + "," + std::to_string(count * SPOTS_PER_GROUP) + "," +
               std::to_string(gn) + "," + std::to_string(gn * SPOTS_PER_GROUP) + "," + std::to_string(gs) + "," +
               std::to_string(gs * SPOTS_PER_GROUP) + "\n";
    }
    for (long t = 1; t <= maxtrack; ++t) tracks += "track," + std::to_string(t) + ",\n";
    const std::string text = "quorvel-log," + std::to_string(LOG_SCHEMA_VERSION) +
                             "\ntable,observer,observer_id,code,name,k_personal\nobserver,1,\"BNCH\",\"Ben Chmark\",0.6\n"
                             "table,equipment,equipment_id,name,method,aperture_mm,focal_length_mm,filter,magnification\n"
                             "equipment,1,\"Refractor 80\",\"projection\",80,900,\"\",\n"
                             "table,preference,key,value\npreference,\"default_observer\",\"BNCH\"\n" +
                             obs + "table,image,observation_id,path,sha256,limb_cx_px,limb_cy_px,limb_r_px,orientation,"
                                   "penumbra_threshold,umbra_threshold\n" +
                             tracks + groups + spots;
    LogDb db;
    quorvel::Outcome done = db.open(argv[1], LogPurpose::write);
    if (done.done()) done = importlog(db, text);
    if (!done.done()) {
        std::fprintf(stderr, "make_log: %s\n", done.message.c_str());
        return 1;
    }
    std::printf("make_log: %d observations, %ld groups, %ld spots in %s\n", DAYS, group, spot, argv[1]);
    return 0;
}
