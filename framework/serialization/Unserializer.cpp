#include "Unserializer.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "CustomSerialization.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/Bytes.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/IntMap.h"
#include "platform/runtime/List.h"
#include "platform/runtime/ObjectMap.h"
#include "platform/runtime/StringMap.h"
#include "platform/runtime/Thrown.h"

namespace framework {

using runtime::Value;

namespace {
[[noreturn]] void fail(const std::string& message) { runtime::Thrown::text(message); }

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

bool floatByte(char c) { return (c >= '+' && c <= '9') || c == 'e' || c == 'E'; }

// Optional sign, digits, optional fraction, optional exponent; stops at the first byte that
// does not fit. No number at all gives NaN. Independent of the process locale.
double parseDecimal(std::string_view t) {
    std::size_t i = 0;
    bool neg = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) neg = t[i++] == '-';
    std::string_view rest = t.substr(i);
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) return std::nan("");
    double v = 0;
    auto r = std::from_chars(rest.data(), rest.data() + rest.size(), v, std::chars_format::general);
    if (r.ec == std::errc::invalid_argument) return std::nan("");
    if (r.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: infinity or zero, by the exponent's sign.
        auto e = rest.substr(0, static_cast<std::size_t>(r.ptr - rest.data())).find_first_of("eE");
        bool tiny = e != std::string_view::npos && e + 1 < rest.size() && rest[e + 1] == '-';
        v = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return neg ? -v : v;
}
}  // namespace

const Resolver& Unserializer::DEFAULT_RESOLVER() {
    static const Resolver r = Resolver::registry();
    return r;
}

const std::vector<int>& Unserializer::CODES() {
    static const std::vector<int> codes = [] {
        std::vector<int> c(256, 0);
        for (int i = 0; i < 64; ++i) c[static_cast<unsigned char>(BASE64[i])] = i;
        return c;
    }();
    return codes;
}

Value Unserializer::run(const std::string& text) { return Unserializer(text).unserialize(); }

Unserializer::Unserializer(std::string text) : buf(std::move(text)), length(buf.size()) {
    setResolver(DEFAULT_RESOLVER());
}

std::string Unserializer::urlDecode(std::string_view t) {
    std::string out;
    out.reserve(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        char c = t[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%' && i + 2 < t.size()) {
            out += static_cast<char>(hexDigit(t[i + 1]) * 16 + hexDigit(t[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

std::vector<uint8_t> Unserializer::decodeBytes(std::string_view t) {
    const std::vector<int>& codes = CODES();
    auto code = [&](std::size_t i) { return codes[static_cast<unsigned char>(t[i])]; };
    std::size_t len = t.size(), rest = len % 4;
    std::vector<uint8_t> out;
    out.reserve(len / 4 * 3 + 2);
    std::size_t i = 0;
    for (; i + 4 <= len; i += 4) {
        int c1 = code(i), c2 = code(i + 1), c3 = code(i + 2), c4 = code(i + 3);
        out.push_back(static_cast<uint8_t>((c1 << 2) | (c2 >> 4)));
        out.push_back(static_cast<uint8_t>((c2 << 4) | (c3 >> 2)));
        out.push_back(static_cast<uint8_t>((c3 << 6) | c4));
    }
    if (rest >= 2) {
        int c1 = code(i), c2 = code(i + 1);
        out.push_back(static_cast<uint8_t>((c1 << 2) | (c2 >> 4)));
        if (rest == 3) {
            int c3 = code(i + 2);
            out.push_back(static_cast<uint8_t>((c2 << 4) | (c3 >> 2)));
        }
    }
    return out;
}

int32_t Unserializer::readDigits() {
    uint32_t k = 0;
    bool neg = false;
    std::size_t start = pos;
    while (true) {
        int c = get(pos);
        if (c == 0) break;
        if (c == '-') {
            if (pos != start) break;
            neg = true;
            ++pos;
            continue;
        }
        if (c < '0' || c > '9') break;
        k = k * 10 + static_cast<uint32_t>(c - '0');
        ++pos;
    }
    return static_cast<int32_t>(neg ? 0u - k : k);
}

std::size_t Unserializer::pushOpen(const Value& v) {
    cache.push_back(v);
    open_.push_back(true);
    return cache.size() - 1;
}

void Unserializer::unserializeObject(runtime::Object* object) {
    while (true) {
        if (pos >= length) fail("Invalid object");
        if (get(pos) == 'g') {
            ++pos;
            return;
        }
        Value k = unserialize();
        if (!k.isString()) fail("Invalid object key");
        Value v = unserialize();
        object->setField(k.str(), v, false);
    }
}

Value Unserializer::unserializeEnum(const runtime::EnumInfo* e, const std::string& constructorName) {
    if (get(pos++) != ':') fail("Invalid enum format");
    int32_t n = readDigits();
    for (int32_t i = 0; i < n; ++i) unserialize();
    runtime::EnumValue* value = e->byName(constructorName);
    // Registered enumerations have no constructor that takes arguments.
    if (n > 0) fail("Enum constructor " + constructorName + " takes no arguments");
    return Value(value);
}

Value Unserializer::readFloat() {
    std::size_t p1 = pos;
    while (pos < length && floatByte(buf[pos])) ++pos;
    double d = parseDecimal(std::string_view(buf).substr(p1, pos - p1));
    // Small whole numbers come back as integers.
    if (d == std::floor(d) && d >= -1 && d <= 255) return Value(static_cast<int32_t>(d));
    return Value(d);
}

void Unserializer::countString(std::size_t bytes, std::size_t tagPos) {
    stringBytes_ += static_cast<int64_t>(bytes);
    if (stringBytes_ > MAX_STRING_BYTES) fail("Strings too long at position " + std::to_string(tagPos));
}

Value Unserializer::unserialize() {
    std::size_t tagPos = pos;
    int tag = get(pos++);
    if (depth_ >= MAX_DEPTH) fail("Nesting too deep at position " + std::to_string(tagPos));
    if (++valuesMade_ > MAX_VALUES) fail("Too many values at position " + std::to_string(tagPos));
    ++depth_;
    struct Leave {
        int& d;
        ~Leave() { --d; }
    } leave{depth_};
    return readValue(tag, tagPos);
}

Value Unserializer::readValue(int tag, std::size_t tagPos) {
    switch (tag) {
        case 'n': return Value();
        case 't': return Value(true);
        case 'f': return Value(false);
        case 'z': return Value(0);
        case 'i': return Value(readDigits());
        case 'd': return readFloat();
        case 'k': return Value(std::nan(""));
        case 'm': return Value(-std::numeric_limits<double>::infinity());
        case 'p': return Value(std::numeric_limits<double>::infinity());
        case 'y': {
            int32_t len = readDigits();
            if (get(pos++) != ':' || len < 0 || length - std::min(pos, length) < static_cast<std::size_t>(len))
                fail("Invalid string length");
            std::string s = urlDecode(std::string_view(buf).substr(pos, static_cast<std::size_t>(len)));
            countString(s.size(), tagPos);
            pos += static_cast<std::size_t>(len);
            scache.push_back(s);
            return Value(s);
        }
        case 'R': {
            int32_t k = readDigits();
            if (k < 0 || static_cast<std::size_t>(k) >= scache.size()) fail("Invalid string reference");
            countString(scache[static_cast<std::size_t>(k)].size(), tagPos);
            return Value(scache[static_cast<std::size_t>(k)]);
        }
        case 'r': {
            int32_t k = readDigits();
            if (k < 0 || static_cast<std::size_t>(k) >= cache.size()) fail("Invalid reference");
            if (open_[static_cast<std::size_t>(k)]) fail("Cyclic reference at position " + std::to_string(tagPos));
            return cache[static_cast<std::size_t>(k)];
        }
        case 'a': {
            auto a = runtime::make<runtime::Array>();
            std::size_t slot = pushOpen(Value(a));
            while (true) {
                int c = get(pos);
                if (c == 'h') {
                    ++pos;
                    break;
                }
                if (c == 'u') {
                    ++pos;
                    int32_t n = readDigits();
                    if (n < 1 || nullsMade_ + n > MAX_NULL_RUN_TOTAL) fail("Invalid null run");
                    nullsMade_ += n;
                    a->items.resize(a->items.size() + static_cast<std::size_t>(n));
                } else {
                    a->items.push_back(unserialize());
                }
            }
            close(slot);
            return Value(a);
        }
        case 'o': {
            auto o = runtime::make<runtime::DynamicObject>();
            std::size_t slot = pushOpen(Value(o));
            unserializeObject(o.get());
            close(slot);
            return Value(o);
        }
        case 'c':
        case 'C': {
            std::string name = unserialize().toText();
            const runtime::ClassInfo* cl = resolver.resolveClass(name);
            if (!cl) fail("Class not found " + name);
            runtime::Ref<runtime::Object> o = cl->createEmpty();
            if (!o) fail("Cannot create " + name);
            std::size_t slot = pushOpen(Value(o));
            if (tag == 'c') {
                unserializeObject(o.get());
            } else {
                auto* custom = dynamic_cast<CustomSerialization*>(o.get());
                if (!custom) fail("Invalid custom data");
                custom->unserializeCustom(*this);
                if (get(pos++) != 'g') fail("Invalid custom data");
            }
            close(slot);
            return Value(o);
        }
        case 'w': {
            std::string name = unserialize().toText();
            const runtime::EnumInfo* e = resolver.resolveEnum(name);
            if (!e) fail("Enum not found " + name);
            std::string ctor = unserialize().toText();
            Value v = unserializeEnum(e, ctor);
            pushOpen(v);
            close(cache.size() - 1);
            return v;
        }
        case 'j': {
            std::string name = unserialize().toText();
            const runtime::EnumInfo* e = resolver.resolveEnum(name);
            if (!e) fail("Enum not found " + name);
            ++pos;
            int32_t index = readDigits();
            if (index < 0 || index >= e->size()) fail("Unknown enum index " + name + "@" + std::to_string(index));
            Value v = unserializeEnum(e, e->names()[static_cast<std::size_t>(index)]);
            pushOpen(v);
            close(cache.size() - 1);
            return v;
        }
        case 'l': {
            auto l = runtime::make<runtime::List>();
            std::size_t slot = pushOpen(Value(l));
            while (get(pos) != 'h') l->add(unserialize());
            ++pos;
            close(slot);
            return Value(l);
        }
        case 'b': {
            auto m = runtime::make<runtime::StringMap>();
            std::size_t slot = pushOpen(Value(m));
            while (get(pos) != 'h') {
                std::string k = unserialize().toText();
                m->set(k, unserialize());
            }
            ++pos;
            close(slot);
            return Value(m);
        }
        case 'q': {
            auto m = runtime::make<runtime::IntMap>();
            std::size_t slot = pushOpen(Value(m));
            int c = get(pos++);
            while (c == ':') {
                int32_t k = readDigits();
                m->set(k, unserialize());
                c = get(pos++);
            }
            if (c != 'h') fail("Invalid IntMap format");
            close(slot);
            return Value(m);
        }
        case 'M': {
            auto m = runtime::make<runtime::ObjectMap>();
            std::size_t slot = pushOpen(Value(m));
            while (get(pos) != 'h') {
                Value k = unserialize();
                if (!k.object()) fail("Invalid object map key");
                m->set(k, unserialize());
            }
            ++pos;
            close(slot);
            return Value(m);
        }
        case 'v': {
            std::string text = pos < length ? buf.substr(pos, 19) : std::string();
            auto d = runtime::Date::fromString(text);
            pos += 19;
            pushOpen(Value(d));
            close(cache.size() - 1);
            return Value(d);
        }
        case 's': {
            int32_t len = readDigits();
            if (get(pos++) != ':' || len < 0 || length - std::min(pos, length) < static_cast<std::size_t>(len))
                fail("Invalid bytes length");
            auto b = runtime::make<runtime::Bytes>(decodeBytes(std::string_view(buf).substr(pos, static_cast<std::size_t>(len))));
            pos += static_cast<std::size_t>(len);
            pushOpen(Value(b));
            close(cache.size() - 1);
            return Value(b);
        }
        case 'x': throw runtime::Thrown(unserialize());
        default: break;
    }
    std::string byte = tagPos < length ? std::string(1, buf[tagPos]) : std::string();
    fail("Invalid char " + byte + " at position " + std::to_string(tagPos));
}

}  // namespace framework
