// Weak references kept for the framework's WeakRef: a handle names a value that reads null once
// the object is gone. Entries whose owner or value died are dropped as new ones are made.
#include <map>
#include <mutex>

#include "platform/media/MediaExport.h"
#include "platform/runtime/Object.h"

using runtime::Value;

namespace {
struct Entry {
    runtime::Weak<runtime::Object> owner;
    runtime::Weak<runtime::Object> object;  // objects and functions
    Value plain;                            // anything else is kept as it is
};

struct Table {
    std::mutex lock;
    std::map<int, Entry> entries;
    int next = 1;
    std::size_t sweepAt = 64;
};

Table& table() {
    static Table* t = new Table();
    return *t;
}

void sweep(Table& t) {
    for (auto it = t.entries.begin(); it != t.entries.end();) {
        bool dead = !it->second.owner || (it->second.plain.isNull() && !it->second.object);
        it = dead ? t.entries.erase(it) : std::next(it);
    }
    t.sweepAt = t.entries.size() * 2 + 64;
}
}  // namespace

MEDIA_EXPORT(media_native_weak_ref_create, 2) {
    Value value = MEDIA_ARG(1);
    if (value.isNull()) return Value(0);
    Table& t = table();
    std::lock_guard<std::mutex> guard(t.lock);
    if (t.entries.size() >= t.sweepAt) sweep(t);
    Entry e;
    e.owner = runtime::Weak<runtime::Object>(MEDIA_ARG(0).object());
    if (value.object()) e.object = runtime::Weak<runtime::Object>(value.object());
    else e.plain = value;
    int id = t.next++;
    t.entries.emplace(id, std::move(e));
    return Value(id);
}

MEDIA_EXPORT(media_native_weak_ref_get, 1) {
    Table& t = table();
    std::lock_guard<std::mutex> guard(t.lock);
    auto it = t.entries.find(MEDIA_ARG(0).toInt());
    if (it == t.entries.end()) return {};
    if (!it->second.plain.isNull()) return it->second.plain;
    if (runtime::Ref<runtime::Object> o = it->second.object.lock()) return Value(o.get());
    t.entries.erase(it);
    return {};
}
