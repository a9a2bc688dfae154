#pragma once
// The one exception type of the runtime: carries a thrown value, a plain text or an error object.
#include <exception>
#include <string>
#include <vector>

#include "Value.h"

namespace runtime {

class Thrown : public std::exception {
public:
    explicit Thrown(Value value);
    const Value& value() const { return value_; }
    const char* what() const noexcept override { return text_.c_str(); }
    // Call stack recorded where the value was thrown, innermost first.
    const std::vector<std::string>& callStack() const { return stack_; }

    // Throws the given text as the thrown value.
    [[noreturn]] static void text(const std::string& message);
    // The text thrown when an empty primitive slot or function field is called.
    static constexpr const char* NULL_FUNCTION = "Null Function Pointer";
    // The text thrown when a value cannot be converted to the type asked for.
    static constexpr const char* INVALID_CAST = "Invalid Cast";

    // The call stack of the exception being handled on this thread (empty outside a handler
    // or for foreign exceptions); set by Thrown::Scope.
    static const std::vector<std::string>& currentCallStack();

    // Marks the exception that a catch block is handling, for currentCallStack().
    class Scope {
    public:
        explicit Scope(const std::exception_ptr& e);
        ~Scope();

    private:
        const std::vector<std::string>* previous_;
    };

private:
    Value value_;
    std::string text_;
    std::vector<std::string> stack_;
};

}  // namespace runtime
