#pragma once
// Process-wide memory services. Objects are reference counted and freed when their last
// reference goes, so there is no collector: a full collection has nothing left to do, and the
// bytes in use are the process's resident memory.
#include <cstddef>

namespace runtime {

class Heap {
public:
    // Runs a full collection: unreachable objects are already freed, so this returns at once.
    static void collect() {}
    // Resident memory of the process in bytes (0 when the system does not tell).
    static std::size_t bytesInUse();
};

}  // namespace runtime
