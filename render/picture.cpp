#include "picture.h"

#include "orientation.h"

namespace quorvel {
namespace {

/// North-south and east-west lines of the sky, blue; later shapes cover their middle.
void cardinallines(Surface& s, const ViewMap& v, double u, double angle) {
    for (double theta : {90 - angle, 180 - angle}) {
        const Point d = 1.82 * u * direction(theta);
        viewline(s, v, -1.0 * d, d, BLUE);
    }
}

}  // namespace

void drawpicture(Surface& s, RedrawState& st, const PictureControls& controls, ArrowPoints& arrowpts) {
    SunState& sun = st.sun;
    ViewOpts& view = st.view;
    view.invert = controls.checked(CheckBox::chkinvert) ? 1 : 0;
    view.invsign = view.invert == 1 ? -1 : 1;

    s.setscale(s.width() * -0.5f, s.height() * -0.5f);  // origin at the centre
    s.cls(WHITE);
    view.flip = controls.checked(CheckBox::chkflip) ? 1 : -1;
    const ViewMap v{view.flip, view.invsign};

    const float u = static_cast<float>(s.height() * 0.25 * 0.97);  // size basis
    const float r = static_cast<float>(1.5 * u);
    sun.radius = r;
    const float angle = static_cast<float>(sun.gamma * view.altaz);  // the mount's turn

    cardinallines(s, v, u, angle);
    if (controls.checked(CheckBox::chkposang)) {  // white ground of the scale
        s.circle(0, 0, static_cast<float>(1.17 * r), Pen{WHITE}, solidfill(WHITE));
    }
    if (controls.checked(CheckBox::chkdrift)) driftarrow(s, v, u, angle);

    const double thetaa = 90 - static_cast<double>(angle) + sun.p;  // rotation axis, north end at -d
    const Point axis = 1.7 * u * direction(thetaa);
    viewline(s, v, -1.0 * axis, axis, RED);

    s.circle(0, 0, r, Pen{BLACK}, solidfill(YELLOW));  // hides the middle of the axis and the drift arrow

    view.grid = controls.checked(CheckBox::chkgrid) ? 1 : 0;
    sun.rot = diskrotation(sun.p, sun.gamma, view.altaz);
    if (view.grid == 1) helgrid(s, v, sun, st.gridcolour);
    s.circle(0, 0, r, Pen{BLACK}, NOFILL);  // the limb again, over the grid

    polemark(s, v, r, r, u, thetaa, sun.b0);
    sun.rot = diskrotation(sun.p, sun.gamma, view.altaz);
    solarequator(s, v, r, sun.rot, sun.b0, RED);

    if (controls.checked(CheckBox::chkposang)) posangscale(s, r, angle, view.flip, view.invert);
    compass(s, r, angle, view.flip, view.invert, BLUE, "NSEW", st.letters);
    if (controls.checked(CheckBox::chksunrot)) {
        for (float lat : {15.0f, -15.0f}) {
            ArrowShape shape;
            shape.lat = lat;
            rotarrow(s, v, sun, shape, arrowpts);
        }
        st.inputerr = 2;  // no redraw on repaint until the next "Draw"
    }
}

}  // namespace quorvel
