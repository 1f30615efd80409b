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
};

struct Outcome {
    OutcomeKind kind = OutcomeKind::done;
    std::string message;  ///< empty when done

    static Outcome ok() { return {}; }
    static Outcome input(std::string m) { return {OutcomeKind::inputfault, std::move(m)}; }
    static Outcome usage(std::string m) { return {OutcomeKind::usage, std::move(m)}; }
    static Outcome io(std::string m) { return {OutcomeKind::io, std::move(m)}; }

    bool done() const { return kind == OutcomeKind::done; }
    /// 0 done, 1 input fault, 2 usage error, 3 a file.
    int exitstatus() const { return static_cast<int>(kind); }
};

}  // namespace quorvel
