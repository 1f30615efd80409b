// A small SVG writer for the log's plots: a frame with axes, ticks, lines,
// dots and labels, written as text in any locale.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace quorvel::log {

/// The data ranges a plot shows and its size in pixels.
struct PlotFrame {
    double x0 = 0, x1 = 1, y0 = 0, y1 = 1;  ///< data at the left, right, bottom and top of the plot area
    int width = 800, height = 450;          ///< the whole picture, pixels
    std::string title, xlabel, ylabel;
};

class SvgPlot {
public:
    explicit SvgPlot(const PlotFrame& frame);

    /// Pixel x of data x, pixel y of data y.
    double px(double x) const;
    double py(double y) const;

    /// A tick and its label on the x axis at data x, on the y axis at data y
    /// (with a faint grid line across the plot).
    void xtick(double x, const std::string& label);
    void ytick(double y, const std::string& label);
    /// A line through data points.
    void polyline(const std::vector<std::pair<double, double>>& points, const char* colour, double widthpx, bool dashed);
    /// A filled dot at data (x, y).
    void dot(double x, double y, double radiuspx, const char* colour);
    /// A text at data (x, y), anchored "start", "middle" or "end".
    void label(double x, double y, const std::string& text, const char* anchor, const char* colour);

    /// The whole SVG document.
    std::string finish() const;

private:
    PlotFrame f_;
    double left_ = 64, right_ = 24, top_ = 40, bottom_ = 52;
    std::string body_;
};

}  // namespace quorvel::log
