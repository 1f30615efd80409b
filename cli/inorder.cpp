#include "inorder.h"

#include <sched.h>

namespace quorvel::cli {

unsigned usablecores() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) != 0) return 1;
    const int n = CPU_COUNT(&set);
    return n > 0 ? static_cast<unsigned>(n) : 1;
}

}  // namespace quorvel::cli
