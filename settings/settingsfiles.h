// The settings files of both programs: reading at start-up, saving after a draw.
#pragma once

#include <cstdint>
#include <string>

#include "messagetext.h"
#include "obsinput.h"
#include "settingsfolder.h"
#include "settingsform.h"
#include "settingsrec.h"
#include "stylesizes.h"
#include "viewopts.h"

namespace quorvel {

enum class Program { quorvel, quorvel_g };

inline constexpr const char* QUORVEL_SETTINGS_FILE = "orra.ini";
inline constexpr const char* GRAPHICS_SETTINGS_FILE = "orrag.ini";
inline constexpr const char* GRAPHICS_BACKUP_FILE = "orragold.ini";


/// What a program holds of its settings for its whole run.
struct SettingsState {
    SettingsRec rec;   ///< as read; the fields the program does not own pass through its saves
    float inilat = 0;  ///< latitude as last loaded or saved, degrees
    float inilong = 0; ///< longitude as last loaded or saved, degrees, east negative
    bool firststart = false;  ///< no settings file was found: the defaults of a first start
    std::string notice;       ///< what the start says once of a file it did not use, else empty
};

/// Where quorvel_g's window opens when no stored place of it is usable, twips.
inline constexpr TwipsRect GRAPHICS_WINDOW_FIRST{300, 100, 12900, 11100};


/// The design's style panel: the five size texts, "Equator" and "Axes"
/// checked, the design's colours.
void applydefaultstyle(SettingsForm& form, StyleOpts& style);

/// The eight colours of the presentation style, from a record and into one.
void recordcolours(const SettingsRec& rec, StyleOpts& style);
void storecolours(const StyleOpts& style, SettingsRec& rec);

/// The program's own settings file name.
const char* settingsfilename(Program program);

/// Reads the program's settings file in folders.settings (quorvel_g's first
/// run imports "orra.ini" from folders.viewersettings) and sets the record,
/// the module values and the window's fields and check boxes.
///
/// Returns done, or the I/O outcome of a file that exists and cannot be read
/// (startupmessage; the program then ends).
///
/// Notes:
/// 1. Without any settings file a program starts from the all-zero record
///    (quorvel_g with the design's style) and sets state.firststart; quorvel
///    creates the empty file where it can.
/// 2. A record that no save writes (unsavedfield) is not used: the program
///    starts as in note 1, its own file is renamed NAME.bad, and
///    state.notice says so once.
/// 3. quorvel_g copies a sound "orrag.ini" to "orragold.ini"; on its first
///    run it takes "orra.ini" as its "orrag.ini".
/// 4. A stored quorvel_g window that would be invisible opens at left 300,
///    top 100, width 12900, height 11100 twips.
/// 5. A record quorvel_g never wrote (offset 10 is not 100: quorvel's file,
///    an empty file) gives quorvel_g the design's style, and its place, zone
///    and options as usual.
Outcome loadsettings(Program program, const Folders& folders, SettingsForm& form,
                 SettingsState& state, ObsInput& obs, ViewOpts& view, StyleOpts& style);

/// The part of loadsettings after the reading: sets the record, the module
/// values and the window's fields from a decoded record.
void applyrecord(Program program, const SettingsRec& rec, SettingsForm& form, SettingsState& state,
                 ObsInput& obs, ViewOpts& view, StyleOpts& style);

/// The message of a start-up failure: the outcome's sentence, then that the
/// program cannot run.
std::string startupmessage(const Outcome& failure);
inline constexpr const char* STARTUP_MESSAGE_TITLE = MESSAGE_TEXT("Message", "File Error");
inline constexpr const char* SETTINGS_NOTICE_TITLE = MESSAGE_TEXT("Message", "Settings");

/// Reads the window's fields, updates the record and replaces the settings
/// file. Returns done; an input fault when a value does not fit its field,
/// an I/O outcome when the file could not be written; the old file is then
/// exactly as it was. The caller shows the message (SAVE_MESSAGE_TITLE).
Outcome writeini(Program program, const Folders& folders, SettingsForm& form,
                 SettingsState& state, ObsInput& obs, ViewOpts& view, const StyleOpts& style);

inline constexpr const char* SAVE_MESSAGE_TITLE = MESSAGE_TEXT("Message", "Settings not saved");

}  // namespace quorvel
