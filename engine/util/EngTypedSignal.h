#pragma once
// A typed handle over the signal whose arity is the listener's number of arguments.
#include <type_traits>

#include "engine/util/EngSignal0.h"
#include "engine/util/EngSignal1.h"
#include "engine/util/EngSignal2.h"
#include "engine/util/EngSignal3.h"
#include "engine/util/EngSignal4.h"

namespace engine {

template <class... A>
class EngTypedSignal {
    static_assert(sizeof...(A) <= 4, "signals take at most four arguments");
    using Signal = std::conditional_t<
        sizeof...(A) == 0, EngSignal0,
        std::conditional_t<sizeof...(A) == 1, EngSignal1,
                           std::conditional_t<sizeof...(A) == 2, EngSignal2,
                                              std::conditional_t<sizeof...(A) == 3, EngSignal3, EngSignal4>>>>;

public:
    EngTypedSignal() : signal_(runtime::make<Signal>()) {}

    void add(const runtime::Ref<runtime::Function>& listener) { signal_->add(listener); }
    void addOnce(const runtime::Ref<runtime::Function>& listener) { signal_->addOnce(listener); }
    void remove(const runtime::Ref<runtime::Function>& listener) { signal_->remove(listener); }
    bool has(const runtime::Ref<runtime::Function>& listener) { return signal_->has(listener); }
    void removeAll() { signal_->removeAll(); }
    void dispatch(const A&... args) {
        const runtime::Value values[] = {runtime::Value(args)..., runtime::Value()};
        signal_->dispatchArgs(values, static_cast<int>(sizeof...(A)));
    }
    const runtime::Ref<Signal>& signal() const { return signal_; }

private:
    runtime::Ref<Signal> signal_;
};

}  // namespace engine
