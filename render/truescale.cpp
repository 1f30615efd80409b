#include "truescale.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QFontMetricsF>
#include <cmath>
#include <vector>

#include "captions.h"
#include "headless.h"
#include "graphicsview.h"
#include "numbertext.h"
#include "orientation.h"
#include "qpaintersurface.h"
#include "settingsfiles.h"
#include "textvalue.h"
#include "messagetext.h"

namespace quorvel {
namespace {

constexpr double MM_PER_INCH = 25.4;
constexpr double LOGICAL_DPI = 96;   // a logical pixel is 1/96 inch
constexpr double TPP = 15;           // twips a logical pixel, as on the window
constexpr double MARGIN = 0.02;      // around the picture, of the diameter
constexpr double SMALLEST_MM = 10, LARGEST_MM = 2000;  // a PDF page is at most 5080 mm a side
constexpr double LARGEST_PX = 100000;
constexpr double LARGEST_IMAGE_PIXELS = 16384.0 * 16384;  // 1 GiB of 32-bit pixels

std::string twodigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

std::string number(double v) { return generaltext(std::round(v * 10) / 10); }

/// The two caption lines of a drawn moment.
std::vector<std::string> captionlines(const TrueScaleRequest& r, const RedrawState& st) {
    const ObsInput& o = st.obs;
    const SunState& s = st.sun;
    const std::string local = std::to_string(o.year) + "-" + twodigits(o.month) + "-" + twodigits(o.day) + " " +
                              r.fields.hour + ":" + (r.fields.min.size() < 2 ? "0" : "") + r.fields.min;
    const double ut = s.dayfrac * 24.0;
    const int uth = static_cast<int>(ut), utm = static_cast<int>(std::lround((ut - uth) * 60)) % 60;
    // In the window's language where its translations are installed; quorvel_cli has none.
    auto words = [](const char* english) { return QCoreApplication::translate("quorvel::TrueScale", english); };
    auto text = [](const std::string& t) { return QString::fromStdString(t); };
    const QString first =
        words(o.dst ? QT_TRANSLATE_NOOP("quorvel::TrueScale", "Local %1 (DST)   zone %2 h   UT %3   JD %4")
                    : QT_TRANSLATE_NOOP("quorvel::TrueScale", "Local %1   zone %2 h   UT %3   JD %4"))
            .arg(text(local), text(signedtext(o.tz).substr(o.tz < 0 ? 0 : 1)),
                 text(twodigits(uth) + ":" + twodigits(utm)), text(jdcaption(s.jd, s.jdfrac)));
    const QString second =
        words(QT_TRANSLATE_NOOP("quorvel::TrueScale",
                                "Lat %1   Long %2 (east negative)   P %3   B0 %4   L0 %5   Rotation %6"))
            .arg(text(patterntext(o.lat, "0.0")), text(patterntext(o.lon, "0.0")), text(pcaption(s.p)),
                 text(b0caption(s.b0)), text(l0caption(s.l0)),
                 QString::number(carringtonrotation(s.jd, s.jdfrac, s.l0)));
    return {first.toStdString(), second.toStdString()};
}

}  // namespace

Outcome requestsizes(const TrueScaleRequest& r, StyleSizes& sizes) {
    return checkstylesizes(
        [&](TextBox box) {
            auto it = r.texts.find(box);
            return it == r.texts.end() ? std::string() : it->second;
        },
        largestdiameter(TPP), sizes);
}

namespace {

/// Where the parts of a true-scale picture lie, in working pixels: logical
/// pixels, or coarser ones for a disk beyond the largest the grid draws
/// exactly (scale says how many logical pixels one holds).
struct Layout {
    StyleSizes sizes;      ///< the style's, the diameter and number size at this scale
    double scale = 1;      ///< logical pixels a working pixel makes
    double extent = 0;     ///< from the disk's centre to the farthest element, and a margin
    int32_t caption = 0;   ///< caption line height; 0 for none
    double captionwidth = 0;
    std::vector<std::string> lines;

    double margin() const { return MARGIN * sizes.diameter; }
    QSizeF size() const {
        const double width = std::max(2 * extent, captionwidth + 2 * margin());
        return {width, 2 * extent + (caption ? 2.6 * caption + margin() : 0)};
    }
    /// The disk's centre in the picture.
    QPointF centre() const { return {size().width() / 2, extent}; }
};

double linewidth(const std::string& text, int32_t height) {
    FontSpec font;
    font.height = height;
    return QFontMetricsF(cellfont(font)).horizontalAdvance(QString::fromStdString(text));
}

/// The layout of a disk diameter logical pixels across, with its caption no
/// wider than widest (working pixels; 0 for any width).
Layout layoutof(const TrueScaleRequest& r, const StyleSizes& style, double diameter,
                const std::vector<std::string>& lines, double widest = 0) {
    Layout l;
    l.sizes = style;
    l.scale = std::max(1.0, diameter / largestdiameter(TPP));
    l.sizes.diameter = diameter / l.scale;
    // The numbers keep their size relative to the disk of the window's view.
    l.sizes.numbersize =
        static_cast<int32_t>(std::max(1.0, std::floor(style.numbersize * l.sizes.diameter / style.diameter)));
    const double radius = l.sizes.diameter / 2;
    double reach = radius;
    if (r.checked.count(CheckBox::chkaxes)) reach = std::max(reach, radius * 1.7 / 1.5);
    if (r.checked.count(CheckBox::chkposang))  // the numbers hang inward from their circle
        reach = std::max(reach, 1.17 * radius + (16.0 / TPP + 0.3) * l.sizes.numbersize);
    l.extent = reach + l.margin();
    if (!r.caption) return l;
    l.lines = lines;
    l.caption = static_cast<int32_t>(std::max(8.0, l.sizes.diameter / 45));
    for (;;) {  // the caption keeps to the width it is given
        l.captionwidth = 0;
        for (const std::string& line : lines) l.captionwidth = std::max(l.captionwidth, linewidth(line, l.caption));
        if (widest <= 0 || l.captionwidth + 2 * l.margin() <= widest || l.caption <= 4) return l;
        l.caption = std::max(4, static_cast<int32_t>(l.caption * (widest - 2 * l.margin()) / l.captionwidth));
    }
}

/// The caption lines of a request's moment; an input fault when its fields fail.
Outcome momentlines(const TrueScaleRequest& r, std::vector<std::string>& lines) {
    if (!r.caption) return Outcome::ok();
    ValuesOnly labels;
    RedrawState state;
    if (Outcome values = drawvalues(r.fields, r.altaz, '.', state, labels, CaptionStyle::graphics); !values.done())
        return values;
    lines = captionlines(r, state);
    return Outcome::ok();
}

/// The redraw of a layout on a surface whose box is the square around the
/// disk reaching extent every way, the caption below it.
Outcome drawlayout(Surface& surface, HeadlessRedraw& redraw, const Layout& l, const TrueScaleRequest& r) {
    auto picture = [&](Surface& s, RedrawState& st, const PictureControls& c, ArrowPoints& pts) {
        st.letters = r.letters;
        drawgraphicpicture(s, st, c, r.style, l.sizes, pts);
        for (size_t i = 0; i < l.lines.size(); ++i) {  // twips from the disk's centre
            const double x = (l.margin() - l.centre().x()) * TPP;
            const double y = (2 * l.extent + (0.3 + 1.3 * static_cast<double>(i)) * l.caption - l.extent) * TPP;
            fontprint(s, l.lines[i], static_cast<float>(x), static_cast<float>(y), r.style.pacolour, "Arial", l.caption,
                      400, 0);
        }
    };
    return redraw.draw(surface, r.fields, r.altaz, picture, CaptionStyle::graphics);
}

/// Draws a layout on a device whose painter takes devicescale device units
/// for a logical pixel, the picture's corner at at (working pixels).
Outcome drawlayout(QPaintDevice& device, double devicescale, QPointF at, const Layout& l, const TrueScaleRequest& r) {
    const QSizeF box(2 * l.extent * TPP, 2 * l.extent * TPP);
    QPainterSurface surface(device, box, TPP, devicescale * l.scale);
    surface.retarget(device, box, at + l.centre() - QPointF(l.extent, l.extent));
    surface.setclearrect(QRectF(at, l.size()));
    HeadlessRedraw redraw(r.checked, r.texts);
    return drawlayout(surface, redraw, l, r);
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

Outcome checktruescale(const TrueScaleRequest& r, bool page) {
    StyleSizes sizes;
    if (Outcome o = requestsizes(r, sizes); !o.done()) return o;
    if (page) {
        if (!(r.diametermm >= SMALLEST_MM && r.diametermm <= LARGEST_MM))
            return Outcome::input(fillin(MESSAGE_TEXT("Message", "The disk diameter of %1 mm is not from %2 to %3 mm."),
                                         {number(r.diametermm), number(SMALLEST_MM), number(LARGEST_MM)}));
        return Outcome::ok();
    }
    if (!(r.diameterpx >= 1 && r.diameterpx <= LARGEST_PX))
        return Outcome::input(
                fillin(MESSAGE_TEXT("Message", "The disk diameter of %1 pixels is not from 1 to %2 pixels."),
                       {number(r.diameterpx), number(LARGEST_PX)}));
    if (writesformat(r.path, ".png")) {
        // The caption is not known yet: the widest picture it could make.
        const Layout l = layoutof(r, sizes, r.diameterpx, {});
        const double side = 2 * l.extent * l.scale;
        const double pixels = side * (side + (r.caption ? 0.1 * side : 0));
        if (pixels > LARGEST_IMAGE_PIXELS)
            return Outcome::input(
                    fillin(MESSAGE_TEXT("Message",
                                        "A disk of %1 pixels makes an image of about %2 million pixels, more than the "
                                        "%3 million this program makes: choose a smaller diameter, or SVG or PDF."),
                           {number(r.diameterpx), number(pixels / 1e6), number(LARGEST_IMAGE_PIXELS / 1e6)}));
    }
    return Outcome::ok();
}

Outcome drawtruescale(QPaintDevice& device, QSizeF sizemm, double dpi, const TrueScaleRequest& r) {
    StyleSizes sizes;
    std::vector<std::string> lines;
    if (Outcome o = checktruescale(r, true); !o.done()) return o;
    if (Outcome o = momentlines(r, lines); !o.done()) return o;
    requestsizes(r, sizes);
    const double diameter = r.diametermm / MM_PER_INCH * LOGICAL_DPI;
    const double scale = std::max(1.0, diameter / largestdiameter(TPP));
    const QSizeF page(sizemm.width() / MM_PER_INCH * LOGICAL_DPI / scale, sizemm.height() / MM_PER_INCH * LOGICAL_DPI / scale);
    const Layout l = layoutof(r, sizes, diameter, lines, page.width());
    const QSizeF need = l.size();
    if (need.width() > page.width() || need.height() > page.height()) {
        const double mm = MM_PER_INCH / LOGICAL_DPI * l.scale;
        return Outcome::input(
                fillin(MESSAGE_TEXT("Message",
                                    "A disk of %1 mm with its scale and caption needs %2 x %3 mm; the printable area "
                                    "is %4 x %5 mm. Choose a smaller diameter or a larger paper."),
                       {number(r.diametermm), number(need.width() * mm), number(need.height() * mm),
                        number(sizemm.width()), number(sizemm.height())}));
    }
    return drawlayout(device, dpi / LOGICAL_DPI, QPointF((page.width() - need.width()) / 2, 0), l, r);
}

Outcome exporttruescale(const TrueScaleRequest& r) {
    const bool pdf = writesformat(r.path, ".pdf");
    if (!pdf && !writesformat(r.path, ".png") && !writesformat(r.path, ".svg") && !writesformat(r.path, ".log"))
        return Outcome::usage(MESSAGE_TEXT("Message", "the output file must end in .png, .svg, .pdf or .log"));
    if (Outcome o = checktruescale(r, pdf); !o.done()) return o;
    StyleSizes sizes;
    requestsizes(r, sizes);
    std::vector<std::string> lines;
    if (Outcome o = momentlines(r, lines); !o.done()) return o;
    if (writesformat(r.path, ".log")) {
        const Layout l = layoutof(r, sizes, r.diameterpx, lines);
        RecordingSurface surface(static_cast<float>(2 * l.extent * TPP), static_cast<float>(2 * l.extent * TPP), TPP);
        HeadlessRedraw redraw(r.checked, r.texts);
        if (Outcome o = drawlayout(surface, redraw, l, r); !o.done()) return o;
        return writeredrawlog(r.path, redraw, surface);
    }
    if (!pdf) {
        const Layout l = layoutof(r, sizes, r.diameterpx, lines);
        const QSize logical(static_cast<int>(std::ceil(l.size().width() * l.scale)),
                            static_cast<int>(std::ceil(l.size().height() * l.scale)));
        // The pixels typed are the pixels written: one device pixel a logical one.
        return *writeimagefile(r.path, logical, 1, 1, [&](QPaintDevice& device, double devicescale) {
            return drawlayout(device, devicescale, {}, l, r);
        });
    }
    constexpr int DPI = 1200;
    const Layout l = layoutof(r, sizes, r.diametermm / MM_PER_INCH * LOGICAL_DPI, lines);
    const double mm = MM_PER_INCH / LOGICAL_DPI * l.scale;
    QByteArray data;
    Outcome drawn;
    {
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(DPI);
        writer.setPageSize(QPageSize(l.size() * mm, QPageSize::Millimeter, "Quorvel"));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer.setTitle("Quorvel");
        writer.setCreator("Quorvel");
        drawn = drawlayout(writer, DPI / LOGICAL_DPI, {}, l, r);
    }
    if (!drawn.done()) return drawn;
    return savefile(r.path, data);
}

}  // namespace quorvel
