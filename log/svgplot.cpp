#include "svgplot.h"

#include "csvtext.h"

namespace quorvel::log {
namespace {

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '&') out += "&amp;";
        else out += c;
    }
    return out;
}

std::string num(double v) { return fixed(v, 1); }

std::string textat(double x, double y, const std::string& text, const char* anchor, const char* extra) {
    return "<text x=\"" + num(x) + "\" y=\"" + num(y) + "\" text-anchor=\"" + anchor + "\"" + extra + ">" + escaped(text) +
           "</text>\n";
}

}  // namespace

SvgPlot::SvgPlot(const PlotFrame& frame) : f_(frame) {}

double SvgPlot::px(double x) const { return left_ + (x - f_.x0) / (f_.x1 - f_.x0) * (f_.width - left_ - right_); }
double SvgPlot::py(double y) const { return f_.height - bottom_ - (y - f_.y0) / (f_.y1 - f_.y0) * (f_.height - top_ - bottom_); }

void SvgPlot::xtick(double x, const std::string& text) {
    const double base = f_.height - bottom_;
    body_ += "<line x1=\"" + num(px(x)) + "\" y1=\"" + num(top_) + "\" x2=\"" + num(px(x)) + "\" y2=\"" + num(base + 5) +
             "\" stroke=\"#dddddd\"/>\n";
    body_ += textat(px(x), base + 18, text, "middle", "");
}

void SvgPlot::ytick(double y, const std::string& text) {
    body_ += "<line x1=\"" + num(left_ - 5) + "\" y1=\"" + num(py(y)) + "\" x2=\"" + num(f_.width - right_) + "\" y2=\"" +
             num(py(y)) + "\" stroke=\"#dddddd\"/>\n";
    body_ += textat(left_ - 8, py(y) + 4, text, "end", "");
}

void SvgPlot::polyline(const std::vector<std::pair<double, double>>& points, const char* colour, double widthpx, bool dashed) {
    body_ += "<polyline fill=\"none\" stroke=\"" + std::string(colour) + "\" stroke-width=\"" + num(widthpx) + "\"" +
             (dashed ? " stroke-dasharray=\"6 4\"" : "") + " points=\"";
    for (const auto& [x, y] : points) body_ += num(px(x)) + "," + num(py(y)) + " ";
    body_ += "\"/>\n";
}

void SvgPlot::dot(double x, double y, double radiuspx, const char* colour) {
    body_ += "<circle cx=\"" + num(px(x)) + "\" cy=\"" + num(py(y)) + "\" r=\"" + fixed(radiuspx, 2) + "\" fill=\"" + colour +
             "\" fill-opacity=\"0.7\"/>\n";
}

void SvgPlot::label(double x, double y, const std::string& text, const char* anchor, const char* colour) {
    body_ += textat(px(x), py(y), text, anchor, (std::string(" fill=\"") + colour + "\"").c_str());
}

std::string SvgPlot::finish() const {
    const std::string w = std::to_string(f_.width), h = std::to_string(f_.height);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w +
                      "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h +
                      "\" font-family=\"Liberation Sans, Arial, sans-serif\" font-size=\"12\">\n";
    out += "<rect width=\"" + w + "\" height=\"" + h + "\" fill=\"white\"/>\n" + body_;
    out += "<rect x=\"" + num(left_) + "\" y=\"" + num(top_) + "\" width=\"" + num(f_.width - left_ - right_) + "\" height=\"" +
           num(f_.height - top_ - bottom_) + "\" fill=\"none\" stroke=\"black\"/>\n";
    out += textat(f_.width / 2.0, 24, f_.title, "middle", " font-size=\"15\"");
    out += textat((left_ + f_.width - right_) / 2, f_.height - 12, f_.xlabel, "middle", "");
    out += "<text transform=\"translate(16," + num((top_ + f_.height - bottom_) / 2) + ") rotate(-90)\" text-anchor=\"middle\">" +
           escaped(f_.ylabel) + "</text>\n";
    return out + "</svg>\n";
}

}  // namespace quorvel::log
