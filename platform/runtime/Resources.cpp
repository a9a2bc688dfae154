#include "Resources.h"

#include <map>
#include <mutex>

namespace runtime {

namespace {
struct Registry {
    std::mutex mutex;
    std::map<std::string, const Resources::Entry*, std::less<>> byName;
};

Registry& registry() {
    static Registry* r = new Registry();  // outlives every table's removal at exit
    return *r;
}

const Resources::Entry* find(std::string_view name) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.byName.find(name);
    return it == r.byName.end() ? nullptr : it->second;
}
}  // namespace

Ref<Bytes> Resources::get(std::string_view name) {
    const Entry* e = find(name);
    if (!e) return Ref<Bytes>();
    return make<Bytes>(std::vector<uint8_t>(e->data, e->data + e->size));
}

std::span<const uint8_t> Resources::data(std::string_view name, bool* found) {
    const Entry* e = find(name);
    if (found) *found = e != nullptr;
    return e ? std::span<const uint8_t>(e->data, e->size) : std::span<const uint8_t>();
}

bool Resources::exists(std::string_view name) { return find(name) != nullptr; }

std::vector<std::string> Resources::names() {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    std::vector<std::string> out;
    out.reserve(r.byName.size());
    for (const auto& [name, entry] : r.byName) out.push_back(name);
    return out;
}

void Resources::add(const Entry* entries, std::size_t count) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    for (std::size_t i = 0; i < count; ++i) r.byName.emplace(entries[i].name, &entries[i]);
}

void Resources::remove(const Entry* entries, std::size_t count) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    for (std::size_t i = 0; i < count; ++i) {
        auto it = r.byName.find(std::string_view(entries[i].name));
        if (it != r.byName.end() && it->second == &entries[i]) r.byName.erase(it);
    }
}

}  // namespace runtime
