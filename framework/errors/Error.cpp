#include "Error.h"

#include "platform/runtime/Args.h"

namespace framework {

Error::Error(const runtime::String& message, int id)
    : errorID(id), message(message.isNull() ? runtime::String("") : message), name("Error") {}

runtime::String Error::getStackTrace() {
    std::string out;
    for (const std::string& frame : runtime::Thrown::currentCallStack()) out += "\nCalled from " + frame;
    return out;
}

std::string Error::toString() const { return message.isNull() ? "Error" : message.str(); }

}  // namespace framework

using framework::Error;

RUNTIME_DEFINE_CLASS(Error, "framework.errors.Error", runtime::Object, (auto& b) {
    b.template field<&Error::errorID>("errorID")
        .template field<&Error::message>("message")
        .template field<&Error::name>("name")
        .template method<&Error::getStackTrace>("getStackTrace")
        .template staticField<&Error::DEFAULT_TO_STRING>("DEFAULT_TO_STRING")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<Error>(a.text(0), a.integer(1));
        });
})
