// The one exception type of unexpected run-time faults. The few error traps
// (start-up, the draw routine, the help button) catch it and report its number.
#pragma once

#include <stdexcept>
#include <string>

namespace quorvel {

struct RuntimeFault : std::runtime_error {
    RuntimeFault(int number, const std::string& what) : std::runtime_error(what), number(number) {}
    int number;  ///< 6 overflow, 9 subscript out of range, 11 division by zero, 53 file not found, ...
};

}  // namespace quorvel
