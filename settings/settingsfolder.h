// Where a program keeps its settings file: beside the program when it may
// write there (a portable folder: the build tree, a USB stick), otherwise in
// the user's configuration folder, as installed programs do.
#pragma once

#include <string>

namespace quorvel {

/// The folders a window program works with.
struct Folders {
    Folders() = default;
    /// Everything in one folder, as in a portable program folder.
    Folders(std::string one) : program(one), settings(one), viewersettings(one), documents(one) {}  // NOLINT
    std::string program;         ///< where the programs are (quorvel_g beside quorvel)
    std::string settings;        ///< where this program's settings file lives
    std::string viewersettings;  ///< where quorvel's "orra.ini" lives, which quorvel_g imports
    std::string documents;       ///< where the help documents are
};

/// The folder for file: program when file may be written there (it exists
/// and may be written, or the folder may take a new one), otherwise config.
std::string settingsfolder(const std::string& program, const char* file, const std::string& config);

}  // namespace quorvel
