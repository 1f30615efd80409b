// The user's language in the windows: the translations chosen from the
// desktop's locale, and messages from any layer put into that language.
#pragma once

#include <QLocale>
#include <QString>
#include <string>

namespace quorvel {

/// Loads the windows' translations and Qt's own (its standard buttons and
/// dialogs) for the first language of locale's list that has ours (LANGUAGE,
/// then LC_ALL, LC_MESSAGES, LANG on Linux); none when English comes first.
/// Returns the language chosen ("de"), or "" for English.
QString installtranslations(const QLocale& locale = QLocale::system());

/// A message (or a message box's title) in the user's language: a marked
/// text as it stands, or a message fillin made from a marked pattern, its
/// values translated in turn where they are messages themselves, or each
/// line of such messages. Any other text comes back unchanged.
QString translatemessage(const std::string& english);

/// A message shown on its own, as a status line shows a fault: translated,
/// with a capital first and a full stop last.
QString translatedsentence(const std::string& english);

}  // namespace quorvel
