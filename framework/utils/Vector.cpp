#include "Vector.h"

#include <algorithm>

namespace framework {

namespace {
// A position as the array operations read it: negative counts from the end, clamped to 0..len.
int position(int p, int len) {
    if (p < 0) p += len;
    return std::clamp(p, 0, len);
}
void resize(runtime::Array& a, int n) {
    a.items.resize(static_cast<std::size_t>(std::max(n, 0)));
    a.items.shrink_to_fit();
}
}  // namespace

Vector::Ref Vector::_new(int length, bool) {
    auto v = runtime::make<runtime::Array>();
    resize(*v, length);
    return v;
}

int Vector::set_length(const Ref& v, int value) {
    resize(*v, value);
    return value;
}

Vector::Value Vector::set(const Ref& v, int index, const Value& value) {
    v->set(index, value);
    return value;
}

Vector::Ref Vector::concat(const Ref& v, const Ref& other) {
    auto r = runtime::make<runtime::Array>(v->items);
    if (other) r->items.insert(r->items.end(), other->items.begin(), other->items.end());
    return r;
}

Vector::Ref Vector::copy(const Ref& v) { return runtime::make<runtime::Array>(v->items); }

runtime::String Vector::join(const Ref& v, const runtime::String& separator) {
    std::string s;
    for (std::size_t i = 0; i < v->items.size(); ++i) {
        if (i) s += separator.toText();
        s += v->items[i].toText();
    }
    return s;
}

Vector::Value Vector::pop(const Ref& v) {
    if (v->items.empty()) return Value();
    Value last = v->items.back();
    v->items.pop_back();
    return last;
}

int Vector::push(const Ref& v, const Value& value) {
    v->items.push_back(value);
    return v->length();
}

void Vector::reverse(const Ref& v) { std::reverse(v->items.begin(), v->items.end()); }

Vector::Value Vector::shift(const Ref& v) {
    if (v->items.empty()) return Value();
    Value first = v->items.front();
    v->items.erase(v->items.begin());
    return first;
}

void Vector::unshift(const Ref& v, const Value& value) { v->items.insert(v->items.begin(), value); }

Vector::Ref Vector::slice(const Ref& v, const Value& start, const Value& end) {
    const int len = v->length();
    const int s = position(start.toInt(), len);
    const int e = end.isNull() ? len : position(end.toInt(), len);
    auto r = runtime::make<runtime::Array>();
    if (e > s) r->items.assign(v->items.begin() + s, v->items.begin() + e);
    return r;
}

void Vector::sort(const Ref& v, const runtime::Ref<runtime::Function>& compare) {
    std::stable_sort(v->items.begin(), v->items.end(), [&](const Value& a, const Value& b) {
        return runtime::call(compare, a, b).toInt() < 0;
    });
}

Vector::Ref Vector::splice(const Ref& v, int start, int count) {
    const int len = v->length();
    const int s = position(start, len);
    const int n = std::clamp(count, 0, len - s);
    auto r = runtime::make<runtime::Array>();
    r->items.assign(v->items.begin() + s, v->items.begin() + s + n);
    v->items.erase(v->items.begin() + s, v->items.begin() + s + n);
    return r;
}

runtime::String Vector::toString(const Ref& v) { return v->toString(); }

int Vector::indexOf(const Ref& v, const Value& value, int from) {
    const int len = v->length();
    for (int i = position(from, len); i < len; ++i)
        if (v->items[static_cast<std::size_t>(i)] == value) return i;
    return -1;
}

int Vector::lastIndexOf(const Ref& v, const Value& value, const Value& from) {
    const int len = v->length();
    int i = from.isNull() ? len - 1 : from.toInt();
    if (i < 0) i += len;
    for (i = std::min(i, len - 1); i >= 0; --i)
        if (v->items[static_cast<std::size_t>(i)] == value) return i;
    return -1;
}

Vector::Ref Vector::ofArray(const Ref& array) { return concat(_new(), array); }

}  // namespace framework

using framework::Vector;

RUNTIME_DEFINE_CLASS(Vector, "framework.Vector", runtime::Object, (auto& b) {
    b.template staticMethod<&Vector::_new>("_new")
        .template staticMethod<&Vector::get_length>("get_length")
        .template staticMethod<&Vector::set_length>("set_length")
        .template staticMethod<&Vector::get_fixed>("get_fixed")
        .template staticMethod<&Vector::set_fixed>("set_fixed")
        .template staticMethod<&Vector::get>("get")
        .template staticMethod<&Vector::set>("set")
        .template staticMethod<&Vector::concat>("concat")
        .template staticMethod<&Vector::copy>("copy")
        .template staticMethod<&Vector::join>("join")
        .template staticMethod<&Vector::pop>("pop")
        .template staticMethod<&Vector::push>("push")
        .template staticMethod<&Vector::reverse>("reverse")
        .template staticMethod<&Vector::shift>("shift")
        .template staticMethod<&Vector::unshift>("unshift")
        .template staticMethod<&Vector::slice>("slice")
        .template staticMethod<&Vector::sort>("sort")
        .template staticMethod<&Vector::splice>("splice")
        .template staticMethod<&Vector::toString>("toString")
        .template staticMethod<&Vector::indexOf>("indexOf")
        .template staticMethod<&Vector::lastIndexOf>("lastIndexOf")
        .template staticMethod<&Vector::ofArray>("ofArray")
        .template staticMethod<&Vector::convert>("convert")
        .template staticMethod<&Vector::toRuntimeVector>("toRuntimeVector")
        .template staticMethod<&Vector::fromRuntimeVector>("fromRuntimeVector");
})
