#pragma once
// The trace facility: one replaceable program-wide handler; every line carries its source
// file and line.
#include <functional>
#include <string>

#include "Value.h"

namespace runtime {

class Trace {
public:
    struct Position {
        const char* file;  // base name of the source file
        int line;
    };
    using Handler = std::function<void(const Value& value, const Position& pos)>;

    static void write(const Value& value, const Position& pos);
    // "file:line: text"
    static std::string format(const Value& value, const Position& pos);
    // Replaces the handler; an empty handler restores the default (standard output).
    static void setHandler(Handler h);
    // The installed handler; empty while the default is in use.
    static Handler handler();

    static constexpr const char* baseName(const char* path) {
        const char* base = path;
        for (const char* p = path; *p; ++p)
            if (*p == '/' || *p == '\\') base = p + 1;
        return base;
    }
};

}  // namespace runtime

#define RUNTIME_TRACE(value) \
    ::runtime::Trace::write((value), ::runtime::Trace::Position{::runtime::Trace::baseName(__FILE__), __LINE__})
