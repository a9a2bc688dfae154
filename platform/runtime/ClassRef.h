#pragma once
// A registered class as a value, for callers that name a class where a Value is expected (a
// record entry, an argument list).
#include <string>

#include "ClassInfo.h"
#include "Value.h"

namespace runtime {

class ClassRef : public Object {
public:
    explicit ClassRef(const ClassInfo& info) : info(info) {}

    static Ref<ClassRef> of(const ClassInfo& info) { return make<ClassRef>(info); }
    template <class T>
    static Ref<ClassRef> of() { return of(T::staticClass()); }

    // The object is an instance of this class or of one derived from it.
    bool isInstance(const Object* o) const;
    // A new instance through the class's constructor factory, without arguments; null when the
    // class has none.
    Ref<Object> create() const;

    std::string toString() const override;  // "[class Name]"

    const ClassInfo& info;
};

}  // namespace runtime
