#pragma once
// Test access to the real media-native module: primitives by name, and render output written
// as PNG (to $GLV_RENDER_OUT when set, else the test temporary folder) to look at.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "platform/runtime/Bytes.h"
#include "platform/runtime/Primitive.h"
#include "platform/system/ModuleLoader.h"

inline runtime::Primitive prim(const std::string& name, int argc) {
    return runtime::Primitive(sys::ModuleLoader::systemResolve("media-native", sys::ModuleLoader::symbolName(name, argc)));
}

// Encodes the surface as PNG and writes it under name; returns the path.
inline std::string writeRenderPng(const runtime::Value& surface, const std::string& name) {
    static runtime::Primitive encode = prim("media_native_bitmap_data_encode", 3);
    const char* dir = std::getenv("GLV_RENDER_OUT");
    std::string path = (dir && *dir ? std::string(dir) + "/" : ::testing::TempDir()) + name + ".png";
    runtime::Value bytes = encode(surface, "png", 0.9);
    auto* b = bytes.as<runtime::Bytes>();
    EXPECT_NE(b, nullptr) << name;
    if (!b) return path;
    std::vector<uint8_t> data = b->data();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    return path;
}
