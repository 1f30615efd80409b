// What the log keeps, as plain values: observers, equipment, observations
// with their counts, measured images, groups and spots.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "logtime.h"

namespace quorvel::log {

/// An observer as an association knows them.
struct ObserverRecord {
    std::string code;                 ///< e.g. a four-letter AAVSO solar code; letters, digits, '-', '_'
    std::string name;                 ///< may be empty
    std::optional<double> k;          ///< personal reduction factor, when known
};

/// An equipment profile.
struct EquipmentRecord {
    std::string name;                 ///< the profile's name, unique in the log
    std::string method;               ///< "projection", "visual" or "photographic"
    std::optional<double> aperture_mm, focal_length_mm, magnification;
    std::string filter;
};

/// Groups and spots counted on the whole disk, and by hemisphere when known.
struct Counts {
    int64_t g = 0, f = 0;             ///< groups and spots on the whole disk
    bool hemispheres = false;         ///< whether gn, fn, gs, fs hold counts
    int64_t gn = 0, fn = 0, gs = 0, fs = 0;
    /// The relative number R = 10 g + f.
    int64_t r() const { return 10 * g + f; }
};

/// One spot of a measured group.
struct SpotRecord {
    double x_px = 0, y_px = 0;        ///< image pixels, origin at the top-left pixel's centre, y down
    double lat_deg = 0, cmd_deg_west = 0, carrington_deg = 0;
    int64_t umbra_px = 0, spot_px = 0;
    double area_disk_millionths = 0, area_msh = 0;
};

/// One group of an observation.
struct GroupRecord {
    int64_t number = 0;               ///< 1, 2, ... from east to west in its observation
    int64_t track = 0;                ///< its track; 0 before the save matches it
    std::optional<int64_t> noaa;      ///< NOAA region number, when known
    double lat_deg = 0;               ///< area-weighted heliographic latitude, north positive
    double cmd_deg_west = 0;          ///< central-meridian distance, west positive
    double carrington_deg = 0;        ///< Carrington longitude, [0, 360)
    std::optional<double> extent_deg; ///< longitudinal extent
    std::string zurich, mcintosh;     ///< classes; empty when not given
    int64_t spots = 1;                ///< spots counted in the group
    std::optional<double> area_msh, umbra_msh;  ///< corrected areas, millionths of the hemisphere
    std::vector<SpotRecord> spotlist; ///< the measured spots; empty for typed groups
};

/// The measured image of an observation.
struct ImageRecord {
    std::string path;
    std::string sha256;               ///< 64 lower-case hexadecimal digits
    double limb_cx_px = 0, limb_cy_px = 0, limb_r_px = 0;
    std::string orientation;          ///< as the measuring tool writes it
    std::optional<double> penumbra_threshold, umbra_threshold;
};

/// One observation: who, when, how, and what was counted.
struct ObservationRecord {
    int64_t id = 0;                   ///< observation_id; 0 before it is saved
    std::string observer;             ///< the observer's code
    LogTime time;                     ///< UT, to the minute
    std::string seeing;               ///< "E", "G", "F", "P" or "1" .. "5"
    std::string transparency, site, notes;
    std::string equipment;            ///< the profile's name, or empty
    Counts counts;
    std::vector<GroupRecord> groups;  ///< measured or typed groups, east to west
    std::optional<ImageRecord> image;
};

}  // namespace quorvel::log
