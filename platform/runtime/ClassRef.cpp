#include "ClassRef.h"

namespace runtime {

bool ClassRef::isInstance(const Object* o) const {
    const ClassInfo* ci = o ? o->classInfo() : nullptr;
    return ci && ci->isSubclassOf(&info);
}

Ref<Object> ClassRef::create() const { return info.create(nullptr, 0); }

std::string ClassRef::toString() const { return "[class " + info.shortName() + "]"; }

}  // namespace runtime
