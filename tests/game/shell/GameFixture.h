#pragma once
// The game shell over the fake back end: the engine fixture's stage, nodes and clock, plus
// bitmap surfaces that remember their size and fill, embedded resources a test adds for its
// own duration, captured trace lines and a fresh asset registry.
#include <gtest/gtest.h>

#include <list>
#include <map>
#include <string>
#include <vector>

#include "framework/assets/Assets.h"
#include "platform/runtime/Bytes.h"
#include "platform/runtime/Resources.h"
#include "platform/runtime/Trace.h"
#include "tests/engine/EngineFixture.h"

class GameFixture : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        auto& fake = media::FakeMediaModule::get();
        fake.on("media_native_bitmap_data_create", [](const std::vector<runtime::Value>& a) {
            return surface(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt(), a[4].toInt());
        });
        fake.on("media_native_bitmap_data_width", [](const std::vector<runtime::Value>& a) { return a[0].field("w"); });
        fake.on("media_native_bitmap_data_height", [](const std::vector<runtime::Value>& a) { return a[0].field("h"); });
        // Decoded pictures: the size given for the resource's byte count, else 8 x 8.
        fake.on("media_native_bitmap_data_from_bytes", [this](const std::vector<runtime::Value>& a) {
            auto* bytes = a[0].as<runtime::Bytes>();
            auto it = bytes ? decodedSizes.find(bytes->length()) : decodedSizes.end();
            if (it == decodedSizes.end()) return surface(8, 8, 3, 0, 0);
            return surface(it->second.first, it->second.second, 3, 0, 0);
        });
        runtime::Trace::setHandler(
            [this](const runtime::Value& v, const runtime::Trace::Position&) { traces.push_back(v.toText()); });
        framework::Assets::reset_();
        // The map files' tileset pictures (generated assets) at their sizes, for the map reader.
        embed("assets/x2/tiled/town.png", std::string(4001, 't'), 512, 768);
        embed("assets/x2/tiled/bar.png", std::string(4002, 'b'), 256, 512);
        embed("assets/x2/tiled/hitTiles.png", std::string(4003, 'h'), 128, 128);
        embed("assets/x2/tiled/objectsTset.png", std::string(4004, 'o'), 256, 256);
    }

    void TearDown() override {
        for (auto& r : resources) runtime::Resources::remove(&r.entry, 1);
        resources.clear();
        framework::Assets::reset_();
        runtime::Trace::setHandler({});
        EngineFixture::TearDown();
    }

    static runtime::Value surface(int w, int h, int flags, int rgb, int alpha) {
        auto s = runtime::make<runtime::DynamicObject>();
        s->setField("w", runtime::Value(w));
        s->setField("h", runtime::Value(h));
        s->setField("flags", runtime::Value(flags));
        s->setField("rgb", runtime::Value(rgb));
        s->setField("alpha", runtime::Value(alpha));
        return runtime::Value(s);
    }

    // Embeds bytes under name for this test; a picture decodes to width x height.
    void embed(const std::string& name, std::string bytes, int width = 8, int height = 8) {
        auto& r = resources.emplace_back();
        r.name = name;
        r.bytes = std::move(bytes);
        r.entry = {r.name.c_str(), reinterpret_cast<const uint8_t*>(r.bytes.data()), r.bytes.size()};
        decodedSizes[static_cast<int>(r.bytes.size())] = {width, height};
        runtime::Resources::add(&r.entry, 1);
    }

    int tracesContaining(const std::string& text) const {
        int n = 0;
        for (auto& t : traces) n += t.find(text) != std::string::npos;
        return n;
    }

    struct Resource {
        std::string name;
        std::string bytes;
        runtime::Resources::Entry entry{};
    };
    std::list<Resource> resources;
    std::map<int, std::pair<int, int>> decodedSizes;
    std::vector<std::string> traces;
};
