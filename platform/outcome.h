// What a recoverable operation came to: done, or the kind of failure and a
// sentence for the user. The kind decides the exit status of quorvel_cli.
#pragma once

#include <string>
#include <utility>

namespace quorvel {

enum class OutcomeKind {
    done = 0,        ///< written, drawn, answered
    inputfault = 1,  ///< an input failed its check (or a value the record cannot hold)
    usage = 2,       ///< the request itself is malformed (an option, an ending, a step)
    io = 3,          ///< a file that cannot be read or written
    fault = 4,       ///< a run-time fault: the program cannot go on (a window ends; a command exits 1)
};

/// The file faults an I/O outcome may carry, by the numbers the start-up
/// messages show.
inline constexpr int FAULT_FILE_NOT_FOUND = 53;
inline constexpr int FAULT_DEVICE_IO = 57;
inline constexpr int FAULT_PERMISSION_DENIED = 70;

struct Outcome {
    OutcomeKind kind = OutcomeKind::done;
    std::string message;  ///< empty when done
    int fault = 0;        ///< an I/O outcome's fault number (FAULT_...), a run-time fault's number, else 0

    static Outcome ok() { return {}; }
    static Outcome input(std::string m) { return {OutcomeKind::inputfault, std::move(m)}; }
    static Outcome usage(std::string m) { return {OutcomeKind::usage, std::move(m)}; }
    static Outcome io(std::string m, int fault = FAULT_DEVICE_IO) { return {OutcomeKind::io, std::move(m), fault}; }

    static Outcome runtimefault(std::string m, int number) { return {OutcomeKind::fault, std::move(m), number}; }

    bool done() const { return kind == OutcomeKind::done; }
    /// 0 done, 1 input fault or run-time fault, 2 usage error, 3 a file.
    int exitstatus() const { return kind == OutcomeKind::fault ? 1 : static_cast<int>(kind); }
};

}  // namespace quorvel
