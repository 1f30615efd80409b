// The disk of an image for the commands that measure on it: the image
// opened, its orientation, the limb given with --limb or found on it, and
// the notes on what was taken from its header.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "circlefit.h"
#include "fitsheader.h"
#include "imageload.h"
#include "limbfind.h"
#include "imageframe.h"
#include "options.h"

namespace quorvel::cli {

/// The limb of --limb CX,CY,R, if given; a usage outcome for a bad one.
Outcome givenlimb(const Options& opts, std::optional<Circle>& given);

/// The limb: the given one, or the one found, checked against the header's
/// disk; an input outcome naming the image when no disk is found.
Outcome limbof(const std::optional<Circle>& given, const LoadedImage& image, const FitsHeader& header,
               const std::string& path, std::vector<std::string>& notes, LimbFit& limb);

/// An image opened for measuring.
struct OpenedDisk {
    LoadedImage image;
    FitsHeader header;
    Orientation orientation;  ///< of the options, else of the header
    LimbFit limb;
};

/// Opens the image at path with the orientation options (measureorientation)
/// and the limb of --limb or the one found; a usage outcome for orientation
/// options that contradict each other comes before the image is read.
Outcome opendisk(const std::string& path, const Options& opts, std::vector<std::string>& notes, OpenedDisk& disk);

/// Each note on standard error as "note: ...".
void sendnotes(const std::vector<std::string>& notes);

}  // namespace quorvel::cli
