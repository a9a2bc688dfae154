#pragma once
// Engine text helpers used by the core: the uniform debug text and the class-name comparison.
#include <string>
#include <vector>

#include "platform/runtime/Value.h"

namespace runtime {
class ClassInfo;
}

namespace engine {

class LabelValuePair;

class EngStringUtil {
public:
    // "(label: value | label: value)"; numbers rounded to the debugger's precision. Every pair
    // goes back to its pool.
    static std::string getDebugString(const std::vector<runtime::Ref<LabelValuePair>>& pairs);
    // Compares the class names of two objects (or classes); with simple, only the part after
    // the last "." counts. Two missing names are equal.
    static bool sameClassName(const runtime::Object* a, const runtime::Object* b, bool simple = true);
    static bool sameClassName(const runtime::ClassInfo* a, const runtime::ClassInfo* b, bool simple = true);
};

}  // namespace engine
