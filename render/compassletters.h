// The letters of the compass points on a picture.
#pragma once

#include <string>

namespace quorvel {

/// The letters of the compass points as a picture shows them: English for
/// files and scripts, the window's language in the windows (translatedcompass).
struct CompassLetters {
    std::string north = "N", east = "E", south = "S", west = "W";
};

/// The letters in the language of the translations installed (Qt).
CompassLetters translatedcompass();

}  // namespace quorvel
