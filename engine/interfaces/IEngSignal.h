#pragma once
// A signal of any arity, as code that only adds and removes listeners sees it.
#include "platform/runtime/Function.h"

namespace engine {

class IEngSignal {
public:
    virtual ~IEngSignal() = default;
    virtual void add(const runtime::Ref<runtime::Function>& listener) = 0;
    virtual void addOnce(const runtime::Ref<runtime::Function>& listener) = 0;
    virtual void remove(const runtime::Ref<runtime::Function>& listener) = 0;
    virtual void removeAll() = 0;
    virtual bool has(const runtime::Ref<runtime::Function>& listener) = 0;
};

}  // namespace engine
