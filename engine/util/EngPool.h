#pragma once
// A pool of recycled objects of one class: the object given back last is handed out first; new
// objects are made with no constructor arguments when the pool runs dry.
#include <algorithm>
#include <vector>

#include "platform/runtime/Object.h"

namespace engine {

template <class T>
class EngPool : public runtime::Object {
public:
    EngPool() = default;

    // The last pooled object, or a new one when none is left.
    virtual runtime::Ref<T> get() {
        if (!_pool.empty()) {
            runtime::Ref<T> obj = std::move(_pool.back());
            _pool.pop_back();
            if (obj) return obj;
        }
        return runtime::make<T>();
    }
    // Ignores null and objects already pooled; destroys the object, then keeps it.
    virtual void put(const runtime::Ref<T>& obj) {
        if (!obj || std::find(_pool.begin(), _pool.end(), obj) != _pool.end()) return;
        obj->destroy();
        _pool.push_back(obj);
    }
    // As put, without the search: the same object can end up pooled twice.
    virtual void putUnsafe(const runtime::Ref<T>& obj) {
        if (!obj) return;
        obj->destroy();
        _pool.push_back(obj);
    }
    virtual void preAllocate(int count) {
        for (int i = 0; i < count; ++i) _pool.push_back(runtime::make<T>());
    }
    // Hands over the pooled objects and starts empty.
    virtual std::vector<runtime::Ref<T>> clear() {
        std::vector<runtime::Ref<T>> old;
        old.swap(_pool);
        return old;
    }
    virtual int get_length() const { return static_cast<int>(_pool.size()); }

    std::vector<runtime::Ref<T>> _pool;
};

}  // namespace engine
