#include "Value.h"

#include "Function.h"
#include "Numbers.h"

namespace runtime {

namespace {
class StringObject final : public Object {
public:
    explicit StringObject(std::string_view s) : text(s) {}
    std::string toString() const override { return text; }
    std::string text;
};
const std::string EMPTY;
}  // namespace

Value::Value(const char* s) : Value() {
    if (s) *this = Value(std::string_view(s));
}

Value::Value(std::string_view s) : kind_(Kind::String), i_(0), ref_(Ref<Object>::adopt(new StringObject(s))) {}

Value::Value(const String& s) : Value() {
    if (!s.isNull()) *this = Value(std::string_view(s.str()));
}

Value::Value(Object* o) : i_(0), ref_(o) {
    if (o) kind_ = dynamic_cast<Function*>(o) ? Kind::Function : Kind::Object;
}

bool Value::toBool() const {
    switch (kind_) {
        case Kind::Bool: return b_;
        case Kind::Int: return i_ != 0;
        case Kind::Float: return f_ != 0 && f_ == f_;
        default: return false;
    }
}

int32_t Value::toInt() const {
    switch (kind_) {
        case Kind::Bool: return b_ ? 1 : 0;
        case Kind::Int: return i_;
        case Kind::Float: return Numbers::floatToInt(f_);
        default: return 0;
    }
}

String Value::toStringValue() const {
    if (kind_ == Kind::Null) return String();
    return String(toText());
}

std::string Value::toText() const {
    switch (kind_) {
        case Kind::Null: return "null";
        case Kind::Bool: return b_ ? "true" : "false";
        case Kind::Int: return Numbers::toText(i_);
        case Kind::Float: return Numbers::toText(f_);
        case Kind::String: return static_cast<StringObject*>(ref_.get())->text;
        default: return ref_->toString();
    }
}

const std::string& Value::str() const {
    return kind_ == Kind::String ? static_cast<StringObject*>(ref_.get())->text : EMPTY;
}

Function* Value::function() const {
    return kind_ == Kind::Function ? static_cast<Function*>(ref_.get()) : nullptr;
}

Value Value::field(std::string_view name, bool propertyAccess) const {
    if (kind_ != Kind::Object) return Value();
    return ref_->getField(name, propertyAccess);
}

void Value::setField(std::string_view name, const Value& v, bool propertyAccess) const {
    if (kind_ == Kind::Object) ref_->setField(name, v, propertyAccess);
}

bool operator==(const Value& a, const Value& b) {
    if (a.isNumber() && b.isNumber()) {
        if (a.isInt() && b.isInt()) return a.i_ == b.i_;
        return a.toFloat() == b.toFloat();
    }
    if (a.kind_ != b.kind_) return false;
    switch (a.kind_) {
        case Value::Kind::Null: return true;
        case Value::Kind::Bool: return a.b_ == b.b_;
        case Value::Kind::String: return a.str() == b.str();
        case Value::Kind::Function: return a.function()->sameAs(*b.function());
        default: return a.ref_.get() == b.ref_.get();
    }
}

}  // namespace runtime
