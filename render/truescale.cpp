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

class RequestControls : public PictureControls {
public:
    RequestControls(const TrueScaleRequest& r, std::map<TextBox, std::string> texts) : r_(r), texts_(std::move(texts)) {}
    bool checked(CheckBox box) const override { return r_.checked.count(box) > 0; }
    std::string text(TextBox box) const override {
        auto it = texts_.find(box);
        return it == texts_.end() ? "" : it->second;
    }

private:
    const TrueScaleRequest& r_;
    std::map<TextBox, std::string> texts_;
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

/// Draws on a surface whose disk is diameterdev device pixels across.
std::string drawscaled(QPaintDevice& device, QSizeF boxtwips, double tpp, double diameterdev,
                       const TrueScaleRequest& r) {
    std::map<TextBox, std::string> texts = r.texts;
    // The numbers keep their size relative to the disk of the window's view.
    const auto windowdia = leadingnumber(texts[TextBox::txtdia]);
    const auto h = strictnumber(texts[TextBox::txtfont]);
    if (windowdia && *windowdia > 0 && h)
        texts[TextBox::txtfont] = std::to_string(std::max(1.0, std::floor(*h * diameterdev / *windowdia)));
    texts[TextBox::txtdia] = generaltext(diameterdev);

    QPainterSurface surface(device, boxtwips, tpp);
    RequestControls controls(r, texts);
    Quiet quiet;
    DrawPlatform platform{surface, controls, quiet, quiet, quiet, '.'};
    DrawRoutine routine;
    auto picture = [&](Surface& s, RedrawState& st, const PictureControls& c, ArrowPoints& pts) {
        const StyleSizes sizes = readstylesizes(c);
        drawgraphicpicture(s, st, c, r.style, sizes, pts);
        if (!r.caption || !sizes.diameter) return;
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

std::string drawtruescale(QPaintDevice& device, QSizeF sizemm, double dpi, const TrueScaleRequest& r) {
    const double tpp = 1440.0 / dpi;
    const QSizeF twips(sizemm.width() / MM_PER_INCH * 1440, sizemm.height() / MM_PER_INCH * 1440);
    // The disk sits in the middle of the square part; the caption goes below it.
    const double diameterdev = r.diametermm / MM_PER_INCH * dpi;
    return drawscaled(device, twips, tpp, diameterdev, r);
}

Outcome exporttruescale(const TrueScaleRequest& r) {
    if (hasending(r.path, ".pdf")) {
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
    const double side = std::ceil(r.diameterpx * BOX_PER_DIAMETER);
    const QSize pixels(static_cast<int>(side),
                       static_cast<int>(std::ceil(side + (r.caption ? r.diameterpx * CAPTION_PER_DIAMETER : 0))));
    const QSizeF twips(pixels.width() * 15.0, pixels.height() * 15.0);
    const auto result = writeimagefile(r.path, pixels, [&](QPaintDevice& device) {
        return drawscaled(device, twips, 15, r.diameterpx, r);
    });
    return result ? *result : Outcome::usage("the output file must end in .png, .svg or .pdf");
}

}  // namespace quorvel
