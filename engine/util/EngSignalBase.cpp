#include "EngSignalBase.h"

#include <algorithm>

namespace engine {

using runtime::Function;
using runtime::Ref;

namespace {
bool sameListener(const Ref<Function>& a, const Ref<Function>& b) { return a && b && a->sameAs(*b); }
}  // namespace

void EngSignalBase::add(const Ref<Function>& listener) {
    if (listener) registerListener(listener, false);
}

void EngSignalBase::addOnce(const Ref<Function>& listener) {
    if (listener) registerListener(listener, true);
}

void EngSignalBase::remove(const Ref<Function>& listener) {
    if (!listener || !_handlers) return;
    Ref<EngSignalHandler> handler = getHandler(listener);
    if (!handler) return;
    auto it = std::find(_handlers->begin(), _handlers->end(), handler);
    if (it != _handlers->end()) _handlers->erase(it);
    handler->destroy();
}

bool EngSignalBase::has(const Ref<Function>& listener) { return listener && getHandler(listener); }

void EngSignalBase::removeAll() {
    if (!_handlers) return;
    while (!_handlers->empty()) {
        Ref<EngSignalHandler> handler = _handlers->back();
        _handlers->pop_back();
        handler->destroy();
    }
}

void EngSignalBase::destroy() {
    removeAll();
    _handlers.reset();
}

Ref<EngSignalHandler> EngSignalBase::registerListener(const Ref<Function>& listener, bool once) {
    Ref<EngSignalHandler> handler = getHandler(listener);
    if (!handler) {
        handler = runtime::make<EngSignalHandler>(listener, once);
        if (_handlers) _handlers->push_back(handler);
        return handler;
    }
    if (handler->dispatchOnce != once) runtime::Thrown::text(ADD_ONCE_CONFLICT);
    return handler;
}

Ref<EngSignalHandler> EngSignalBase::getHandler(const Ref<Function>& listener) {
    if (!_handlers) return nullptr;
    for (const auto& h : *_handlers)
        if (sameListener(h->listener, listener)) return h;
    return nullptr;
}

void EngSignalBase::dispatchArgs(const runtime::Value* args, int argc) {
    Ref<EngSignalBase> keep(this);
    // The walk sees the list as listeners change it: each round calls the first handler of the
    // current list that this dispatch has not called yet, so appended handlers are reached, and
    // removals neither skip a registered handler nor call a removed one. Handlers are only ever
    // appended, so while the last one called still stands where it was, everything before it has
    // been called and the search goes on after it.
    // Holding the called handlers keeps their addresses from being reused by new ones.
    std::vector<Ref<EngSignalHandler>> called;
    std::size_t next = 0;
    for (;;) {
        if (!_handlers) return;
        auto& list = *_handlers;
        if (!called.empty() && (next == 0 || next > list.size() || list[next - 1] != called.back())) next = 0;
        Ref<EngSignalHandler> handler;
        for (std::size_t i = next; i < list.size(); ++i) {
            if (std::find(called.begin(), called.end(), list[i]) == called.end()) {
                handler = list[i];
                next = i + 1;
                break;
            }
        }
        if (!handler) return;
        called.push_back(handler);
        Ref<Function> listener = handler->listener;
        if (listener) listener->callArgs(args, argc);
        if (handler->dispatchOnce) remove(listener);
    }
}

}  // namespace engine
