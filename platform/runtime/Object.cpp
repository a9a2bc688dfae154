#include "Object.h"

#include <cstdio>

#include "ClassInfo.h"
#include "Thrown.h"
#include "Value.h"

namespace runtime {

struct Object::DynamicFields {
    std::vector<std::pair<std::string, Value>> fields;
    std::vector<std::pair<std::string, Value>> shadow;
};

namespace {
Value* findOrAdd(std::vector<std::pair<std::string, Value>>& list, std::string_view name, bool create) {
    for (auto& f : list)
        if (f.first == name) return &f.second;
    if (!create) return nullptr;
    list.emplace_back(std::string(name), Value());
    return &list.back().second;
}
}  // namespace

Value* Object::shadowSlot(std::string_view name, bool create) {
    if (!dynamicFields_) {
        if (!create) return nullptr;
        dynamicFields_ = new DynamicFields();
    }
    return findOrAdd(dynamicFields_->shadow, name, create);
}

Object::~Object() {
    delete dynamicFields_;
    if (weak_) {
        weak_->target = nullptr;
        weak_->release();
    }
}

WeakFlag* Object::weakFlag() const {
    if (!weak_) weak_ = new WeakFlag(const_cast<Object*>(this));
    return weak_;
}

Value Object::getField(std::string_view name, bool propertyAccess) {
    if (const ClassInfo* ci = classInfo()) {
        if (const Member* m = ci->findMember(name)) return m->read(this, propertyAccess);
    }
    if (Value* slot = dynamicSlot(name, false)) return *slot;
    return Value();
}

void Object::setField(std::string_view name, const Value& value, bool propertyAccess) {
    if (const ClassInfo* ci = classInfo()) {
        if (const Member* m = ci->findMember(name)) {
            m->write(this, value, propertyAccess);
            return;
        }
    }
    if (Value* slot = dynamicSlot(name, true)) {
        *slot = value;
        return;
    }
    const ClassInfo* ci = classInfo();
    throw Thrown(Value(std::string(ci ? ci->name() : "Object") + " has no field " + std::string(name)));
}

bool Object::hasField(std::string_view name) const {
    if (const ClassInfo* ci = classInfo(); ci && ci->findMember(name)) return true;
    return const_cast<Object*>(this)->dynamicSlot(name, false) != nullptr;
}

std::vector<std::string> Object::fieldNames() const {
    std::vector<std::string> out;
    if (const ClassInfo* ci = classInfo()) out = ci->instanceFieldNames();
    dynamicNames(out);
    return out;
}

std::string Object::toString() const {
    if (const ClassInfo* ci = classInfo()) return ci->name();
    return "[object]";
}

Value* Object::dynamicSlot(std::string_view name, bool create) {
    const ClassInfo* ci = classInfo();
    if (!ci || !ci->isDynamic()) return nullptr;
    if (!dynamicFields_) {
        if (!create) return nullptr;
        dynamicFields_ = new DynamicFields();
    }
    return findOrAdd(dynamicFields_->fields, name, create);
}

void Object::dynamicNames(std::vector<std::string>& out) const {
    if (dynamicFields_)
        for (const auto& f : dynamicFields_->fields) out.push_back(f.first);
}

}  // namespace runtime
