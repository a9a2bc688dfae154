#include "FakeMediaModule.h"

#include <unordered_map>

#include "platform/media/MediaPrimitives.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/system/ModuleLoader.h"

namespace media {

namespace {
#define MEDIA_PRIMITIVE(symbol, argCount)                                                      \
    void fake_##symbol(const runtime::Value* args, int argc, runtime::Value* result) {         \
        FakeMediaModule::get().handle(static_cast<int>(MediaPrimitive::symbol), args, argc, result); \
    }
#include "platform/media/MediaPrimitives.def"
#undef MEDIA_PRIMITIVE

const std::unordered_map<std::string, runtime::PrimitiveFn>& table() {
    static const std::unordered_map<std::string, runtime::PrimitiveFn> t = [] {
        std::unordered_map<std::string, runtime::PrimitiveFn> m;
#define MEDIA_PRIMITIVE(NAME, ARGC) m[MediaPrimitives::symbol(#NAME, ARGC)] = &fake_##NAME;
#include "platform/media/MediaPrimitives.def"
#undef MEDIA_PRIMITIVE
        return m;
    }();
    return t;
}

bool namesMediaNative(const std::string& path) {
    static const std::string lib = "media-native";
    return path.size() >= lib.size() && path.compare(path.size() - lib.size(), lib.size(), lib) == 0;
}
}  // namespace

FakeMediaModule& FakeMediaModule::get() {
    static FakeMediaModule instance;
    return instance;
}

void FakeMediaModule::install() {
    sys::ModuleLoader::setResolver([](const std::string& path, const std::string& symbol) -> runtime::PrimitiveFn {
        if (!namesMediaNative(path)) runtime::Thrown::text("Could not load module " + path);
        return lookup(symbol);
    });
}

runtime::PrimitiveFn FakeMediaModule::lookup(std::string_view symbol) {
    auto it = table().find(std::string(symbol));
    return it == table().end() ? nullptr : it->second;
}

runtime::Value FakeMediaModule::record(RecordType type,
                                       std::initializer_list<std::pair<RecordField, runtime::Value>> fields) {
    auto r = MediaRecords::make(type);
    for (const auto& [field, value] : fields) MediaRecords::set(*r, field, value);
    return runtime::Value(r);
}

void FakeMediaModule::reset() {
    calls_.clear();
    answers_.clear();
}

void FakeMediaModule::on(const std::string& name, Answer answer) { answers_[name] = std::move(answer); }

void FakeMediaModule::returns(const std::string& name, runtime::Value value) {
    answers_[name] = [value](const std::vector<runtime::Value>&) { return value; };
}

std::vector<FakeMediaModule::Call> FakeMediaModule::callsTo(std::string_view name) const {
    std::vector<Call> out;
    for (const Call& c : calls_)
        if (c.name == name) out.push_back(c);
    return out;
}

int FakeMediaModule::count(std::string_view name) const {
    int n = 0;
    for (const Call& c : calls_) n += c.name == name;
    return n;
}

void FakeMediaModule::handle(int index, const runtime::Value* args, int argc, runtime::Value* result) {
    const std::string name(MediaPrimitives::ENTRIES[index].name);
    Call call{name, std::vector<runtime::Value>(args, args + argc)};
    calls_.push_back(call);
    auto it = answers_.find(name);
    if (it != answers_.end()) {
        *result = it->second(call.args);
    } else if (name == "freetype_import_font") {
        // Font data reads as a plain regular font unless a test says otherwise.
        auto info = runtime::make<runtime::DynamicObject>();
        info->setField("family_name", runtime::Value("Fake Font"));
        info->setField("is_bold", runtime::Value(false));
        info->setField("is_italic", runtime::Value(false));
        *result = runtime::Value(info);
    } else {
        *result = runtime::Value();
    }
}

}  // namespace media
