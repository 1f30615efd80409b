#include <cmath>

#include "commands.h"
#include "diskmoment.h"
#include "fieldoptions.h"
#include "imageload.h"
#include "imagelimb.h"
#include "measurefields.h"
#include "measurecsv.h"
#include "numbertext.h"
#include "output.h"
#include "overlay.h"
#include "pictureexport.h"
#include "measurelog.h"
#include "spotoptions.h"
#include "spotoverlay.h"
#include "textvalue.h"

namespace quorvel::cli {
namespace {

const char* const MEASURE_HELP =
    "usage: quorvel_cli measure IMAGE [field options] [--orient telescope|north|solar]\n"
    "         [--altaz] [--flip] [--invert] [--rotate DEG] [--limb CX,CY,R] [--spot X,Y]...\n"
    "         [--camera-offset +HH:MM]\n"
    "         [--overlay OUT.png] [--find-spots [--spot X,Y,GROUP]... [--thresholds P,U]\n"
    "         [--group-distance DEG] [--min-size PX] [--limb-margin MU]\n"
    "         [--log [FILE] --seeing E|G|F|P|1..5 [--observer CODE]]]\n"
    "Finds the solar limb on IMAGE (PNG, JPEG, TIFF, BMP or FITS) and prints it,\n"
    "limb,CX,CY,R,SCATTER (pixels), then one CSV row for each --spot:\n"
    "  number,x_px,y_px,lat_deg,cmd_deg_west,carrington_deg,pa_deg,rho_solar_radii,mu\n"
    "Pixel coordinates have their origin at the top-left pixel's centre, x right, y down;\n"
    "a FITS image is taken as viewers show it, its first row at the bottom.\n"
    "  --orient     telescope: as seen in the telescope (default), with --altaz, --flip\n"
    "               and --invert as in quorvel; north: celestial north up, east left;\n"
    "               solar: the Sun's north pole up; --flip mirrors any of them. Without\n"
    "               these options a FITS header's world coordinates give it\n"
    "  --rotate     the image's content turned further counterclockwise, degrees\n"
    "  --limb       the limb by hand instead of the one found: centre and radius, pixels\n"
    "  --spot       a spot to measure, pixels (repeat for more)\n"
    "  --model      classic: P, B0 and L0 as the windows give them (default); precise:\n"
    "               the precise model's, for Carrington longitudes to the Almanac's\n"
    "  --overlay    writes the image with the grid, the equator, the axis, the limb,\n"
    "               the position-angle scale, N and E and the spots (PNG)\n"
    "  --log        saves the counted spots as the day's observation in the log (the\n"
    "               default log, or FILE), its groups matched to their tracks\n"
    "A FITS header gives the date and time (DATE-OBS and its kin, UT), the place\n"
    "(SITELAT, SITELONG, OBSGEO), the photosphere's radius (RSUN_OBS, R_SUN) and the\n"
    "distance (DSUN_OBS); each date option replaces just its own part of the header's\n"
    "moment, in the zone of --tz and --dst. A camera's JPEG gives its EXIF date taken\n"
    "(DateTimeOriginal) in the same way, at the camera clock's offset to UT of\n"
    "--camera-offset (+HH:MM, -HH:MM or hours), else of the camera's OffsetTimeOriginal,\n"
    "else taken as UT. What the image gave is said on standard error (note: ...).\n"
    "Exit status 1 for an image that is not one, is damaged or shows no disk, a spot\n"
    "off the disk (the other rows are printed), or no usable date; 3 for a file that\n"
    "cannot be read or written.\n";

const char* const DATE_OPTIONS[] = {"day", "month", "year", "hour", "min", "tz", "dst"};

/// The date and place options checked before the image is opened, when they give the date.
Outcome checkgivendate(const Options& opts, const std::string& model) {
    FieldTexts f;
    DiskMoment moment;
    if (Outcome read = fieldtexts(opts, f); !read.done()) return read;
    for (const char* name : DATE_OPTIONS)
        if (opts.has(name)) return diskmoment(f, model == "precise" ? DiskModel::precise : DiskModel::classic, moment);
    return Outcome::ok();
}

Outcome measure(const std::string& path, const Options& opts, const std::vector<std::string>& spots, const MeasureLog& logged) {
    SpotOptions counting;
    if (Outcome read = spotoptions(opts, counting); !read.done()) return read;
    std::vector<SpotRequest> points;
    if (Outcome read = spotrequests(spots, counting.find, points); !read.done()) return read;
    if (Outcome read = checkmeasurelog(opts, logged, counting.find); !read.done()) return read;
    const std::string overlay = opts.get("overlay", "");
    if (opts.has("overlay") && !hasending(overlay, ".png"))
        return Outcome::usage("--overlay writes a PNG: its name ends in .png");
    const std::string model = opts.get("model", "classic");
    if (model != "classic" && model != "precise") return Outcome::usage("--model takes classic or precise");
    if (Outcome checked = checkgivendate(opts, model); !checked.done()) return checked;
    std::optional<double> cameraoffset;
    if (opts.has("camera-offset") && !(cameraoffset = clockoffset(*opts.get("camera-offset"))))
        return Outcome::usage("--camera-offset takes the camera clock's offset to UT, +HH:MM, -HH:MM or hours "
                              "(at most 14), got '" + *opts.get("camera-offset") + "'");
    std::vector<std::string> notes;
    OpenedDisk disk;
    if (Outcome opened = opendisk(path, opts, notes, disk); !opened.done()) return opened;
    LoadedImage& image = disk.image;
    FitsHeader& header = disk.header;
    if (image.camera) header.date = cameramoment(*image.camera, cameraoffset);
    else if (cameraoffset) notes.push_back("--camera-offset is not used: the image holds no camera date");
    const Orientation& o = disk.orientation;
    const LimbFit& limb = disk.limb;
    std::string out = limbline(limb) + "\n";
    FieldTexts fields;
    if (Outcome read = measurefields(opts, header, image.fits, path, fields, notes); !read.done()) {
        writeandflush(stdout, out);
        return read;
    }
    DiskMoment moment;
    if (Outcome computed = diskmoment(fields, model == "precise" ? DiskModel::precise : DiskModel::classic, moment);
        !computed.done()) {
        writeandflush(stdout, out);
        return computed;
    }
    if ((image.fits || image.camera) && datepartlygiven(opts)) notes.push_back("measured for UT " + utstamp(moment.sun.jd, moment.sun.jdfrac));
    sendnotes(notes);
    ImageFrame frame = imageframe(moment.sun, o, limb.circle);
    if (header.sunradiusdeg) frame.sunradiusdeg = *header.sunradiusdeg;
    std::string offdisk;  // spots off the disk: the other rows are printed all the same
    std::vector<SpotRow> rows;
    SpotSurvey survey;
    if (counting.find) {
        std::string text, note;
        const Outcome counted = countimage(image.gray, frame, counting, points, survey, text, note);
        out += text;
        offdisk = counted.message;
        if (!note.empty()) std::fprintf(stderr, "%s\n", note.c_str());
    }
    for (size_t i = 0; i < points.size() && !counting.find; ++i) {
        const SpotRow row = measurespot(frame, points[i].x, points[i].y, static_cast<int32_t>(i + 1));
        if (row.disk.ondisk) {
            out += spotline(row) + "\n";
            rows.push_back(row);
        } else {
            offdisk += (offdisk.empty() ? "" : "\n") + std::string("spot ") + std::to_string(row.number) + " at " +
                       spots[i] + " lies off the disk (" + patterntext(row.disk.rho, "0.0000") +
                       " solar radii from the centre)";
        }
    }
    if (Outcome written = writeandflush(stdout, out); !written.done()) return written;
    if (!overlay.empty()) {
        OverlayOpts look;
        look.colours = overlaycolours();
        image.gray = GrayImage();  // not needed again: the memory for the annotated copy
        QImage annotated = annotatedimage(image.picture, frame, look, rows);
        image.picture = QImage();
        if (counting.find && !annotated.isNull())
            drawspots(annotated, survey, frame.sun.l0, QColor(255, 200, 0), QColor(255, 40, 40));
        QByteArray data;
        if (Outcome made = pngbytes(annotated, data); !made.done()) return made;
        if (Outcome written = savefile(overlay, data); !written.done()) return written;
    }
    if (logged.wanted && offdisk.empty())
        if (Outcome saved = savemeasured(opts, logged, survey, frame, {path, "", limb.circle, o, counting.settings}); !saved.done())
            return saved;
    return offdisk.empty() ? Outcome::ok() : Outcome::input(offdisk);
}

}  // namespace

Outcome measurecommand(const std::vector<std::string>& given) {
    std::vector<std::string> args = given, rest, spots;  // --spot may come again and again
    MeasureLog logged;
    takelogoption(args, logged);
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--spot" || args[i].rfind("--spot=", 0) == 0) {
            if (args[i] == "--spot" && i + 1 >= args.size()) return Outcome::usage("option --spot needs a value");
            spots.push_back(args[i] == "--spot" ? args[++i] : args[i].substr(7));
        } else {
            rest.push_back(args[i]);
        }
    }
    OptionNames names{fieldoptionnames(), {"help", "altaz", "flip", "invert"}, 1};
    names.valued.insert({"orient", "rotate", "limb", "overlay", "model", "seeing", "observer", "camera-offset"});
    addspotoptionnames(names);
    Options opts;
    if (Outcome read = Options::read(rest, names, opts); !read.done()) return read;
    if (opts.flag("help")) return writeandflush(stdout, std::string(MEASURE_HELP) + SPOT_HELP + "\nField options:\n" + FIELD_OPTIONS_HELP);
    if (opts.operands().empty()) return Outcome::usage("measure needs an IMAGE");
    const std::string& path = opts.operands().front();
    return withinmemory(path, [&] { return measure(path, opts, spots, logged); });
}

}  // namespace quorvel::cli
