#pragma once
// A GL object made by the GL binding: the back end's identifier of the object and the context
// version current when it was made. A handle of an earlier context, or one whose object was
// deleted, is no longer valid. The handle does not own the GL object.
#include <string>

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/String.h"

namespace framework {

class GLObject : public runtime::Object {
    RUNTIME_CLASS(GLObject)
public:
    GLObject(int version, const runtime::Value& id) : id(id), version(version) {}
    explicit GLObject(runtime::NoInit) {}

    virtual runtime::String getType();
    // Forgets the identifier; the handle stays invalid from then on.
    virtual void invalidate();
    // An identifier is present and the binding's current context version is the handle's.
    virtual bool isValid();
    virtual bool isInvalid();
    virtual bool get_invalidated();
    virtual bool get_valid();
    // The type, then the identifier in parentheses: "Buffer(5)", "Buffer(null)".
    std::string toString() const override;

    // The back end's identifier, null once invalidated.
    runtime::Value id;
    int version = 0;
};

}  // namespace framework
