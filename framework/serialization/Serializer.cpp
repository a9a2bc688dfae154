#include "Serializer.h"

#include <charconv>
#include <cmath>
#include <typeinfo>

#include "CustomSerialization.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/Bytes.h"
#include "platform/runtime/ClassInfo.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/EnumInfo.h"
#include "platform/runtime/IntMap.h"
#include "platform/runtime/List.h"
#include "platform/runtime/ObjectMap.h"
#include "platform/runtime/StringMap.h"
#include "platform/runtime/Thrown.h"

namespace framework {

using runtime::Object;
using runtime::Value;

namespace {
template <class T>
bool exactly(const Object* o) {
    return typeid(*o) == typeid(T);
}

// "%.15g" without the locale's decimal separator.
std::string floatText(double v) {
    char b[64];
    auto r = std::to_chars(b, b + sizeof b, v, std::chars_format::general, 15);
    return std::string(b, r.ptr);
}

// Marks an object as being written for the lifetime of the guard.
class OpenGuard {
public:
    OpenGuard(std::unordered_set<const Object*>& set, const Object* o) : set_(set), o_(o) {
        if (!set_.insert(o_).second) runtime::Thrown::text("Cannot serialize a cyclic structure");
        if (set_.size() > static_cast<std::size_t>(Serializer::MAX_DEPTH)) {
            set_.erase(o_);
            runtime::Thrown::text("Cannot serialize: nesting too deep");
        }
    }
    ~OpenGuard() { set_.erase(o_); }

private:
    std::unordered_set<const Object*>& set_;
    const Object* o_;
};
}  // namespace

std::string Serializer::run(const Value& value) {
    Serializer s;
    s.serialize(value);
    return s.toString();
}

Serializer::Serializer() : useCache(USE_CACHE), useEnumIndex(USE_ENUM_INDEX) {}

std::string Serializer::urlEncode(const std::string& text) {
    static const char* HEX = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
            c == '.') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += HEX[c >> 4];
            out += HEX[c & 15];
        }
    }
    return out;
}

std::string Serializer::encodeBytes(const std::vector<uint8_t>& bytes) {
    const char* a = BASE64;
    std::string out;
    std::size_t n = bytes.size(), i = 0;
    out.reserve(n / 3 * 4 + 4);
    for (; i + 3 <= n; i += 3) {
        unsigned b1 = bytes[i], b2 = bytes[i + 1], b3 = bytes[i + 2];
        out += a[b1 >> 2];
        out += a[((b1 << 4) | (b2 >> 4)) & 63];
        out += a[((b2 << 2) | (b3 >> 6)) & 63];
        out += a[b3 & 63];
    }
    if (n - i == 2) {
        unsigned b1 = bytes[i], b2 = bytes[i + 1];
        out += a[b1 >> 2];
        out += a[((b1 << 4) | (b2 >> 4)) & 63];
        out += a[(b2 << 2) & 63];
    } else if (n - i == 1) {
        unsigned b1 = bytes[i];
        out += a[b1 >> 2];
        out += a[(b1 << 4) & 63];
    }
    return out;
}

void Serializer::serializeString(const std::string& text) {
    auto it = shash.find(text);
    if (it != shash.end()) {
        buf += 'R';
        buf += std::to_string(it->second);
        return;
    }
    shash.emplace(text, scount++);
    std::string enc = urlEncode(text);
    buf += 'y';
    buf += std::to_string(enc.size());
    buf += ':';
    buf += enc;
}

bool Serializer::serializeRef(Object* o) {
    for (std::size_t i = 0; i < cache.size(); ++i) {
        if (cache[i] == o) {
            buf += 'r';
            buf += std::to_string(i);
            return true;
        }
    }
    cache.push_back(o);
    return false;
}

void Serializer::serializeFields(Object* object) {
    const runtime::ClassInfo* ci = object->classInfo();
    for (const std::string& name : object->fieldNames()) {
        // Properties without storage of their own are computed, not saved.
        if (ci) {
            const runtime::Member* m = ci->findMember(name);
            if (m && m->kind == runtime::Member::Kind::Property && !m->rawGet) continue;
        }
        serializeString(name);
        serialize(object->getField(name, false));
    }
    buf += 'g';
}

void Serializer::serialize(const Value& v) {
    switch (v.kind()) {
        case Value::Kind::Null: buf += 'n'; return;
        case Value::Kind::Bool: buf += v.toBool() ? 't' : 'f'; return;
        case Value::Kind::Int:
            if (v.toInt() == 0) {
                buf += 'z';
            } else {
                buf += 'i';
                buf += std::to_string(v.toInt());
            }
            return;
        case Value::Kind::Float: {
            double d = v.toFloat();
            if (std::isnan(d)) {
                buf += 'k';
            } else if (std::isinf(d)) {
                buf += d < 0 ? 'm' : 'p';
            } else if (d == std::floor(d) && d >= -1 && d <= 255) {
                // Small whole numbers travel as integers.
                serialize(Value(static_cast<int32_t>(d)));
            } else {
                buf += 'd';
                buf += floatText(d);
            }
            return;
        }
        case Value::Kind::String: serializeString(v.str()); return;
        case Value::Kind::Function: runtime::Thrown::text("Cannot serialize function");
        case Value::Kind::Object: serializeObject(v.object()); return;
    }
}

void Serializer::serializeObject(Object* o) {
    if (auto* ev = dynamic_cast<runtime::EnumValue*>(o)) {
        if (useCache && serializeRef(o)) return;
        if (useEnumIndex) {
            buf += 'j';
            serializeString(ev->enumInfo()->path());
            buf += ':';
            buf += std::to_string(ev->index());
        } else {
            buf += 'w';
            serializeString(ev->enumInfo()->path());
            serializeString(ev->name());
        }
        buf += ":0";
        return;
    }
    const runtime::ClassInfo* ci = o->classInfo();
    bool plain = !ci && dynamic_cast<runtime::DynamicObject*>(o);
    bool known = exactly<runtime::Array>(o) || exactly<runtime::List>(o) || exactly<runtime::Date>(o) ||
                 exactly<runtime::StringMap>(o) || exactly<runtime::IntMap>(o) || exactly<runtime::ObjectMap>(o) ||
                 exactly<runtime::Bytes>(o);
    if (!plain && !known && !ci) runtime::Thrown::text("Cannot serialize " + o->toString());
    if (useCache && serializeRef(o)) return;
    // Shared sub-objects are written once per use; this bounds what a deep sharing can expand to.
    if (buf.size() > MAX_LENGTH) runtime::Thrown::text("Cannot serialize: text too long");
    OpenGuard guard(open_, o);

    if (exactly<runtime::Array>(o)) {
        auto* a = static_cast<runtime::Array*>(o);
        buf += 'a';
        int nulls = 0;
        auto flushNulls = [&] {
            if (nulls == 1) {
                buf += 'n';
            } else if (nulls > 1) {
                buf += 'u';
                buf += std::to_string(nulls);
            }
            nulls = 0;
        };
        for (std::size_t i = 0; i < a->items.size(); ++i) {
            if (a->items[i].isNull()) {
                ++nulls;
                continue;
            }
            flushNulls();
            serialize(a->items[i]);
        }
        flushNulls();
        buf += 'h';
    } else if (exactly<runtime::List>(o)) {
        buf += 'l';
        for (const Value& e : static_cast<runtime::List*>(o)->items) serialize(e);
        buf += 'h';
    } else if (exactly<runtime::Date>(o)) {
        buf += 'v';
        buf += o->toString();
    } else if (exactly<runtime::StringMap>(o)) {
        buf += 'b';
        for (const auto& [k, e] : static_cast<runtime::StringMap*>(o)->entries) {
            serializeString(k);
            serialize(e);
        }
        buf += 'h';
    } else if (exactly<runtime::IntMap>(o)) {
        buf += 'q';
        for (const auto& [k, e] : static_cast<runtime::IntMap*>(o)->entries) {
            buf += ':';
            buf += std::to_string(k);
            serialize(e);
        }
        buf += 'h';
    } else if (exactly<runtime::ObjectMap>(o)) {
        buf += 'M';
        for (const auto& [k, e] : static_cast<runtime::ObjectMap*>(o)->entries()) {
            serialize(k);
            serialize(e);
        }
        buf += 'h';
    } else if (exactly<runtime::Bytes>(o)) {
        std::string enc = encodeBytes(static_cast<runtime::Bytes*>(o)->data());
        buf += 's';
        buf += std::to_string(enc.size());
        buf += ':';
        buf += enc;
    } else if (plain) {
        buf += 'o';
        serializeFields(o);
    } else if (auto* custom = dynamic_cast<CustomSerialization*>(o)) {
        buf += 'C';
        serializeString(ci->name());
        custom->serializeCustom(*this);
        buf += 'g';
    } else {
        buf += 'c';
        serializeString(ci->name());
        serializeFields(o);
    }
}

}  // namespace framework
