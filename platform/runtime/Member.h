#pragma once
// One entry of a class's member table for access by name.
#include <string>

#include "Value.h"

namespace runtime {

struct Member {
    enum class Kind : unsigned char { Field, Property, Method };

    std::string name;
    Kind kind = Kind::Field;
    // With property access (and for every plain field). A null setter makes the member read-only.
    Value (*get)(Object*) = nullptr;
    void (*set)(Object*, const Value&) = nullptr;
    // Without property access, when they differ from get/set (storage of the member's own).
    Value (*rawGet)(Object*) = nullptr;
    void (*rawSet)(Object*, const Value&) = nullptr;
    // Numeric fast path for numeric fields and properties (the tween library uses it every frame).
    double (*getNumber)(Object*) = nullptr;
    void (*setNumber)(Object*, double) = nullptr;
    // For plain double fields: the field's storage in an object (a write there is setNumber's).
    double* (*doubleField)(Object*) = nullptr;
    // Without a setter, writes by name go to the object's shadow slot; without property access,
    // a shadowed property (one with a getter but no storage) reads that slot.
    bool shadowed = false;

    bool listed() const { return kind != Kind::Method; }
    Value read(Object* o, bool propertyAccess) const;
    void write(Object* o, const Value& v, bool propertyAccess) const;
    double readNumber(Object* o) const { return getNumber ? getNumber(o) : read(o, true).toFloat(); }
    void writeNumber(Object* o, double v) const {
        if (setNumber) setNumber(o, v);
        else write(o, Value(v), true);
    }
};

}  // namespace runtime
