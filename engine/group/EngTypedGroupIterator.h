#pragma once
// Walks a group's member array, skipping empty entries and those the filter rejects.
#include <functional>
#include <vector>

#include "engine/EngBasic.h"

namespace engine {

class EngTypedGroupIterator : public runtime::Object {
public:
    using Filter = std::function<bool(EngBasic*)>;
    EngTypedGroupIterator(std::vector<runtime::Ref<EngBasic>> members, Filter filter = nullptr)
        : _groupMembers(std::move(members)), _filter(std::move(filter)), _length(static_cast<int>(_groupMembers.size())) {}

    virtual bool hasNext() {
        while (_cursor < _length) {
            EngBasic* m = _groupMembers[_cursor].get();
            if (m && (!_filter || _filter(m))) return true;
            ++_cursor;
        }
        return false;
    }
    virtual runtime::Ref<EngBasic> next() { return hasNext() ? _groupMembers[_cursor++] : nullptr; }

private:
    std::vector<runtime::Ref<EngBasic>> _groupMembers;
    Filter _filter;
    int _cursor = 0;
    int _length;
};

}  // namespace engine
