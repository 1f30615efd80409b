#include "schema.h"

#include <string>

namespace quorvel::log {
namespace {

/// Version 1: observers, equipment and the counts of each observation.
const char* const VERSION1 = R"sql(
CREATE TABLE observer (
  observer_id INTEGER PRIMARY KEY,
  code TEXT NOT NULL UNIQUE CHECK (length(code) BETWEEN 1 AND 16 AND code NOT GLOB '*[^A-Za-z0-9_-]*'),
  name TEXT NOT NULL DEFAULT '',
  k_personal REAL CHECK (k_personal > 0)
) STRICT;
CREATE TABLE equipment (
  equipment_id INTEGER PRIMARY KEY,
  name TEXT NOT NULL UNIQUE CHECK (length(name) >= 1),
  method TEXT NOT NULL CHECK (method IN ('projection', 'visual', 'photographic')),
  aperture_mm REAL CHECK (aperture_mm > 0),
  focal_length_mm REAL CHECK (focal_length_mm > 0),
  filter TEXT NOT NULL DEFAULT '',
  magnification REAL CHECK (magnification > 0)
) STRICT;
CREATE TABLE observation (
  observation_id INTEGER PRIMARY KEY,
  observer_id INTEGER NOT NULL REFERENCES observer (observer_id),
  equipment_id INTEGER REFERENCES equipment (equipment_id),
  time_utc TEXT NOT NULL CHECK (time_utc GLOB '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]T[0-2][0-9]:[0-5][0-9]Z'),
  seeing TEXT NOT NULL CHECK (seeing IN ('E', 'G', 'F', 'P', '1', '2', '3', '4', '5')),
  transparency TEXT NOT NULL DEFAULT '',
  site TEXT NOT NULL DEFAULT '',
  notes TEXT NOT NULL DEFAULT '',
  groups_total INTEGER NOT NULL CHECK (groups_total >= 0),
  spots_total INTEGER NOT NULL CHECK (spots_total >= groups_total AND (groups_total > 0 OR spots_total = 0)),
  groups_north INTEGER CHECK (groups_north >= 0),
  spots_north INTEGER CHECK (spots_north >= groups_north AND (groups_north > 0 OR spots_north = 0)),
  groups_south INTEGER CHECK (groups_south >= 0),
  spots_south INTEGER CHECK (spots_south >= groups_south AND (groups_south > 0 OR spots_south = 0)),
  CHECK ((groups_north IS NULL) = (spots_north IS NULL) AND (groups_north IS NULL) = (groups_south IS NULL)
         AND (groups_north IS NULL) = (spots_south IS NULL)),
  CHECK (groups_north IS NULL OR (groups_total = groups_north + groups_south
                                  AND spots_total = spots_north + spots_south)),
  UNIQUE (observer_id, time_utc)
) STRICT;
CREATE INDEX observation_time ON observation (time_utc);
)sql";

/// Version 2: the measured image, its groups and spots, and the tracks that
/// follow groups from day to day; the default observer, at first the one of
/// the latest observation.
const char* const VERSION2 = R"sql(
CREATE TABLE preference (
  key TEXT PRIMARY KEY,
  value TEXT NOT NULL
) STRICT;
CREATE TABLE image (
  observation_id INTEGER PRIMARY KEY REFERENCES observation (observation_id) ON DELETE CASCADE,
  path TEXT NOT NULL,
  sha256 TEXT NOT NULL CHECK (length(sha256) = 64 AND sha256 NOT GLOB '*[^0-9a-f]*'),
  limb_cx_px REAL NOT NULL,
  limb_cy_px REAL NOT NULL,
  limb_r_px REAL NOT NULL CHECK (limb_r_px > 0),
  orientation TEXT NOT NULL,
  penumbra_threshold REAL CHECK (penumbra_threshold > 0 AND penumbra_threshold < 1),
  umbra_threshold REAL CHECK (umbra_threshold > 0 AND umbra_threshold < penumbra_threshold)
) STRICT;
CREATE TABLE track (
  track_id INTEGER PRIMARY KEY,
  return_of INTEGER REFERENCES track (track_id)
) STRICT;
CREATE TABLE spot_group (
  group_id INTEGER PRIMARY KEY,
  observation_id INTEGER NOT NULL REFERENCES observation (observation_id) ON DELETE CASCADE,
  number INTEGER NOT NULL CHECK (number >= 1),
  track_id INTEGER NOT NULL REFERENCES track (track_id),
  noaa INTEGER CHECK (noaa > 0),
  lat_deg REAL NOT NULL CHECK (lat_deg BETWEEN -90 AND 90),
  cmd_deg_west REAL NOT NULL CHECK (cmd_deg_west BETWEEN -180 AND 180),
  carrington_deg REAL NOT NULL CHECK (carrington_deg >= 0 AND carrington_deg < 360),
  extent_deg REAL CHECK (extent_deg >= 0),
  zurich TEXT CHECK (zurich IN ('A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'J')),
  mcintosh TEXT CHECK (mcintosh GLOB '[ABCDEFH][xrsahk][xoic]'),
  spots INTEGER NOT NULL CHECK (spots >= 1),
  area_msh REAL CHECK (area_msh >= 0),
  umbra_msh REAL CHECK (umbra_msh >= 0 AND umbra_msh <= area_msh),
  UNIQUE (observation_id, number),
  UNIQUE (observation_id, track_id)
) STRICT;
CREATE INDEX spot_group_track ON spot_group (track_id);
CREATE TABLE spot (
  spot_id INTEGER PRIMARY KEY,
  group_id INTEGER NOT NULL REFERENCES spot_group (group_id) ON DELETE CASCADE,
  x_px REAL NOT NULL,
  y_px REAL NOT NULL,
  lat_deg REAL NOT NULL CHECK (lat_deg BETWEEN -90 AND 90),
  cmd_deg_west REAL NOT NULL CHECK (cmd_deg_west BETWEEN -180 AND 180),
  carrington_deg REAL NOT NULL CHECK (carrington_deg >= 0 AND carrington_deg < 360),
  umbra_px INTEGER NOT NULL CHECK (umbra_px >= 0),
  spot_px INTEGER NOT NULL CHECK (spot_px >= umbra_px),
  area_disk_millionths REAL NOT NULL CHECK (area_disk_millionths >= 0),
  area_msh REAL NOT NULL CHECK (area_msh >= 0)
) STRICT;
CREATE INDEX spot_of_group ON spot (group_id);
INSERT INTO preference (key, value)
  SELECT 'default_observer', code FROM observation JOIN observer USING (observer_id) ORDER BY time_utc DESC LIMIT 1;
)sql";

}  // namespace

const char* schemasql() {
    static const std::string all = std::string(VERSION1) + VERSION2;
    return all.c_str();
}

const char* migrationsql(int from) { return from == 1 ? VERSION2 : nullptr; }

}  // namespace quorvel::log
