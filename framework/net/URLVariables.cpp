#include "URLVariables.h"

#include "framework/serialization/Serializer.h"
#include "framework/serialization/Unserializer.h"
#include "platform/runtime/Args.h"

namespace framework {

URLVariables::URLVariables(const runtime::String& source) {
    if (!source.isNull()) decode(source);
}

std::vector<std::string> URLVariables::names() const {
    std::vector<std::string> out;
    dynamicNames(out);
    return out;
}

void URLVariables::decode(const runtime::String& source) {
    for (const std::string& name : names()) removeField(name);
    std::string text = source.isNull() ? std::string() : source.str();
    for (char& c : text)
        if (c == ';') c = '&';
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('&', start);
        if (end == std::string::npos) end = text.size();
        std::string_view piece(text.data() + start, end - start);
        std::size_t eq = piece.find('=');
        if (eq == std::string_view::npos) {
            if (!piece.empty()) setField(Unserializer::urlDecode(piece), runtime::Value(""));
        } else if (eq > 0) {
            setField(Unserializer::urlDecode(piece.substr(0, eq)),
                     runtime::Value(Unserializer::urlDecode(piece.substr(eq + 1))));
        }
        start = end + 1;
    }
}

std::string URLVariables::toString() const {
    std::string out;
    auto* self = const_cast<URLVariables*>(this);
    for (const std::string& name : names()) {
        if (!out.empty()) out += '&';
        runtime::Value v = self->getField(name);
        out += Serializer::urlEncode(name) + "=" + Serializer::urlEncode(v.toText());
    }
    return out;
}

}  // namespace framework

using framework::URLVariables;

RUNTIME_DEFINE_CLASS(URLVariables, "framework.net.URLVariables", runtime::DynamicObject, (auto& b) {
    b.template method<&URLVariables::decode>("decode")
        .template method<&URLVariables::text>("toString")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            return runtime::make<URLVariables>(runtime::Args(v, n).text(0));
        });
})
