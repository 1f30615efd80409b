// A picture written as SVG text, drawn into a PNG file: the log's plots.
#pragma once

#include <string>

#include "outcome.h"

namespace quorvel {

/// The PNG of a plot has this many pixels for each of its SVG's, each way.
inline constexpr int SVG_TO_PNG_SCALE = 2;

/// Draws svg on white at SVG_TO_PNG_SCALE times its size and writes it to
/// path as a PNG; an io outcome when the text is no SVG or the file cannot
/// be written. Needs a QGuiApplication.
Outcome svgtopng(const std::string& svg, const std::string& path);

}  // namespace quorvel
