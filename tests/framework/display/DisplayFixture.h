#pragma once
// The fake back end scripted as a minimal node store: every created node is a distinct handle
// with its own id; calls are recorded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/display/DisplayObjectContainer.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Shape.h"
#include "framework/display/Sprite.h"
#include "framework/display/Stage.h"
#include "framework/Lib.h"
#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/DynamicObject.h"

class DisplayFixture : public ::testing::Test {
protected:
    void SetUp() override {
        auto& fake = media::FakeMediaModule::get();
        fake.reset();
        auto node = [this](const std::vector<runtime::Value>&) {
            auto h = runtime::make<runtime::DynamicObject>();
            h->setField("id", runtime::Value(++nextId));
            return runtime::Value(h);
        };
        fake.on("media_native_create_display_object", node);
        fake.on("media_native_create_display_object_container", node);
        fake.on("media_native_display_object_get_id",
                [](const std::vector<runtime::Value>& a) { return a[0].field("id"); });
        fake.on("media_native_display_object_set_name", [](const std::vector<runtime::Value>& a) {
            a[0].setField("name", a[1]);
            return runtime::Value();
        });
        fake.on("media_native_display_object_get_name",
                [](const std::vector<runtime::Value>& a) { return a[0].field("name"); });
    }

    runtime::Ref<framework::Stage> makeStage() {
        auto h = runtime::make<runtime::DynamicObject>();
        h->setField("id", runtime::Value(++nextId));
        return runtime::make<framework::Stage>(runtime::Value(h), 960, 540);
    }

    // Names of the recorded calls, from index `from`, without the fake's get_id/set_name noise.
    std::vector<std::string> calls(std::size_t from = 0) const {
        std::vector<std::string> out;
        const auto& all = media::FakeMediaModule::get().calls();
        for (std::size_t i = from; i < all.size(); ++i) {
            const std::string& n = all[i].name;
            if (n.find("get_id") != std::string::npos || n.find("_name") != std::string::npos) continue;
            out.push_back(n.substr(std::string("media_native_").size()));
        }
        return out;
    }
    std::size_t mark() const { return media::FakeMediaModule::get().calls().size(); }

    int nextId = 0;
};
