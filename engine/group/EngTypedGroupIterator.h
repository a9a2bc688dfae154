#pragma once
// Walks a group's member list (the list itself, not a copy), skipping empty slots and those the
// filter rejects. Slots past the length the list had at the start are not visited.
#include <functional>
#include <vector>

#include "engine/EngBasic.h"

namespace engine {

class EngTypedGroupIterator : public runtime::Object {
public:
    using Filter = std::function<bool(EngBasic*)>;
    // owner keeps the list alive while the iterator walks it.
    EngTypedGroupIterator(runtime::Ref<runtime::Object> owner, const std::vector<runtime::Ref<EngBasic>>* members,
                          Filter filter = nullptr)
        : _owner(std::move(owner)), _groupMembers(members), _filter(std::move(filter)),
          _length(members ? static_cast<int>(members->size()) : 0) {}

    virtual bool hasNext() {
        while (_cursor < _length) {
            EngBasic* m = slot(_cursor);
            if (m && (!_filter || _filter(m))) return true;
            ++_cursor;
        }
        return false;
    }
    virtual runtime::Ref<EngBasic> next() { return hasNext() ? runtime::Ref<EngBasic>(slot(_cursor++)) : nullptr; }

private:
    // A slot past the list's current end reads as empty.
    EngBasic* slot(int i) const {
        return i < static_cast<int>(_groupMembers->size()) ? (*_groupMembers)[static_cast<std::size_t>(i)].get() : nullptr;
    }

    runtime::Ref<runtime::Object> _owner;
    const std::vector<runtime::Ref<EngBasic>>* _groupMembers;
    Filter _filter;
    int _cursor = 0;
    int _length;
};

}  // namespace engine
