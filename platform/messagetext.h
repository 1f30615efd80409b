// Messages a window shows in the user's language, written in any layer: the
// text is marked for the translators where it is written and filled in with
// its values there, in English; the window layer translates the whole
// message (translatemessage), values and all. No toolkit here.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

/// Marks a message for the translators (lupdate reads it as
/// QT_TRANSLATE_NOOP): the text itself. The context is "Message" throughout.
#define MESSAGE_TEXT(context, text) text

namespace quorvel {

/// The pattern with %1 to %9 replaced by the values, in order. The pattern
/// is remembered, so that the window layer can recognise the message.
std::string fillin(const char* pattern, std::initializer_list<std::string> values);

/// Every pattern fillin has filled so far in this process.
std::vector<std::string> filledpatterns();

/// How many patterns fillin has filled so far (filledpatterns().size()).
size_t filledcount();

}  // namespace quorvel
