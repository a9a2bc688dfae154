#pragma once
// Base of every runtime object: intrusive reference count, weak flag, access by name.
#include <atomic>
#include <string>
#include <string_view>
#include <vector>

#include "Ref.h"

namespace runtime {

class ClassInfo;
class Value;
class WeakFlag;

class Object {
public:
    Object() = default;
    Object(const Object&) : Object() {}
    Object& operator=(const Object&) { return *this; }
    virtual ~Object();

    void retainRef() const { refs_.fetch_add(1, std::memory_order_relaxed); }
    // Named apart from anything a subclass might call release().
    void releaseRef() const {
        if (refs_.fetch_sub(1, std::memory_order_acq_rel) == 1) delete this;
    }
    int refCount() const { return refs_.load(std::memory_order_relaxed); }

    // The class this object was registered as; null for plain records.
    virtual const ClassInfo* classInfo() const { return nullptr; }

    // Access by name. With propertyAccess a property runs its getter or setter; without it a
    // member may answer from storage of its own (see Member). Undeclared names read as null;
    // writing one fails unless the object accepts dynamic fields.
    virtual Value getField(std::string_view name, bool propertyAccess = true);
    virtual void setField(std::string_view name, const Value& value, bool propertyAccess = true);
    virtual bool hasField(std::string_view name) const;
    // Instance fields: the class's own in declaration order, then its bases', then dynamic ones.
    virtual std::vector<std::string> fieldNames() const;

    // Text form used by trace and string conversion.
    virtual std::string toString() const;

    // Shared flag cleared when this object dies (see Weak).
    WeakFlag* weakFlag() const;

    // Per-object storage under a member's name that only writes by name fill: what a read-only
    // property or an internal field answers when read or written without its own logic.
    Value* shadowSlot(std::string_view name, bool create);

protected:
    // Storage for names that no class declares. By default only instances of dynamic classes
    // (ClassInfo::isDynamic) have it.
    virtual Value* dynamicSlot(std::string_view name, bool create);
    virtual void dynamicNames(std::vector<std::string>& out) const;

private:
    mutable std::atomic<int> refs_{1};
    mutable WeakFlag* weak_ = nullptr;
    struct DynamicFields;
    DynamicFields* dynamicFields_ = nullptr;
};

class WeakFlag {
public:
    explicit WeakFlag(Object* t) : target(t) {}
    void retain() { refs.fetch_add(1, std::memory_order_relaxed); }
    void release() {
        if (refs.fetch_sub(1, std::memory_order_acq_rel) == 1) delete this;
    }
    Object* target;

private:
    std::atomic<int> refs{1};
};

// A pointer that does not keep its object alive and reads null once the object is gone.
// Used for back-links (a child's parent, a listener an object registers on itself).
template <class T>
class Weak {
public:
    Weak() = default;
    Weak(std::nullptr_t) {}
    Weak(T* p) : flag_(p ? p->weakFlag() : nullptr) { if (flag_) flag_->retain(); }
    Weak(const Ref<T>& r) : Weak(r.get()) {}
    Weak(const Weak& o) : flag_(o.flag_) { if (flag_) flag_->retain(); }
    Weak& operator=(Weak o) noexcept { std::swap(flag_, o.flag_); return *this; }
    ~Weak() { if (flag_) flag_->release(); }

    T* get() const { return flag_ ? static_cast<T*>(flag_->target) : nullptr; }
    Ref<T> lock() const { return Ref<T>(get()); }
    explicit operator bool() const { return get() != nullptr; }

private:
    WeakFlag* flag_ = nullptr;
};

}  // namespace runtime
