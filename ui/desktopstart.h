// What both window programs do before their window: the command line, the
// folders they work with, the icon, the folder a saved file is proposed in.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QWidget>

#include "launcher.h"
#include "platform.h"
#include "settingsfolder.h"

namespace quorvel {

/// Keeps Qt's own notes off standard error, answers --help and --version
/// without a display, and refuses any other
/// argument with a message. A program given image takes one image file to
/// measure, set there. Returns the exit status when the program should end now.
std::optional<int> commandline(int argc, char** argv, const char* description, std::string* image = nullptr);

/// The folders of a program named in the application: its settings beside it
/// when it may write there, else in the user's configuration folder
/// (created); the help documents beside it or in the installed documents
/// folder. Needs the application to exist.
Folders desktopfolders(const char* settingsfile);

/// The desktop's links of a window program, and its run.
struct Desktop {
    /// Names the application and its desktop entry (so that a dock groups
    /// each program's windows under its own entry), loads the translations
    /// for the desktop's language, sets the window icon, and makes the
    /// user's Pictures folder the current one, where print-to-file and saved
    /// images are proposed.
    Desktop(const char* name, const char* desktopentry);
    QtProgramEnd end;
    DesktopShell shell;
    Clock clock;
    QtMessageBoxes messages;
    /// Starts the window with load (its start-up handler), shows it unless
    /// the start-up ended the program, and runs the event loop.
    int run(QWidget& window, const std::function<void()>& load);
};

/// The user's Pictures folder, else the home folder.
std::string picturesfolder();

}  // namespace quorvel
