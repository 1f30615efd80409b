// The exact captions of the result labels.
#pragma once

#include <cstddef>
#include <string>

#include "sunstate.h"

namespace quorvel {

/// The eleven result labels, in the order a redraw sets them.
enum class ResultLabel {
    lbljd, lblsid, lblsunrastr, lblsundecstr, lblhang, lblalt, lblaz, lblntilt, lblp, lblbo, lbllosun
};
inline constexpr int RESULT_LABEL_COUNT = 11;

/// The most bytes one caption takes.
inline constexpr size_t CAPTION_MAX = 1024;

/// The control name of a result label ("lbljd").
const char* labelname(ResultLabel label);

/// Writes the caption of a label from the solar quantities of a redraw to p
/// (at most CAPTION_MAX bytes) and returns its end.
///
/// Notes:
/// 1. Reads sun.jd and jdfrac, sid, ra, dec, ha, alt, az, gamma, p, b0, l0:
///    the label's own quantities only.
char* putcaption(char* p, ResultLabel label, const SunState& sun, char decimalsep = '.');

std::string jdcaption(int jd, float jdfrac, char decimalsep = '.');
std::string sidcaption(double sid, char decimalsep = '.');
std::string racaption(float ra);
std::string deccaption(float dec);
std::string hacaption(float ha, char decimalsep = '.');
/// alt in radians.
std::string altcaption(float alt, char decimalsep = '.');
/// az in radians.
std::string azcaption(float az, char decimalsep = '.');
std::string tiltcaption(float gamma, char decimalsep = '.');
std::string pcaption(double p, char decimalsep = '.');
std::string b0caption(double b0, char decimalsep = '.');
std::string l0caption(double l0, char decimalsep = '.');

}  // namespace quorvel
