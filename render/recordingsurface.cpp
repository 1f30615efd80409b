#include "recordingsurface.h"

#include <cstdio>
#include <utility>

namespace quorvel {

RecordedOp RecordingSurface::base(RecordedOp::Kind kind, Colour colour) const {
    RecordedOp op;
    op.kind = kind;
    op.colour = colour;
    op.fillcolour = fillcolour;
    op.fillstyle = fillstyle;
    op.drawwidth = drawwidth;
    op.backcolour = backcolour;
    op.fontbold = fontbold;
    return op;
}

void RecordingSurface::setscale(float left, float top) {
    scaleleft = left, scaletop = top;
    RecordedOp op = base(RecordedOp::setscale, 0);
    op.x1 = left, op.y1 = top;
    ops.push_back(op);
}

void RecordingSurface::cls() { ops.push_back(base(RecordedOp::cls, 0)); }

void RecordingSurface::line(float x1, float y1, float x2, float y2, Colour colour) {
    RecordedOp op = base(RecordedOp::line, colour);
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
    ops.push_back(op);
}

void RecordingSurface::circle(float x, float y, float r, Colour colour) {
    RecordedOp op = base(RecordedOp::circle, colour);
    op.x1 = x, op.y1 = y, op.x2 = r;
    ops.push_back(op);
}

void RecordingSurface::print(const std::string& text, const FontSpec& font) {
    RecordedOp op = base(RecordedOp::print, forecolour);
    op.x1 = currentx, op.y1 = currenty;
    op.text = text;
    op.font = font;
    ops.push_back(op);
}

void RecordingSurface::polygon(const std::vector<PixelPoint>& points) {
    RecordedOp op = base(RecordedOp::polygon, forecolour);
    op.points = points;
    ops.push_back(op);
}

void RecordingSurface::doevents() { ops.push_back(base(RecordedOp::doevents, 0)); }

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

std::string statetext(const RecordedOp& op) {
    return "state fill " + hex(op.fillcolour) + (op.fillstyle == FillStyle::solid ? " solid" : " transparent") +
           " width " + std::to_string(op.drawwidth) + " back " + hex(op.backcolour) + (op.fontbold ? " bold" : " plain");
}

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
            for (const PixelPoint& p : op.points) s += " " + std::to_string(p.x) + "," + std::to_string(p.y);
            return s;
        }
    }
    return "";
}

}  // namespace

std::string RecordingSurface::log() const {
    std::string out, state;
    for (const RecordedOp& op : ops) {
        if (op.kind != RecordedOp::doevents && op.kind != RecordedOp::setscale) {
            std::string now = statetext(op);
            if (now != state) out += now + "\n";
            state = std::move(now);
        }
        out += optext(op) + "\n";
    }
    return out;
}

}  // namespace quorvel
