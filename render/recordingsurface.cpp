#include "recordingsurface.h"

#include <cstdio>

namespace quorvel {

RecordedOp RecordingSurface::base(RecordedOp::Kind kind, Colour colour) const {
    RecordedOp op{kind};
    op.colour = colour;
    op.fillcolour = fillcolour;
    op.fillstyle = fillstyle;
    op.drawwidth = drawwidth;
    return op;
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

std::string RecordingSurface::log() const {
    std::string out;
    char buf[256];
    for (const RecordedOp& op : ops) {
        switch (op.kind) {
            case RecordedOp::cls: out += "cls\n"; continue;
            case RecordedOp::doevents: out += "doevents\n"; continue;
            case RecordedOp::line:
                std::snprintf(buf, sizeof buf, "line %.1f %.1f %.1f %.1f #%06x w%d\n", op.x1, op.y1,
                              op.x2, op.y2, static_cast<unsigned>(op.colour), op.drawwidth);
                break;
            case RecordedOp::circle:
                std::snprintf(buf, sizeof buf, "circle %.1f %.1f r%.1f #%06x fill %s #%06x\n", op.x1,
                              op.y1, op.x2, static_cast<unsigned>(op.colour),
                              op.fillstyle == FillStyle::solid ? "solid" : "none",
                              static_cast<unsigned>(op.fillcolour));
                break;
            case RecordedOp::print:
                std::snprintf(buf, sizeof buf, "print \"%s\" %.1f %.1f %s %d w%d esc%d\n",
                              op.text.c_str(), op.x1, op.y1, op.font.face.c_str(), op.font.height,
                              op.font.weight, op.font.escapement);
                break;
            case RecordedOp::polygon:
                std::snprintf(buf, sizeof buf, "polygon %zu points #%06x w%d\n", op.points.size(),
                              static_cast<unsigned>(op.fillcolour), op.drawwidth);
                break;
        }
        out += buf;
    }
    return out;
}

}  // namespace quorvel
