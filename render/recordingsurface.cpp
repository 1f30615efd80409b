#include "recordingsurface.h"

#include <cstdio>
#include <utility>

namespace quorvel {

void RecordingSurface::setscale(float left, float top) {
    scaleleft = left, scaletop = top;
    RecordedOp op(RecordedOp::setscale);
    op.x1 = left, op.y1 = top;
    ops.push_back(op);
}

void RecordingSurface::line(float x1, float y1, float x2, float y2, Pen pen) {
    RecordedOp op(RecordedOp::line);
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
    op.colour = pen.colour, op.width = pen.width;
    ops.push_back(op);
}

void RecordingSurface::circle(float x, float y, float r, Pen pen, Fill fill) {
    RecordedOp op(RecordedOp::circle);
    op.x1 = x, op.y1 = y, op.x2 = r;
    op.colour = pen.colour, op.width = pen.width, op.fill = fill;
    ops.push_back(op);
}

void RecordingSurface::print(const std::string& text, float x, float y, Colour colour, const FontSpec& font) {
    RecordedOp op(RecordedOp::print);
    op.x1 = x, op.y1 = y;
    op.colour = colour;
    op.text = text;
    op.font = font;
    ops.push_back(op);
}

void RecordingSurface::polygon(const std::vector<PixelPoint>& points, Pen pen, Fill fill) {
    RecordedOp op(RecordedOp::polygon);
    op.points = points;
    op.colour = pen.colour, op.width = pen.width, op.fill = fill;
    ops.push_back(op);
}


std::vector<RecordedOp> RecordingSurface::ofkind(RecordedOp::Kind kind) const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : ops)
        if (op.kind == kind) out.push_back(op);
    return out;
}

namespace {

/// "#rrggbb" of a colour held as red + 256 * green + 65536 * blue.
std::string hex(Colour c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", redof(c), greenof(c), blueof(c));
    return buf;
}

std::string num(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", v);
    return buf;
}

/// The fill, pen width and background the calls so far last gave.
struct LoggedState {
    Fill fill;
    int width = 1;
    Colour back = rgb(255, 255, 255);

    /// Takes what op's call carries.
    void take(const RecordedOp& op) {
        if (op.kind == RecordedOp::cls) back = op.colour;
        if (op.kind == RecordedOp::line || op.kind == RecordedOp::circle || op.kind == RecordedOp::polygon)
            width = op.width;
        if (op.kind == RecordedOp::circle || op.kind == RecordedOp::polygon) fill = op.fill;
    }
    std::string text() const {
        return "state fill " + (fill.solid ? hex(fill.colour) : std::string("none")) + " width " +
               std::to_string(width) + " back " + hex(back);
    }
};

std::string optext(const RecordedOp& op) {
    switch (op.kind) {
        case RecordedOp::setscale: return "setscale " + num(op.x1) + " " + num(op.y1);
        case RecordedOp::cls: return "cls";
        case RecordedOp::doevents: return "doevents";
        case RecordedOp::line:
            return "line " + num(op.x1) + " " + num(op.y1) + " " + num(op.x2) + " " + num(op.y2) + " " + hex(op.colour);
        case RecordedOp::circle: return "circle " + num(op.x1) + " " + num(op.y1) + " " + num(op.x2) + " " + hex(op.colour);
        case RecordedOp::print: {
            const FontSpec& f = op.font;
            return "print \"" + op.text + "\" " + num(op.x1) + " " + num(op.y1) + " " + hex(op.colour) + " font \"" +
                   f.face + "\" " + std::to_string(f.height) + " " + std::to_string(f.weight) + " esc " +
                   std::to_string(f.escapement) + (f.italic ? " italic" : "") + (f.underline ? " underline" : "") +
                   (f.strikeout ? " strikeout" : "");
        }
        case RecordedOp::polygon: {
            std::string s = "polygon " + hex(op.colour) + " " + std::to_string(op.points.size());
            for (const PixelPoint& p : op.points) {
                s += ' ';
                s += std::to_string(p.x);
                s += ',';
                s += std::to_string(p.y);
            }
            return s;
        }
    }
    return "";
}

}  // namespace

std::string RecordingSurface::log() const {
    std::string out, shown;
    LoggedState state;
    for (const RecordedOp& op : ops) {
        if (op.kind != RecordedOp::doevents && op.kind != RecordedOp::setscale) {
            state.take(op);
            std::string now = state.text();
            if (now != shown) out += now + "\n";
            shown = std::move(now);
        }
        out += optext(op) + "\n";
    }
    return out;
}

}  // namespace quorvel
