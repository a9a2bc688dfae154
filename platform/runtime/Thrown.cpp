#include "Thrown.h"

#include <execinfo.h>

#include <cstdlib>
#include <memory>

namespace runtime {

namespace {
thread_local const std::vector<std::string>* tlsStack = nullptr;
const std::vector<std::string> NO_STACK;

std::vector<std::string> captureStack() {
    void* frames[32];
    int n = backtrace(frames, 32);
    std::vector<std::string> out;
    std::unique_ptr<char*, decltype(&std::free)> names(backtrace_symbols(frames, n), &std::free);
    // Skip the capture itself and the Thrown constructor.
    for (int i = 2; names && i < n; ++i) out.emplace_back(names.get()[i]);
    return out;
}
}  // namespace

Thrown::Thrown(Value value) : value_(std::move(value)), text_(value_.toText()), stack_(captureStack()) {}

void Thrown::text(const std::string& message) { throw Thrown(Value(message)); }

const std::vector<std::string>& Thrown::currentCallStack() { return tlsStack ? *tlsStack : NO_STACK; }

Thrown::Scope::Scope(const std::exception_ptr& e) : previous_(tlsStack) {
    tlsStack = &NO_STACK;
    try {
        if (e) std::rethrow_exception(e);
    } catch (const Thrown& t) {
        tlsStack = &t.callStack();
    } catch (...) {
    }
}

Thrown::Scope::~Scope() { tlsStack = previous_; }

}  // namespace runtime
