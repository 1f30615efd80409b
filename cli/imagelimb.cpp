#include "imagelimb.h"

#include <cstdio>

#include "measurefields.h"
#include "textvalue.h"

namespace quorvel::cli {
namespace {

/// "A,B" or "A,B,C": numbers separated by commas.
Outcome numberlist(const std::string& text, size_t count, const std::string& option, std::vector<double>& v) {
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        const auto n = strictnumber(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (!n) break;
        v.push_back(*n);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (v.size() == count) return Outcome::ok();
    return Outcome::usage("--" + option + " takes " + (count == 2 ? "X,Y" : "CX,CY,R") + " in pixels, got '" + text + "'");
}

}  // namespace

Outcome limbof(const std::optional<Circle>& given, const LoadedImage& image, const FitsHeader& header,
               const std::string& path, std::vector<std::string>& notes, LimbFit& limb) {
    if (given) {
        limb = LimbFit{*given, limbscatter(image.gray, *given), 0};
        return Outcome::ok();
    }
    if (Outcome found = findlimb(image.gray, limb); !found.done())
        return Outcome::input(path + ": " + found.message + "; give the limb with --limb CX,CY,R");
    std::string note = header.disknote;
    if (const auto disk = agreeingdisk(header, limb, note)) limb.circle = *disk;
    if (!note.empty()) notes.push_back(note);
    return Outcome::ok();
}

void sendnotes(const std::vector<std::string>& notes) {
    for (const std::string& n : notes) std::fprintf(stderr, "note: %s\n", n.c_str());
}

Outcome givenlimb(const Options& opts, std::optional<Circle>& given) {
    if (!opts.has("limb")) return Outcome::ok();
    std::vector<double> v;
    if (Outcome read = numberlist(*opts.get("limb"), 3, "limb", v); !read.done()) return read;
    if (!(v[2] > 0)) return Outcome::usage("--limb needs a radius greater than 0");
    given = Circle{v[0], v[1], v[2]};
    return Outcome::ok();
}

Outcome opendisk(const std::string& path, const Options& opts, std::vector<std::string>& notes, OpenedDisk& disk) {
    std::optional<Circle> given;
    if (Outcome read = givenlimb(opts, given); !read.done()) return read;
    if (Outcome read = measureorientation(opts, FitsHeader{}, disk.orientation, notes); !read.done()) return read;
    if (Outcome loaded = loadimage(path, disk.image); !loaded.done()) return loaded;
    disk.header = readheader(disk.image.cards, disk.image.gray.width, disk.image.gray.height);
    measureorientation(opts, disk.header, disk.orientation, notes);
    return limbof(given, disk.image, disk.header, path, notes, disk.limb);
}

}  // namespace quorvel::cli
