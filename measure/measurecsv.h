// The texts of a measurement: the limb line, the spot rows, and the CSV file
// with its preamble. "." is always the decimal point.
#pragma once

#include <string>
#include <vector>

#include "diskmoment.h"
#include "imageframe.h"
#include "limbfind.h"
#include "spotrow.h"

namespace quorvel {

/// What the preamble of a CSV file states beside the rows.
struct MeasureRecord {
    std::string image;  ///< the image's file name
    DiskMoment moment;
    LimbFit limb;
    Orientation orientation;
};

/// "limb,CX,CY,R,SCATTER", pixels; the scatter is empty when it is not known.
std::string limbline(const LimbFit& limb);

/// The column names with their units, separated by sep.
std::string spotheader(char sep = ',');

/// One row: number, x, y, latitude, CMD, Carrington longitude, PA, rho, mu,
/// separated by sep; a point off the disk has only its number, x, y, PA and rho.
std::string spotline(const SpotRow& row, char sep = ',');

/// The "# name,value" lines of a file's preamble, each ended by a line feed.
std::string measurepreamble(const MeasureRecord& record);

/// The whole file: "# name,value" lines (the UT date and time, the place,
/// P, B0, L0, the rotation number, the limb and the orientation), the
/// header and a line a row, each ended by a line feed.
std::string measurecsv(const MeasureRecord& record, const std::vector<SpotRow>& rows);

}  // namespace quorvel
