#include "Member.h"

#include "Thrown.h"

namespace runtime {

Value Member::read(Object* o, bool propertyAccess) const {
    if (!propertyAccess && rawGet) return rawGet(o);
    if (shadowed && (!propertyAccess && kind == Kind::Property)) {
        Value* slot = o->shadowSlot(name, false);
        return slot ? *slot : Value();
    }
    return get ? get(o) : Value();
}

void Member::write(Object* o, const Value& v, bool propertyAccess) const {
    if (!propertyAccess && rawSet) return rawSet(o, v);
    if (!set && shadowed && o) {
        *o->shadowSlot(name, true) = v;
        return;
    }
    if (!set) Thrown::text("Cannot write the read-only member " + name);
    set(o, v);
}

}  // namespace runtime
