#pragma once
// A text value that may be null, as the runtime's String is.
#include <string>
#include <string_view>

namespace runtime {

class String {
public:
    String() = default;
    String(std::nullptr_t) {}
    String(const char* s) : null_(s == nullptr), s_(s ? s : "") {}
    String(std::string s) : null_(false), s_(std::move(s)) {}
    String(std::string_view s) : null_(false), s_(s) {}

    bool isNull() const { return null_; }
    // The characters; empty for null.
    const std::string& str() const { return s_; }
    const char* c_str() const { return s_.c_str(); }
    std::size_t length() const { return s_.size(); }
    bool empty() const { return s_.empty(); }
    // Text form: "null" for null.
    std::string toText() const { return null_ ? std::string("null") : s_; }

    friend bool operator==(const String& a, const String& b) {
        return a.null_ == b.null_ && a.s_ == b.s_;
    }
    friend bool operator==(const String& a, const char* b) { return a == String(b); }
    friend String operator+(const String& a, const String& b) { return String(a.toText() + b.toText()); }

private:
    bool null_ = true;
    std::string s_;
};

}  // namespace runtime
