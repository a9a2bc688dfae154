#pragma once
// Process-wide services: leaving the program, memory, and the back end's device identifier.
#include <cstdint>

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Primitive.h"

namespace framework {

class System : public runtime::Object {
    RUNTIME_CLASS(System)
public:
    static inline runtime::Primitive media_get_unique_device_identifier;
    static void initClass();

    // The back end's device identifier, asked anew on every read (null when it answers nothing).
    static runtime::String get_deviceID();
    // Bytes in use by the program, at most the largest Int.
    static int32_t get_totalMemory();
    // Closes the main frame; code does not become the exit status.
    static void exit(int32_t code);
    // A full collection (objects are freed as their last reference goes, so nothing is left).
    static void gc();

    // Plain statics under the property names: writes by name land here, and the getters
    // ignore them.
    static inline runtime::String deviceID;
    static inline int32_t totalMemory = 0;
};

}  // namespace framework
