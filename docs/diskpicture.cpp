#include "diskpicture.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <limits>

#include "compassletters.h"
#include "headless.h"
#include "picture.h"
#include "qpaintersurface.h"
#include "recordingsurface.h"

namespace {

using quorvel::RecordedOp;

constexpr double TWIPS_PER_PIXEL = 15;
constexpr quorvel::Colour RED = quorvel::rgb(255, 0, 0);      // the axis, the pole mark and the equator
constexpr quorvel::Colour GREY = quorvel::rgb(165, 165, 165);  // the drift band

/// A recorded redraw, read in logical pixels of the picture.
struct Recorded {
    const quorvel::RecordingSurface& surface;
    mutable bool missing = false;  ///< a part looked for is not on the picture
    QPointF pixel(float x, float y) const {
        return {(x - surface.scaleleft) / TWIPS_PER_PIXEL, (y - surface.scaletop) / TWIPS_PER_PIXEL};
    }
    /// The point of the lines of a colour nearest to target.
    QPointF nearestline(quorvel::Colour colour, QPointF target) const {
        QPointF best;
        double bestd = std::numeric_limits<double>::max();
        for (const RecordedOp& op : surface.ofkind(RecordedOp::line)) {
            if (op.colour != colour) continue;
            const QPointF a = pixel(op.x1, op.y1), b = pixel(op.x2, op.y2), ab = b - a;
            const double length2 = QPointF::dotProduct(ab, ab);
            const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(target - a, ab) / length2, 0.0, 1.0) : 0;
            const QPointF on = a + ab * t;
            const double d = QLineF(on, target).length();
            if (d < bestd) bestd = d, best = on;
        }
        missing = missing || bestd == std::numeric_limits<double>::max();
        return best;
    }
    /// Where a text of the picture stands (its cell's top-left corner).
    QPointF text(const std::string& wanted) const {
        for (const RecordedOp& op : surface.ofkind(RecordedOp::print))
            if (op.text == wanted) return pixel(op.x1, op.y1);
        missing = true;
        return {};
    }
};

/// The point at radius r (disk radii) in the direction at angle deg from up, counter-clockwise.
QPointF ondisk(const DiskPicture& d, double r, double deg) {
    const double a = deg * 3.141592653589793 / 180;
    return d.centre + QPointF(-std::sin(a), -std::cos(a)) * (r * d.radius);
}

/// Finds the parts on the recorded redraw; false when one is not there.
bool findparts(const quorvel::RecordingSurface& s, quorvel::Colour gridcolour, DiskPicture& d) {
    const Recorded rec{s};
    bool pole = false, axis = false, arrow = false;
    for (const RecordedOp& op : s.ofkind(RecordedOp::circle))
        if (op.x2 < 100) d.pole = rec.pixel(op.x1, op.y1), pole = true;  // the only small circle
    // The axis is the first red line, from end to end across the disk.
    for (const RecordedOp& op : s.ofkind(RecordedOp::line)) {
        if (op.colour != RED) continue;
        const QPointF a = rec.pixel(op.x1, op.y1), b = rec.pixel(op.x2, op.y2);
        d.axis = QLineF(a, d.pole).length() > QLineF(b, d.pole).length() ? a : b;  // the end away from the pole
        axis = true;
        break;
    }
    const QPointF up = (d.pole - d.centre) / std::max(1.0, QLineF(d.centre, d.pole).length());
    const QPointF side(up.y(), -up.x());  // a quarter turn from the axis
    d.equator = rec.nearestline(RED, d.centre + side * (0.8 * d.radius));
    d.grid = rec.nearestline(gridcolour, ondisk(d, 0.6, 215));
    d.drift = rec.nearestline(GREY, ondisk(d, 1.12, -96));
    d.scale = rec.text(" 60") + QPointF(4, 4);
    d.north = rec.text("N") + QPointF(5, 8);
    for (const RecordedOp& op : s.ofkind(RecordedOp::polygon))
        if (!op.points.empty()) {
            QPointF sum;
            for (const quorvel::PixelPoint& p : op.points) sum += QPointF(p.x, p.y);
            d.rotation = sum / static_cast<double>(op.points.size());
            arrow = true;
            break;
        }
    return pole && axis && arrow && !rec.missing;
}

}  // namespace

DiskView exampleview(const char* hour) {
    DiskView v;
    v.fields = {"21", "6", "2006", hour, "0", "0", false, "51.5", "0"};
    v.checked = {quorvel::CheckBox::chkgrid, quorvel::CheckBox::chkposang, quorvel::CheckBox::chkdrift,
                 quorvel::CheckBox::chksunrot};
    return v;
}

DiskPicture drawdisk(const DiskView& v) {
    const QSizeF twips(v.widthpx * TWIPS_PER_PIXEL, v.heightpx * TWIPS_PER_PIXEL);
    DiskPicture d;
    quorvel::HeadlessRedraw recorded(v.checked);
    recorded.routine.state.letters = quorvel::translatedcompass();  // as the window shows them
    quorvel::RecordingSurface surface(static_cast<float>(twips.width()), static_cast<float>(twips.height()),
                                      TWIPS_PER_PIXEL);
    if (!recorded.draw(surface, v.fields, v.altaz, quorvel::drawpicture, quorvel::CaptionStyle::viewer).done()) return d;
    d.centre = Recorded{surface}.pixel(0, 0);
    d.radius = recorded.routine.state.sun.radius / TWIPS_PER_PIXEL;
    d.tiltdeg = recorded.routine.state.sun.gamma;
    if (!findparts(surface, recorded.routine.state.gridcolour, d)) return d;  // a part to label is not drawn

    d.image = quorvel::ratioimage(quorvel::pixelsof(twips, TWIPS_PER_PIXEL), FIGURE_SCALE);
    quorvel::HeadlessRedraw painted(v.checked);
    painted.routine.state.letters = recorded.routine.state.letters;
    quorvel::QPainterSurface painter(d.image, twips, TWIPS_PER_PIXEL);
    painted.draw(painter, v.fields, v.altaz, quorvel::drawpicture, quorvel::CaptionStyle::viewer);
    painter.finish();
    d.image.setDevicePixelRatio(1);
    return d;
}
