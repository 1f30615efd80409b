#include "truescale.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>

#include "captions.h"
#include "drawroutine.h"
#include "graphicsview.h"
#include "numbertext.h"
#include "orientation.h"
#include "qpaintersurface.h"
#include "settingsfiles.h"
#include "textvalue.h"

namespace quorvel {
namespace {

constexpr double MM_PER_INCH = 25.4;
constexpr double BOX_PER_DIAMETER = 1.6;      // the scale and its numbers around the disk
constexpr double CAPTION_PER_DIAMETER = 0.2;  // room for two caption lines below
constexpr double SMALLEST_MM = 10, LARGEST_MM = 2800;  // a PDF page is at most 5080 mm a side
constexpr double LARGEST_PX = 100000;
constexpr double LARGEST_IMAGE_PIXELS = 16384.0 * 16384;  // 1 GiB of 32-bit pixels

class RequestControls : public PictureControls {
public:
    RequestControls(const TrueScaleRequest& r, const std::map<TextBox, std::string>& texts) : r_(r), texts_(texts) {}
    bool checked(CheckBox box) const override { return r_.checked.count(box) > 0; }
    std::string text(TextBox box) const override {
        auto it = texts_.find(box);
        return it == texts_.end() ? "" : it->second;
    }

private:
    const TrueScaleRequest& r_;
    const std::map<TextBox, std::string>& texts_;
};

class Quiet : public LabelSink, public MessageBoxes, public ProgramEnd {
public:
    void setcaption(ResultLabel, const std::string&) override {}
    void showmessage(const std::string&, const std::string& text) override { last = text; }
    void endprogram() override {}
    std::string last;
};

std::string twodigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

/// The two caption lines of a drawn moment.
std::pair<std::string, std::string> captionlines(const TrueScaleRequest& r, const RedrawState& st) {
    const ObsInput& o = st.obs;
    const SunState& s = st.sun;
    const std::string local = std::to_string(o.year) + "-" + twodigits(o.month) + "-" + twodigits(o.day) + " " +
                              r.fields.hour + ":" + (r.fields.min.size() < 2 ? "0" : "") + r.fields.min;
    const double ut = s.dayfrac * 24.0;
    const int uth = static_cast<int>(ut), utm = static_cast<int>(std::lround((ut - uth) * 60)) % 60;
    std::string first = "Local " + local + (o.dst ? " (DST)" : "") + "   zone " + signedtext(o.tz).substr(o.tz < 0 ? 0 : 1) +
                        " h   UT " + twodigits(uth) + ":" + twodigits(utm) + "   JD " + jdcaption(s.jd, s.jdfrac);
    std::string second = "Lat " + patterntext(o.lat, "0.0") + "   Long " + patterntext(o.lon, "0.0") +
                         " (east negative)   P " + pcaption(s.p) + "   B0 " + b0caption(s.b0) + "   L0 " +
                         l0caption(s.l0) + "   Rotation " + std::to_string(carringtonrotation(s.jd, s.jdfrac, s.l0));
    return {first, second};
}

/// Draws on a surface whose disk is diameterdev device pixels across, with
/// the style's sizes as checked.
std::string drawscaled(QPaintDevice& device, QSizeF boxtwips, double tpp, double diameterdev,
                       const TrueScaleRequest& r, StyleSizes sizes) {
    // The numbers keep their size relative to the disk of the window's view.
    sizes.numbersize = static_cast<int32_t>(std::max(1.0, std::floor(sizes.numbersize * diameterdev / sizes.diameter)));
    sizes.diameter = diameterdev;

    QPainterSurface surface(device, boxtwips, tpp);
    RequestControls controls(r, r.texts);
    Quiet quiet;
    DrawPlatform platform{surface, controls, quiet, quiet, quiet, '.'};
    DrawRoutine routine;
    auto picture = [&](Surface& s, RedrawState& st, const PictureControls& c, ArrowPoints& pts) {
        drawgraphicpicture(s, st, c, r.style, sizes, pts);
        if (!r.caption) return;
        const auto [first, second] = captionlines(r, st);
        const double radius = st.sun.radius;
        const int32_t height = static_cast<int32_t>(std::max(8.0, diameterdev / 45));
        s.forecolour = r.style.pacolour;
        fontprint(s, first, static_cast<float>(-radius * 1.45), static_cast<float>(radius * 1.5), "Arial", height, 400, 0);
        fontprint(s, second, static_cast<float>(-radius * 1.45), static_cast<float>(radius * 1.5 + height * tpp * 1.3),
                  "Arial", height, 400, 0);
    };
    const DrawOutcome outcome = routine.draw(r.fields, r.altaz, platform, picture, CaptionStyle::graphics);
    surface.finish();
    return outcome == DrawOutcome::drawn ? "" : quiet.last;
}

/// The style boxes of a request, checked as the window's view buttons check them.
Outcome checkedsizes(const TrueScaleRequest& r, StyleSizes& sizes) {
    return checkstylesizes(
        [&](TextBox box) {
            auto it = r.texts.find(box);
            return it == r.texts.end() ? std::string() : it->second;
        },
        largestdiameter(15), sizes);
}

std::string number(double v) { return generaltext(std::round(v * 10) / 10); }

}  // namespace

void applystylerecord(const SettingsRec& rec, TrueScaleRequest& r) {
    recordcolours(rec, r.style);
    r.style.showequator = rec.sunequator == 1 ? 1 : 0;
    r.texts[TextBox::txtdia] = signedtext(rec.diameter);
    r.texts[TextBox::txtgspace] = signedtext(rec.gridspacing);
    r.texts[TextBox::txtangint] = signedtext(rec.markinterval);
    r.texts[TextBox::txtlabint] = signedtext(rec.labelinterval);
    r.texts[TextBox::txtfont] = signedtext(rec.fontsize);
    const std::pair<int16_t, CheckBox> boxes[] = {
        {rec.grid, CheckBox::chkgrid},         {rec.invert, CheckBox::chkinvert},
        {rec.rotation, CheckBox::chksunrot},   {rec.posangles, CheckBox::chkposang},
        {rec.sunequator, CheckBox::chksunequator}, {rec.axes, CheckBox::chkaxes}};
    for (const auto& [v, box] : boxes)
        if (v == 1) r.checked.insert(box);
    if (rec.flipsign == 1) r.checked.insert(CheckBox::chkflip);
    if (rec.mountaltaz == 1) r.altaz = true;
}

QSizeF truescalepage(const TrueScaleRequest& r) {
    const double side = r.diametermm * BOX_PER_DIAMETER;
    return {side, side + (r.caption ? r.diametermm * CAPTION_PER_DIAMETER : 0)};
}

Outcome checktruescale(const TrueScaleRequest& r, bool page) {
    StyleSizes sizes;
    if (Outcome o = checkedsizes(r, sizes); !o.done()) return o;
    if (page) {
        if (!(r.diametermm >= SMALLEST_MM && r.diametermm <= LARGEST_MM))
            return Outcome::input("The disk diameter of " + number(r.diametermm) + " mm is not from " +
                                  number(SMALLEST_MM) + " to " + number(LARGEST_MM) +
                                  " mm (the largest a PDF page holds with the scale around it).");
        return Outcome::ok();
    }
    if (!(r.diameterpx >= 1 && r.diameterpx <= LARGEST_PX))
        return Outcome::input("The disk diameter of " + number(r.diameterpx) + " pixels is not from 1 to " +
                              number(LARGEST_PX) + " pixels.");
    if (hasending(r.path, ".png")) {
        const QSize pixels = truescalepixels(r);
        if (static_cast<double>(pixels.width()) * pixels.height() > LARGEST_IMAGE_PIXELS)
            return Outcome::input("A disk of " + number(r.diameterpx) + " pixels makes an image of " +
                                  std::to_string(pixels.width()) + " x " + std::to_string(pixels.height()) +
                                  " pixels, more than the " + number(LARGEST_IMAGE_PIXELS / 1e6) +
                                  " million pixels this program makes: choose a smaller diameter, or SVG or PDF.");
    }
    return Outcome::ok();
}

QSize truescalepixels(const TrueScaleRequest& r) {
    const double side = std::ceil(r.diameterpx * BOX_PER_DIAMETER);
    return QSize(static_cast<int>(side),
                 static_cast<int>(std::ceil(side + (r.caption ? r.diameterpx * CAPTION_PER_DIAMETER : 0))));
}

std::string drawtruescale(QPaintDevice& device, QSizeF sizemm, double dpi, const TrueScaleRequest& r) {
    StyleSizes sizes;
    if (Outcome o = checktruescale(r, true); !o.done()) return o.message;
    checkedsizes(r, sizes);
    const double tpp = 1440.0 / dpi;
    const QSizeF twips(sizemm.width() / MM_PER_INCH * 1440, sizemm.height() / MM_PER_INCH * 1440);
    // The disk sits in the middle of the square part; the caption goes below it.
    const double diameterdev = r.diametermm / MM_PER_INCH * dpi;
    return drawscaled(device, twips, tpp, diameterdev, r, sizes);
}

Outcome exporttruescale(const TrueScaleRequest& r) {
    const bool pdf = hasending(r.path, ".pdf");
    if (!pdf && !hasending(r.path, ".png") && !hasending(r.path, ".svg"))
        return Outcome::usage("the output file must end in .png, .svg or .pdf");
    if (Outcome o = checktruescale(r, pdf); !o.done()) return o;
    StyleSizes sizes;
    checkedsizes(r, sizes);
    if (pdf) {
        QByteArray data;
        std::string failure;
        {
            QBuffer buffer(&data);
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter pdf(&buffer);
            constexpr int DPI = 1200;
            pdf.setResolution(DPI);
            pdf.setPageSize(QPageSize(truescalepage(r), QPageSize::Millimeter, "Quorvel"));
            pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
            pdf.setTitle("Quorvel");
            pdf.setCreator("Quorvel");
            failure = drawtruescale(pdf, truescalepage(r), DPI, r);
        }
        if (!failure.empty()) return Outcome::input(failure);
        return savefile(r.path, data);
    }
    const QSize pixels = truescalepixels(r);
    const QSizeF twips(pixels.width() * 15.0, pixels.height() * 15.0);
    return *writeimagefile(r.path, pixels, [&](QPaintDevice& device) {
        return drawscaled(device, twips, 15, r.diameterpx, r, sizes);
    });
}

}  // namespace quorvel
