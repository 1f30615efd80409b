#include "graphicsview.h"

#include <cmath>

#include "orientation.h"
#include "textvalue.h"

namespace quorvel {
namespace {

constexpr float SMALLEST_INTERVAL = 0.1f;  // degrees: finer would take too long to draw
constexpr int32_t LARGEST_NUMBER_SIZE = 500;  // pixels

std::string quoted(const std::string& text) {
    constexpr size_t SHOWN = 30;
    return "\"" + (text.size() > SHOWN ? text.substr(0, SHOWN) + "..." : text) + "\"";
}

/// An interval box read strictly; missing with a problem line when unusable.
std::optional<float> interval(const PictureControls& c, TextBox box, const char* name,
                              const char* consequence, std::map<TextBox, std::string>& problems) {
    const std::string text = c.text(box);
    const auto v = strictnumber(text);
    if (v && *v >= SMALLEST_INTERVAL && *v <= 360) return static_cast<float>(*v);
    problems[box] = std::string("The ") + name + " " + quoted(text) + " is not a number from 0.1 to 360: " +
                    consequence + ".";
    return std::nullopt;
}

void line(Surface& s, const ViewMap& v, Point a, Point b, Colour colour) {
    s.line(v.sx(a.x), v.sy(a.y), v.sx(b.x), v.sy(b.y), colour);
}

/// The two reference lines of the sky and the rotation axis, of half-lengths
/// refhalf and axishalf; returns the axis direction.
double referencelines(Surface& s, const ViewMap& v, double angle, double p, double refhalf,
                      double axishalf, Colour refcolour, Colour axiscolour) {
    for (double theta : {90 - angle, 180 - angle}) {
        const Point d = refhalf * direction(theta);
        line(s, v, -1.0 * d, d, refcolour);
    }
    const double thetaa = 90 - angle + p;
    const Point a = axishalf * direction(thetaa);
    line(s, v, -1.0 * a, a, axiscolour);
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
    s.backcolour = background;
    s.setscale(s.width() * -0.5f, s.height() * -0.5f);
    s.fillstyle = FillStyle::solid;
    s.cls();
    st.view.flip = c.checked(CheckBox::chkflip) ? 1 : -1;
    return ViewMap{st.view.flip, st.view.invsign};
}

}  // namespace

StyleSizes readstylesizes(const PictureControls& c) {
    StyleSizes z;
    const std::string dia = c.text(TextBox::txtdia);
    const auto d = leadingnumber(dia);
    if (d && *d > 0 && *d <= 100000) z.diameter = *d;
    else
        z.problems[TextBox::txtdia] =
            "The solar diameter " + quoted(dia) + " holds no number of pixels from 1 to 100000: no disk is drawn.";
    z.gridinterval = interval(c, TextBox::txtgspace, "grid interval", "the grid is left out", z.problems);
    z.markinterval = interval(c, TextBox::txtangint, "angle mark interval",
                              "the scale's ticks are left out", z.problems);
    z.labelinterval = interval(c, TextBox::txtlabint, "angle label interval",
                               "the scale's numbers are left out", z.problems);
    const std::string font = c.text(TextBox::txtfont);
    const auto h = strictnumber(font);
    if (h && std::floor(*h) >= 1 && *h <= LARGEST_NUMBER_SIZE) z.numbersize = static_cast<int32_t>(std::floor(*h));
    else
        z.problems[TextBox::txtfont] =
            "The label font size " + quoted(font) + " is not a number from 1 to 500: the scale's numbers are left out.";
    return z;
}

std::string viewproblems(const StyleSizes& sizes, bool graphicsready, const PictureControls& c) {
    std::vector<TextBox> used;
    if (graphicsready) used.push_back(TextBox::txtdia);
    if (graphicsready && c.checked(CheckBox::chkgrid)) used.push_back(TextBox::txtgspace);
    if (c.checked(CheckBox::chkposang)) used.insert(used.end(), {TextBox::txtangint, TextBox::txtlabint, TextBox::txtfont});
    std::string text;
    for (TextBox box : used) {
        auto it = sizes.problems.find(box);
        if (it != sizes.problems.end()) text += (text.empty() ? "" : "\n") + it->second;
    }
    return text;
}

void drawgraphicpicture(Surface& s, RedrawState& st, const PictureControls& c, const StyleOpts& style,
                        const StyleSizes& sizes, ArrowPoints& pts) {
    SunState& sun = st.sun;
    const bool axes = c.checked(CheckBox::chkaxes);
    st.gridcolour = style.gridcolour;
    const ViewMap v = setup(s, st, c, style.backcolour);
    if (!sizes.diameter) return;  // no disk, and nothing that is sized by it

    const float r = static_cast<float>(*sizes.diameter * static_cast<float>(s.twipsperpixel()) * 0.5);
    sun.radius = r;
    const double u = r / 1.5;
    const float angle = static_cast<float>(sun.gamma * st.view.altaz);
    const double thetaa = 90 - static_cast<double>(angle) + sun.p;
    if (axes) referencelines(s, v, angle, sun.p, 1.7 * u, 1.65 * u, style.pacolour, style.equatorcolour);

    s.fillcolour = style.diskcolour;
    s.circle(0, 0, r, style.limbcolour);
    st.view.grid = c.checked(CheckBox::chkgrid) ? 1 : 0;
    sun.rot = diskrotation(sun.p, sun.gamma, st.view.altaz);
    if (st.view.grid == 1 && sizes.gridinterval)
        gridgraphic(s, v, sun, *sizes.gridinterval, style.showequator == 1, style.equatorcolour, st.gridcolour);
    s.fillstyle = FillStyle::transparent;
    s.circle(0, 0, r, style.limbcolour);

    if (axes) {  // from the axis end on the visible pole's side in to the pole
        const Point axis = direction(thetaa);
        const double sign = sun.b0 > 0 ? -1 : 1;
        const Point end = sign * 1.65 * u * axis, pole = sign * r * std::cos(sun.b0 * DEG) * axis;
        line(s, v, end, pole, style.axiscolour);
        s.fillcolour = RED;
        s.circle(v.sx(pole.x), v.sy(pole.y), static_cast<float>(0.013 * u), WHITE);
    }
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

    s.fillcolour = YELLOW;
    s.circle(0, 0, r, BLACK);
    st.view.grid = c.checked(CheckBox::chkgrid) ? 1 : 0;
    sun.rot = diskrotation(sun.p, sun.gamma, st.view.altaz);
    if (st.view.grid == 1) helgrid(s, v, sun, st.gridcolour);
    s.fillstyle = FillStyle::transparent;
    s.circle(0, 0, r, BLACK);
    polemark(s, v, r, u, thetaa, sun.b0);

    // N, E and W in the picture's own small font, just outside the reference lines.
    const double theta = 90 - static_cast<double>(angle);
    const std::pair<const char*, double> letters[] = {{"N", theta}, {"E", theta + 90}, {"W", theta - 90}};
    for (const auto& [letter, t] : letters) {
        const Point at = -1.05 * 1.87 * u * direction(t) - Point{90, 90};
        s.forecolour = letter[0] == 'N' ? rgb(120, 120, 255) : rgb(202, 202, 255);
        fontprint(s, letter, v.sx(at.x), v.sy(at.y), "Arial", 11, 400, 0);
    }
    solarequator(s, v, r, sun.rot, sun.b0, RED);
    if (c.checked(CheckBox::chkposang)) pascale(s, r, angle, st.view.flip, st.view.invert, scaleof(sizes, style));
    if (c.checked(CheckBox::chksunrot)) arrows(s, v, st, YELLOW, RED, pts);
}

}  // namespace quorvel
