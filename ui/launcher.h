// Opening a document with its registered application, or starting a program,
// from a command line: the shell's way, with a plain program start as fallback.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "outcome.h"

namespace quorvel {

/// A command line taken apart.
struct SplitCommand {
    std::string command;     ///< the command line after quote removal
    std::string file;        ///< the program or document
    std::string parameters;  ///< what follows it, leading blanks removed
    std::string folder;      ///< the working folder; empty for the current folder
};

/// Splits a command line as the shell is given it.
///
/// Notes:
/// 1. A name in double quotes may hold blanks: "C:\My Tools\viewer.exe" /x
///    gives the file C:\My Tools\viewer.exe and the parameters /x.
/// 2. Without a folder argument the folder is the name's own: up to its last
///    "\" or "/" (kept after a drive colon, "C:\", or when it is the first
///    character), else the current folder (empty).
SplitCommand splitcommand(const std::string& command, const std::optional<std::string>& folder = {});

/// The services of the platform's shell, replaceable in tests.
class ShellService {
public:
    virtual ~ShellService() = default;
    /// Opens a document with its application or starts a program, without
    /// waiting. Returns done, or an I/O outcome: FAULT_FILE_NOT_FOUND when
    /// the file is not there, FAULT_PERMISSION_DENIED for a program that may
    /// not be run, FAULT_DEVICE_IO when nothing opens the document.
    virtual Outcome open(const std::string& file, const std::string& parameters, const std::string& folder) = 0;
    /// The plain program start of a whole command line, its program looked
    /// for in folder (the current folder when empty). Returns done, or an I/O
    /// outcome: FAULT_FILE_NOT_FOUND when the program is not there,
    /// FAULT_PERMISSION_DENIED when it may not be run, FAULT_DEVICE_IO when
    /// it did not start.
    virtual Outcome startprogram(const std::string& commandline, const std::string& folder) = 0;
};

/// Hands a command line to the shell. When the shell fails, the command line
/// is started as a program, whose outcome is returned. command is rewritten
/// without its quotes when it starts with one.
Outcome launch(ShellService& shell, std::string& command, const std::optional<std::string>& folder = {});

/// The shell of this desktop: the document opener (xdg-open) for documents,
/// a detached process for programs (a file that starts with an ELF header or
/// "#!").
class DesktopShell : public ShellService {
public:
    explicit DesktopShell(std::string opener = "xdg-open") : opener_(std::move(opener)) {}
    Outcome open(const std::string& file, const std::string& parameters, const std::string& folder) override;
    Outcome startprogram(const std::string& commandline, const std::string& folder) override;
    /// Told, once the window's events run again, when the opener ended
    /// without opening a document it had accepted.
    std::function<void(const std::string& message)> failed;

private:
    std::string opener_;
};

}  // namespace quorvel
