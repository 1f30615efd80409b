#include "graphicsview.h"

#include <cmath>

#include "orientation.h"

namespace quorvel {
namespace {

/// The two reference lines of the sky and the rotation axis, of half-lengths
/// refhalf and axishalf; returns the axis direction.
double referencelines(Surface& s, const ViewMap& v, double angle, double p, double refhalf,
                      double axishalf, Colour refcolour, Colour axiscolour) {
    for (double theta : {90 - angle, 180 - angle}) {
        const Point d = refhalf * direction(theta);
        viewline(s, v, -1.0 * d, d, refcolour);
    }
    const double thetaa = 90 - angle + p;
    const Point a = axishalf * direction(thetaa);
    viewline(s, v, -1.0 * a, a, axiscolour);
    return thetaa;
}

void arrows(Surface& s, const ViewMap& v, RedrawState& st, Colour fill, Colour outline, ArrowPoints& pts) {
    for (float lat : {15.0f, -15.0f}) {
        ArrowShape shape;
        shape.lat = lat;
        shape.fillcolour = fill;
        shape.linecolour = outline;
        rotarrow(s, v, st.sun, shape, pts);
    }
    st.inputerr = 2;
}

PaScale scaleof(const StyleSizes& sizes, const StyleOpts& style) {
    return PaScale{sizes.markinterval, sizes.labelinterval, sizes.numbersize, style.pacolour};
}

/// Surface set-up, the flip and the invert of a redraw; returns the view mapping.
ViewMap setup(Surface& s, RedrawState& st, const PictureControls& c, Colour background) {
    st.view.invert = c.checked(CheckBox::chkinvert) ? 1 : 0;
    st.view.invsign = st.view.invert == 1 ? -1 : 1;
    s.setscale(s.width() * -0.5f, s.height() * -0.5f);
    s.cls(background);
    st.view.flip = c.checked(CheckBox::chkflip) ? 1 : -1;
    return ViewMap{st.view.flip, st.view.invsign};
}

}  // namespace

void drawgraphicpicture(Surface& s, RedrawState& st, const PictureControls& c, const StyleOpts& style,
                        const StyleSizes& sizes, ArrowPoints& pts) {
    SunState& sun = st.sun;
    const bool axes = c.checked(CheckBox::chkaxes);
    st.gridcolour = style.gridcolour;
    const ViewMap v = setup(s, st, c, style.backcolour);
    const float r = static_cast<float>(sizes.diameter * static_cast<float>(s.twipsperpixel()) * 0.5);
    sun.radius = r;
    const double u = r / 1.5;
    const float angle = static_cast<float>(sun.gamma * st.view.altaz);
    const double thetaa = 90 - static_cast<double>(angle) + sun.p;
    if (axes) referencelines(s, v, angle, sun.p, 1.7 * u, 1.65 * u, style.pacolour, style.equatorcolour);

    s.circle(0, 0, r, Pen{style.limbcolour}, solidfill(style.diskcolour));
    st.view.grid = c.checked(CheckBox::chkgrid) ? 1 : 0;
    sun.rot = diskrotation(sun.p, sun.gamma, st.view.altaz);
    if (st.view.grid == 1)
        gridgraphic(s, v, sun, sizes.gridinterval, style.showequator == 1, style.equatorcolour, st.gridcolour);
    s.circle(0, 0, r, Pen{style.limbcolour}, NOFILL);

    if (axes) polemark(s, v, r, 1.65 * u, u, thetaa, sun.b0, {style.axiscolour, WHITE});  // to the axis end
    if (c.checked(CheckBox::chksunequator)) solarequator(s, v, r, sun.rot, sun.b0, style.equatorcolour);
    if (c.checked(CheckBox::chksunrot)) arrows(s, v, st, style.diskcolour, style.arrowcolour, pts);
    if (c.checked(CheckBox::chkposang)) pascale(s, r, angle, st.view.flip, st.view.invert, scaleof(sizes, style));
}

void drawnormalgpicture(Surface& s, RedrawState& st, const PictureControls& c, const StyleOpts& style,
                        const StyleSizes& sizes, ArrowPoints& pts) {
    SunState& sun = st.sun;
    const ViewMap v = setup(s, st, c, WHITE);
    const float u = static_cast<float>(s.height() * 0.25 * 0.982);
    const float r = static_cast<float>(1.5 * u);
    sun.radius = r;
    const float angle = static_cast<float>(sun.gamma * st.view.altaz);
    const double thetaa = referencelines(s, v, angle, sun.p, 1.87 * u, 1.73 * u, BLUE, RED);

    s.circle(0, 0, r, Pen{BLACK}, solidfill(YELLOW));
    st.view.grid = c.checked(CheckBox::chkgrid) ? 1 : 0;
    sun.rot = diskrotation(sun.p, sun.gamma, st.view.altaz);
    if (st.view.grid == 1) helgrid(s, v, sun, st.gridcolour);
    s.circle(0, 0, r, Pen{BLACK}, NOFILL);
    polemark(s, v, r, r, u, thetaa, sun.b0);

    // N, E and W in the picture's own small font, just outside the reference lines.
    const double theta = 90 - static_cast<double>(angle);
    const std::pair<const std::string&, double> letters[] = {
        {st.letters.north, theta}, {st.letters.east, theta + 90}, {st.letters.west, theta - 90}};
    for (const auto& [letter, t] : letters) {
        const Point at = -1.05 * 1.87 * u * direction(t) - Point{90, 90};
        const Colour colour = &letter == &st.letters.north ? rgb(120, 120, 255) : rgb(202, 202, 255);
        fontprint(s, letter, v.sx(at.x), v.sy(at.y), colour, "Arial", 11, 400, 0);
    }
    solarequator(s, v, r, sun.rot, sun.b0, RED);
    if (c.checked(CheckBox::chkposang)) pascale(s, r, angle, st.view.flip, st.view.invert, scaleof(sizes, style));
    if (c.checked(CheckBox::chksunrot)) arrows(s, v, st, YELLOW, RED, pts);
}

}  // namespace quorvel
