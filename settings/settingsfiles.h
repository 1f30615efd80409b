// The settings files of both programs: reading at start-up, saving after a draw.
#pragma once

#include <cstdint>
#include <string>

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
};

/// Where quorvel_g's window opens when no stored place of it is usable, twips.
inline constexpr TwipsRect GRAPHICS_WINDOW_FIRST{300, 100, 12900, 11100};

/// What quorvel_g writes at offset 10: a record without it holds no style.
inline constexpr int16_t GRAPHICS_RECORD_MARK = 100;

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
/// Returns done, or an I/O outcome whose fault number the start-up message
/// shows (startupmessage; the program then ends): 53 when quorvel_g finds
/// neither "orrag.ini" nor "orra.ini", 70 or 57 when a file cannot be read.
///
/// Notes:
/// 1. quorvel without "orra.ini" starts from an all-zero record (it creates
///    the empty file where it can).
/// 2. quorvel_g first copies "orrag.ini" to "orragold.ini"; on its first run
///    it takes "orra.ini" as its "orrag.ini".
/// 3. A stored quorvel_g window that would be invisible opens at left 300,
///    top 100, width 12900, height 11100 twips.
/// 4. A record quorvel_g never wrote (offset 10 is not 100: quorvel's file,
///    an empty file) gives quorvel_g the design's style, and its place, zone
///    and options as usual.
Outcome loadsettings(Program program, const Folders& folders, SettingsForm& form,
                 SettingsState& state, ObsInput& obs, ViewOpts& view, StyleOpts& style);

/// The part of loadsettings after the reading: sets the record, the module
/// values and the window's fields from a decoded record.
void applyrecord(Program program, const SettingsRec& rec, SettingsForm& form, SettingsState& state,
                 ObsInput& obs, ViewOpts& view, StyleOpts& style);

/// The message and title of a start-up failure; loadstep counts quorvel_g's
/// start-up steps.
std::string startupmessage(Program program, int fault, int loadstep);
inline constexpr const char* STARTUP_MESSAGE_TITLE = "File Error";

/// Reads the window's fields, updates the record and replaces the settings
/// file. Returns done; an input fault when a value does not fit its field,
/// an I/O outcome when the file could not be written; the old file is then
/// exactly as it was. The caller shows the message (SAVE_MESSAGE_TITLE).
Outcome writeini(Program program, const Folders& folders, SettingsForm& form,
                 SettingsState& state, ObsInput& obs, ViewOpts& view, const StyleOpts& style);

inline constexpr const char* SAVE_MESSAGE_TITLE = "Settings not saved";

}  // namespace quorvel
