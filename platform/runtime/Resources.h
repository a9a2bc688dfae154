#pragma once
// Resources embedded in the program at build time (CMake: glv_embed_resources), reached by
// name. Each embedding target registers its table before main and removes it when unloaded.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Bytes.h"

namespace runtime {

class Resources {
public:
    struct Entry {
        const char* name;
        const uint8_t* data;
        std::size_t size;
    };

    // A new buffer holding a copy of the resource's bytes; null when no resource has the name.
    static Ref<Bytes> get(std::string_view name);
    // The resource's bytes in place (they live as long as the program); empty when absent,
    // with found telling an absent resource from an empty one.
    static std::span<const uint8_t> data(std::string_view name, bool* found = nullptr);
    static bool exists(std::string_view name);
    // Every resource name, sorted.
    static std::vector<std::string> names();

    // Adds a table of count entries. A name that is already registered keeps its first bytes
    // and the new entry is ignored. Used by generated code.
    static void add(const Entry* entries, std::size_t count);
    // Removes the entries that add registered from this table.
    static void remove(const Entry* entries, std::size_t count);
};

}  // namespace runtime
