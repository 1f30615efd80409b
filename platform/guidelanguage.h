// Which translation of a guide to open: the desktop's language when the
// guide is there in it, English otherwise.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quorvel {

/// The file name of a guide in a language: "helpqv.pdf" for English (or an
/// empty code), "helpqv.de.pdf" for German.
std::string guidefile(const std::string& guide, const std::string& language);

/// The guide to open for a desktop whose languages are uilanguages, most
/// preferred first, as the system names them ("de-DE", "fr_CA", "en").
///
/// Given:
///   guide        the English guide's file name, "helpqv.pdf"
///   uilanguages  the desktop's languages, most preferred first
///   present      whether a file of that name is there to open
/// Returns the first language of the list that is English, or whose guide
/// is present; else the English guide.
///
/// Notes:
/// 1. A language whose guide is not installed is passed over, so that a
///    Dutch desktop that also reads German gets the German guide.
/// 2. The English guide is returned whether or not it is there: opening it
///    says when it is missing.
std::string guideforlanguages(const std::string& guide, const std::vector<std::string>& uilanguages,
                              const std::function<bool(const std::string&)>& present);

}  // namespace quorvel
