#include "Trace.h"

#include <cstdio>

namespace runtime {

namespace {
Trace::Handler& installed() {
    static Trace::Handler h;
    return h;
}
}  // namespace

std::string Trace::format(const Value& value, const Position& pos) {
    return std::string(pos.file) + ":" + std::to_string(pos.line) + ": " + value.toText();
}

void Trace::write(const Value& value, const Position& pos) {
    if (const Handler& h = installed()) {
        h(value, pos);
        return;
    }
    std::string line = format(value, pos) + "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

void Trace::setHandler(Handler h) { installed() = std::move(h); }

Trace::Handler Trace::handler() { return installed(); }

}  // namespace runtime
