#include "Font.h"

#include "framework/Lib.h"
#include "framework/errors/Error.h"
#include "platform/runtime/Args.h"
#include "platform/runtime/Resources.h"

namespace framework {

using runtime::Ref;
using runtime::String;
using runtime::Value;

namespace {
[[noreturn]] void fail(const std::string& message) {
    throw runtime::Thrown(Value(runtime::make<Error>(String(message))));
}

template <runtime::RegisteredEnum E>
std::string nameOr(const std::optional<E>& e) {
    return e ? runtime::EnumTraits<E>::info().nameOf(static_cast<int>(*e)) : "null";
}
}  // namespace

void Font::initClass() {
    static const bool done = [] {
        freetype_import_font = MEDIA_LOAD(freetype_import_font);
        media_font_register_font = MEDIA_LOAD(media_native_font_register_font);
        media_font_iterate_device_fonts = MEDIA_LOAD(media_native_font_iterate_device_fonts);
        return true;
    }();
    (void)done;
}

Font::Font(const String& fileName, std::optional<FontStyle> style, std::optional<FontType> type) {
    construct_(fileName, style, type);
}

void Font::construct_(const String& fileName, std::optional<FontStyle> style, std::optional<FontType> type) {
    initClass();
    if (fileName.isNull() || fileName.str().empty()) {
        // Style and type are not used here: an embedded font reads them from its data.
        String resource = resourceNameOf(classInfo());
        if (!resource.isNull()) fromBytes_(resourceBytes_(resource));
        return;
    }
    fontPath_ = fileName;
    fontName = fileName;
    fontStyle = style.value_or(FontStyle::REGULAR);
    fontType = type.value_or(FontType::EMBEDDED);
}

String Font::resourceNameOf(const runtime::ClassInfo* cls) {
    const runtime::Member* m = cls ? cls->findStatic("resourceName") : nullptr;
    if (!m || !m->get) return nullptr;
    return m->get(nullptr).toStringValue();
}

Ref<ByteArray> Font::resourceBytes_(const String& name) {
    Ref<runtime::Bytes> bytes = runtime::Resources::get(name.str());
    if (!bytes) fail("No embedded font resource \"" + name.str() + "\"");
    return ByteArray::fromBytes(bytes);
}

void Font::applyInfo_(const Value& info) {
    fontName = info.field("family_name").toStringValue();
    Value b = info.field("is_bold"), i = info.field("is_italic");
    bool bold = b.isBool() && b.toBool(), italic = i.isBool() && i.toBool();
    fontStyle = bold && italic ? FontStyle::BOLD_ITALIC : bold ? FontStyle::BOLD : italic ? FontStyle::ITALIC : FontStyle::REGULAR;
    fontType = FontType::EMBEDDED;
}

void Font::fromBytes_(const Ref<ByteArray>& bytes) {
    Value info = loadBytes(bytes);
    if (!info.isObject()) fail("Could not read font data");
    applyInfo_(info);
}

void Font::fromFile_(const String& path) {
    fontPath_ = path;
    if (path.isNull()) return;
    Value info = load(path);
    if (!info.isObject()) fail("Could not load font \"" + path.str() + "\"");
    applyInfo_(info);
}

std::string Font::toString() const {
    return "{ name=" + (fontName.isNull() ? std::string("null") : fontName.str()) + ", style=" + nameOr(fontStyle) +
           ", type=" + nameOr(fontType) + " }";
}

Value Font::load(const String& fileName) {
    initClass();
    return freetype_import_font(fileName, Value(), 20480, Value());
}

Value Font::loadBytes(const Ref<ByteArray>& bytes) {
    initClass();
    return freetype_import_font("", Value(), 20480, bytes);
}

Ref<Font> Font::fromBytes(const Ref<ByteArray>& bytes) {
    auto f = runtime::make<Font>();
    f->fromBytes_(bytes);
    return f;
}

Ref<Font> Font::fromFile(const String& path) {
    auto f = runtime::make<Font>();
    f->fromFile_(path);
    return f;
}

void Font::registerFont(const runtime::ClassInfo* fontClass) {
    initClass();
    if (!fontClass) return;
    Ref<Font> font = fontClass->create(nullptr, 0).cast<Font>();
    if (!font) return;
    String resource = resourceNameOf(fontClass);
    if (!resource.isNull()) media_font_register_font(font->fontName, resourceBytes_(resource));
    registeredFonts_.push_back(font);
}

Ref<runtime::Array> Font::enumerateFonts(bool enumerateDeviceFonts) {
    initClass();
    auto list = runtime::make<runtime::Array>();
    for (const auto& f : registeredFonts_) list->push(Value(f));
    if (!enumerateDeviceFonts) return list;
    if (!deviceFonts_) {
        deviceFonts_.emplace();
        media_font_iterate_device_fonts(runtime::Function::of([](const Value& name, const Value& style) {
            const runtime::EnumInfo& styles = runtime::EnumTraits<FontStyle>::info();
            int index = style.isNumber() ? style.toInt() : -1;
            std::optional<FontStyle> s;
            if (index >= 0 && index < styles.size()) s = static_cast<FontStyle>(index);
            deviceFonts_->push_back(runtime::make<Font>(name.toStringValue(), s, FontType::DEVICE));
        }));
    }
    for (const auto& f : *deviceFonts_) list->push(Value(f));
    return list;
}

RUNTIME_DEFINE_CLASS(Font, "framework.text.Font", runtime::Object, (auto& b) {
    b.template field<&Font::fontName>("fontName")
        .template field<&Font::fontStyle>("fontStyle")
        .template field<&Font::fontType>("fontType")
        .template internalField<&Font::fontPath_>("__fontPath")
        .template method<&Font::fromBytes_>("__fromBytes")
        .template method<&Font::fromFile_>("__fromFile")
        .template staticField<&Font::freetype_import_font>("freetype_import_font")
        .template staticField<&Font::media_font_register_font>("media_font_register_font")
        .template staticField<&Font::media_font_iterate_device_fonts>("media_font_iterate_device_fonts")
        .template staticMethod<&Font::enumerateFonts>("enumerateFonts")
        .template staticMethod<&Font::fromBytes>("fromBytes")
        .template staticMethod<&Font::fromFile>("fromFile")
        .template staticMethod<&Font::load>("load")
        .template staticMethod<&Font::loadBytes>("loadBytes")
        .emptyInstance()
        .constructor([](const Value* v, int n) -> Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<Font>(a.text(0, ""), runtime::ValueTraits<std::optional<FontStyle>>::from(a[1]),
                                       runtime::ValueTraits<std::optional<FontType>>::from(a[2]));
        });
})

}  // namespace framework
