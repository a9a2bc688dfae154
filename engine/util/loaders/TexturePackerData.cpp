#include "TexturePackerData.h"

#include <nlohmann/json.hpp>

#include "engine/EngG.h"
#include "engine/system/frontEnds/BitmapFrontEnd.h"
#include "engine/util/EngDestroyUtil.h"
#include "framework/assets/Assets.h"
#include "platform/runtime/Thrown.h"

namespace engine {

using nlohmann::json;
using runtime::Ref;

namespace {
double number(const json& object, const char* name) {
    auto it = object.find(name);
    return it != object.end() && it->is_number() ? it->get<double>() : 0;
}

bool flag(const json& entry, const char* name) {
    auto it = entry.find(name);
    return it != entry.end() && it->is_boolean() && it->get<bool>();
}
}  // namespace

TexturePackerData::TexturePackerData(runtime::String description_, runtime::String assetName_)
    : assetName(std::move(assetName_)), description(std::move(description_)) {
    parseData();
}

void TexturePackerData::parseData() {
    if (!frames.empty() || assetName.isNull() || description.isNull()) return;
    Ref<CachedGraphics> graphic = EngG::bitmap ? EngG::bitmap->add(runtime::Value(assetName)) : nullptr;
    asset = graphic ? graphic->bitmap : nullptr;
    auto fail = [this](const std::string& why) {
        runtime::Thrown::text("Texture atlas description '" + description.str() + "': " + why);
    };
    runtime::String text = framework::Assets::getText(description);
    json root = json::parse(text.isNull() ? std::string() : text.str(), nullptr, false);
    if (root.is_discarded()) fail("not a JSON text");
    auto list = root.is_object() ? root.find("frames") : root.end();
    if (!root.is_object() || list == root.end() || !list->is_array()) fail("no \"frames\" array");
    for (const json& entry : *list) {
        if (!entry.is_object()) fail("an entry is not an object");
        for (const char* part : {"frame", "sourceSize", "spriteSourceSize"}) {
            auto it = entry.find(part);
            if (it == entry.end() || !it->is_object()) fail(std::string("an entry has no \"") + part + "\" object");
        }
        auto frame = runtime::make<TextureAtlasFrame>();
        frame->trimmed = flag(entry, "trimmed");
        frame->rotated = flag(entry, "rotated");
        if (auto it = entry.find("filename"); it != entry.end() && !it->is_null())
            frame->name = runtime::String(it->is_string() ? it->get<std::string>() : it->dump());
        const json& size = entry["sourceSize"];
        const json& place = entry["spriteSourceSize"];
        const json& rect = entry["frame"];
        frame->sourceSize = EngPoint::get(number(size, "w"), number(size, "h"));
        frame->offset = EngPoint::get(number(place, "x"), number(place, "y"));
        double x = number(rect, "x"), y = number(rect, "y"), w = number(rect, "w"), h = number(rect, "h");
        frame->frame = frame->rotated ? runtime::make<framework::Rectangle>(x, y, h, w)
                                      : runtime::make<framework::Rectangle>(x, y, w, h);
        frame->additionalAngle = frame->rotated ? -90 : 0;
        frames.push_back(frame);
    }
}

void TexturePackerData::destroy() {
    EngDestroyUtil::destroyArray(&frames);
    assetName = nullptr;
    description = nullptr;
    asset = nullptr;
}

}  // namespace engine
