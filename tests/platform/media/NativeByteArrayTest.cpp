// The real byte-array primitives of media-native: callbacks, whole-file reading and writing.
#include "NativeModule.h"
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <thread>

#include "platform/runtime/Bytes.h"
#include "platform/runtime/Function.h"
#include "platform/runtime/Primitive.h"
#include "platform/system/ModuleLoader.h"

using runtime::Value;

namespace {
// Plain byte buffers stand in for the framework's byte arrays.
void registerCallbacks() {
    auto factory = runtime::Function::of([](int n) { return Value(runtime::make<runtime::Bytes>(std::vector<uint8_t>(static_cast<std::size_t>(n)))); });
    auto length = runtime::Function::of([](const Value& v) { return v.field("length"); });
    auto resize = runtime::Function::of([](const Value&, int) {});
    auto storage = runtime::Function::of([](const Value& v) { return v.field("b"); });
    prim("media_native_byte_array_init", 4)(factory, length, resize, storage);
}

std::string tempPath(const char* name) { return ::testing::TempDir() + name; }
}  // namespace

TEST(NativeByteArray, ReadAndOverwriteFiles) {
    registerCallbacks();
    auto readFile = prim("media_native_byte_array_read_file", 1);
    auto overwrite = prim("media_native_byte_array_overwrite_file", 2);
    std::string path = tempPath("glv_bytes.bin");
    {
        std::ofstream out(path, std::ios::binary);
        out.write("\x00\x01\xFFxyz", 6);
    }
    // From another thread too, as the URL-loading thread does.
    Value read;
    std::thread([&] { read = readFile(path); }).join();
    auto* bytes = read.as<runtime::Bytes>();
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(bytes->data(), (std::vector<uint8_t>{0, 1, 0xFF, 'x', 'y', 'z'}));

    overwrite(path, Value(runtime::make<runtime::Bytes>(std::vector<uint8_t>{7, 8})));
    Value readAgain = readFile(path);
    auto* again = readAgain.as<runtime::Bytes>();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->data(), (std::vector<uint8_t>{7, 8}));

    EXPECT_TRUE(readFile(tempPath("glv_no_such_file.bin")).isNull());
    EXPECT_TRUE(readFile(::testing::TempDir()).isNull());  // a folder
    EXPECT_TRUE(readFile(Value()).isNull());
    std::remove(path.c_str());

    auto pointerOf = prim("media_native_byte_array_get_native_pointer", 1);
    auto b = runtime::make<runtime::Bytes>(std::vector<uint8_t>{1});
    EXPECT_EQ(pointerOf(Value(b)).toFloat(), static_cast<double>(reinterpret_cast<uintptr_t>(b->b->bytes.data())));
    EXPECT_TRUE(pointerOf(Value()).isNull());
}
