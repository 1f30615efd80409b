// Where a program keeps its settings file: beside the program when it may
// write there (a portable folder: the build tree, a USB stick), otherwise in
// the user's configuration folder, as installed programs do.
#pragma once

#include <functional>
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

/// Whether this process may write the file or folder at a path.
using WritableCheck = std::function<bool(const std::string& path)>;
bool maywrite(const std::string& path);

/// The folder for file: program when file may be kept there, otherwise config.
///
/// Notes:
/// 1. A file is saved by renaming a new file over its name, so the program
///    folder must be a folder that may be written, and a file already there
///    must be writable too: a file made read-only stays as it is, its
///    program's settings going to config.
/// 2. writable is the check of a path, replaceable in tests (as root every
///    path may be written).
std::string settingsfolder(const std::string& program, const char* file, const std::string& config,
                           const WritableCheck& writable = maywrite);

}  // namespace quorvel
