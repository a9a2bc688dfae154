#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "framework/utils/ArrayBufferView.h"
#include "framework/utils/Float32Array.h"
#include "framework/utils/Int16Array.h"
#include "framework/utils/UInt8Array.h"
#include "platform/media/fake/FakeMediaModule.h"
#include "tests/support/ThrownText.h"

using framework::ArrayBufferView;
using framework::ByteArray;
using framework::Float32Array;
using framework::Int16Array;
using framework::UInt8Array;
using runtime::Array;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {

Ref<Array> numbers(std::vector<double> values) {
    auto a = make<Array>();
    for (double v : values) a->push(v);
    return a;
}

Ref<ByteArray> bytes(int n) {
    auto b = make<ByteArray>();
    for (int i = 0; i < n; ++i) b->writeByte(i + 1);
    return b;
}

template <class V>
std::vector<double> elements(const Ref<V>& v) {
    std::vector<double> out;
    for (int i = 0; i < v->length; ++i) out.push_back(v->get_(i));
    return out;
}

}  // namespace

TEST(TypedArray, ConstructionShapes) {
    struct Case {
        const char* what;
        std::function<Ref<ArrayBufferView>()> make;
        int byteOffset, byteLength, length;
        std::vector<double> elements;
    };
    auto shared = bytes(12);
    auto elems = [](const Ref<ArrayBufferView>& v) {
        if (auto* u = dynamic_cast<UInt8Array*>(v.get())) return elements(Ref<UInt8Array>(u));
        if (auto* s = dynamic_cast<Int16Array*>(v.get())) return elements(Ref<Int16Array>(s));
        return elements(Ref<Float32Array>(dynamic_cast<Float32Array*>(v.get())));
    };
    auto length = [](const Ref<ArrayBufferView>& v) { return Value(v).field("length").toInt(); };
    const auto src = numbers({1, 2, 3});
    const Case cases[] = {
        {"UInt8Array(4)", [] { return make<UInt8Array>(4); }, 0, 4, 4, {0, 0, 0, 0}},
        {"Float32Array(3)", [] { return make<Float32Array>(3); }, 0, 12, 3, {0, 0, 0}},
        {"Int16Array(2.0)", [] { return make<Int16Array>(2.0); }, 0, 4, 2, {0, 0}},
        {"Int16Array([1,2,3], 1)", [&] { return make<Int16Array>(src, 1); }, 0, 4, 2, {1, 2}},
        {"Int16Array([1,2,3], 1, 4)", [&] { return make<Int16Array>(src, 1, 4); }, 0, 8, 4, {1, 2, 3, 0}},
        {"UInt8Array([1,2,3], 1)", [&] { return make<UInt8Array>(src, 1); }, 0, 2, 2, {2, 3}},
        {"UInt8Array([1,2,3], 1, 4)", [&] { return make<UInt8Array>(src, 1, 4); }, 0, 4, 4, {2, 3, 0, 0}},
        {"UInt8Array([1,2,3], -1, 3)", [&] { return make<UInt8Array>(src, -1, 3); }, 0, 3, 3, {0, 1, 2}},
        {"Float32Array([1,2,3], 2)", [&] { return make<Float32Array>(src, 2); }, 0, 4, 1, {1}},
        {"Float32Array([0.1, 2.5])", [] { return make<Float32Array>(numbers({0.1, 2.5})); }, 0, 8, 2,
         {0.10000000149011612, 2.5}},
        {"Int16Array([70000.9, -1.5])", [] { return make<Int16Array>(numbers({70000.9, -1.5})); }, 0, 4, 2,
         {4464, -1}},
        {"UInt8Array(buffer, 4)", [&] { return make<UInt8Array>(shared, 4); }, 4, 8, 8, {5, 6, 7, 8, 9, 10, 11, 12}},
        {"UInt8Array(buffer, 12)", [&] { return make<UInt8Array>(shared, 12); }, 12, 0, 0, {}},
        {"Int16Array(buffer, 2, 1)", [&] { return make<Int16Array>(shared, 2, 1); }, 2, 2, 1, {0x0403}},
        {"Float32Array(buffer, 4)", [&] { return make<Float32Array>(shared, 4); }, 4, 8, 2, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto v = c.make();
        EXPECT_EQ(v->byteOffset, c.byteOffset);
        EXPECT_EQ(v->byteLength, c.byteLength);
        EXPECT_EQ(v->getStart(), c.byteOffset);
        EXPECT_EQ(v->getLength(), c.byteLength);
        EXPECT_EQ(length(v), c.length);
        EXPECT_FALSE(v->buffer->bigEndian);
        if (!c.elements.empty() || c.length == 0) {
            EXPECT_EQ(elems(v), c.elements);
        }
    }
    EXPECT_EQ(make<Float32Array>(shared, 4)->get_(0), make<ArrayBufferView>(shared)->getFloat32(4));
    EXPECT_EQ(Value(make<Int16Array>(1)).field("BYTES_PER_ELEMENT").toInt(), 2);
    EXPECT_EQ(Float32Array::SBYTES_PER_ELEMENT, 4);
    EXPECT_EQ(UInt8Array::SBYTES_PER_ELEMENT, 1);
}

TEST(TypedArray, ConstructionErrors) {
    struct Case {
        const char* what;
        std::function<void(const Ref<ByteArray>&)> make;
        const char* message;
        bool littleEndianAfter;  // only a view that got as far as the element size check switches the buffer
    };
    const Case cases[] = {
        {"no buffer", [](auto&) { make<UInt8Array>(Value()); }, "Invalid input buffer", false},
        {"a text", [](auto&) { make<Float32Array>(Value("4")); }, "Invalid input buffer", false},
        {"a fraction", [](auto&) { make<ArrayBufferView>(Value(2.5)); }, "Invalid input buffer", false},
        {"start past the end", [](auto& b) { make<UInt8Array>(b, 5); }, "Invalid starting position", false},
        {"negative start", [](auto& b) { make<ArrayBufferView>(b, -1); }, "Invalid starting position", false},
        {"range past the end", [](auto& b) { make<UInt8Array>(b, 0, 5); }, "Invalid buffer length", false},
        {"elements past the end", [](auto& b) { make<Int16Array>(b, 2, 2); }, "Invalid buffer length", false},
        {"negative length", [](auto& b) { make<ArrayBufferView>(b, 0, -1); }, "Invalid buffer length", false},
        {"negative count", [](auto&) { make<Float32Array>(-1); }, "Invalid buffer length", false},
        {"overflowing count", [](auto&) { make<Float32Array>(0x40000000); }, "Invalid buffer length", false},
        {"start past a short array", [](auto&) { make<Int16Array>(numbers({1}), 3); }, "Invalid buffer length", false},
        {"odd bytes for Int16Array", [](auto& b) { make<Int16Array>(b, 1); }, "Invalid array size", true},
        {"10 bytes for Float32Array", [](auto&) { make<Float32Array>(bytes(10)); }, "Invalid array size", false},
        {"3 bytes for Float32Array", [](auto& b) { make<Float32Array>(b, 1); }, "Invalid array size", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto b = bytes(4);
        EXPECT_EQ(thrownText([&] { c.make(b); }), c.message);
        EXPECT_EQ(b->bigEndian, !c.littleEndianAfter);
        EXPECT_EQ(b->length(), 4);
    }
    // By name, the first argument keeps its kind.
    const auto& info = UInt8Array::staticClass();
    const Value text[] = {Value("abc")};
    EXPECT_EQ(thrownText([&] { info.create(text, 1); }), "Invalid input buffer");
    const Value args[] = {Value(bytes(6)), Value(2), Value(3)};
    auto byName = Ref<UInt8Array>(dynamic_cast<UInt8Array*>(info.create(args, 3).get()));
    ASSERT_TRUE(byName);
    EXPECT_EQ(elements(byName), (std::vector<double>{3, 4, 5}));
}

TEST(TypedArray, ElementEncodingsAreLittleEndian) {
    auto v = make<ArrayBufferView>(8);
    struct Case {
        const char* what;
        std::function<void()> write;
        std::function<double()> read;
        double value;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"setUInt8 255", [&] { v->setUInt8(0, 255); }, [&] { return v->getUInt8(0); }, -1, {0xFF, 0, 0, 0}},
        {"setUInt8 256", [&] { v->setUInt8(0, 256); }, [&] { return v->getUInt8(0); }, 0, {0, 0, 0, 0}},
        {"setInt16 40000", [&] { v->setInt16(0, 40000); }, [&] { return v->getInt16(0); }, -25536, {0x40, 0x9C, 0, 0}},
        {"setInt16 at an odd byte", [&] { v->setInt16(1, 0x1234); }, [&] { return v->getInt16(1); }, 0x1234,
         {0, 0x34, 0x12, 0}},
        {"setInt32 1", [&] { v->setInt32(0, 1); }, [&] { return v->getInt32(0); }, 1, {1, 0, 0, 0}},
        {"setInt32 -2", [&] { v->setInt32(0, -2); }, [&] { return v->getInt32(0); }, -2, {0xFE, 0xFF, 0xFF, 0xFF}},
        {"setFloat32 1", [&] { v->setFloat32(0, 1); }, [&] { return v->getFloat32(0); }, 1, {0, 0, 0x80, 0x3F}},
        {"setFloat32 0.1", [&] { v->setFloat32(0, 0.1); }, [&] { return v->getFloat32(0); }, 0.10000000149011612,
         {0xCD, 0xCC, 0xCC, 0x3D}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int i = 0; i < 8; ++i) v->setUInt8(i, 0);
        c.write();
        EXPECT_EQ(c.read(), c.value);
        std::vector<uint8_t> first4(v->bytes->bytes.begin(), v->bytes->bytes.begin() + 4);
        EXPECT_EQ(first4, c.bytes);
    }
    // The buffer's own reads agree with the views.
    v->setInt32(4, 0x01020304);
    v->buffer->position = 4;
    EXPECT_EQ(v->buffer->readInt(), 0x01020304);
    v->buffer->position = 0;
    v->buffer->writeShort(-300);
    EXPECT_EQ(v->getInt16(0), -300);
}

TEST(TypedArray, ViewsShareOneBuffer) {
    auto buffer = bytes(16);
    auto whole = make<UInt8Array>(buffer);
    auto shorts = make<Int16Array>(buffer, 4, 2);
    auto floats = make<Float32Array>(buffer, 8);
    shorts->set_(1, -1);  // bytes 6 and 7
    EXPECT_EQ(whole->get_(6), -1);
    EXPECT_EQ(whole->get_(7), -1);
    EXPECT_EQ(whole->get_(8), 9);
    floats->set_(0, 2.5);
    EXPECT_EQ(make<ArrayBufferView>(buffer, 8, 4)->getFloat32(0), 2.5);
    buffer->position = 0;
    buffer->writeByte(100);  // writes through the buffer show at once
    EXPECT_EQ(whole->get_(0), 100);

    // Accesses outside the view are refused, never reaching other bytes.
    struct Case {
        const char* what;
        std::function<void()> run;
    };
    const Case outside[] = {
        {"element past the length", [&] { shorts->get_(2); }},
        {"element below 0", [&] { shorts->set_(-1, 0); }},
        {"a read running past the view", [&] { shorts->getInt32(2); }},
        {"a write before the view", [&] { floats->setUInt8(-1, 0); }},
        {"a huge index", [&] { floats->get_(0x7FFFFFFF); }},
        {"an empty view", [&] { make<UInt8Array>(buffer, 16)->get_(0); }},
    };
    for (const Case& c : outside) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(thrownText(c.run), "Invalid data index");
    }
    EXPECT_EQ(whole->get_(3), 4);  // the bytes before the short view are untouched
    EXPECT_EQ(whole->get_(7), -1);

    // __setLength grows the buffer in place; older views of it still see the same storage.
    auto grown = make<Float32Array>(2);
    auto alias = make<UInt8Array>(grown->buffer);
    grown->setLength_(5);
    EXPECT_EQ(grown->length, 5);
    EXPECT_EQ(grown->byteLength, 20);
    EXPECT_EQ(grown->buffer->length(), 20);
    grown->set_(4, -1);
    EXPECT_EQ(alias->bytes.get(), grown->bytes.get());
    auto offset = make<Float32Array>(bytes(8), 4);
    offset->setLength_(3);
    EXPECT_EQ(offset->buffer->length(), 16);  // the view stays inside its buffer
    offset->set_(2, 1);
    EXPECT_EQ(offset->get_(2), 1);
    EXPECT_EQ(thrownText([&] { offset->setLength_(-1); }), "Invalid buffer length");
    EXPECT_EQ(thrownText([&] { offset->setLength_(0x20000000); }), "Invalid buffer length");
    EXPECT_EQ(offset->length, 3);
}

TEST(TypedArray, MatrixAndNativePointer) {
    auto m = make<framework::Matrix3D>();
    m->appendTranslation(0.1, 2, 3);
    auto f = Float32Array::fromMatrix(m);
    EXPECT_EQ(f->length, 16);
    EXPECT_EQ(f->get_(0), 1);
    EXPECT_EQ(f->get_(12), 0.10000000149011612);
    EXPECT_EQ(f->get_(14), 3);
    EXPECT_EQ(thrownText([] { Float32Array::fromMatrix(nullptr); }), "Invalid input buffer");

    auto& fake = media::FakeMediaModule::get();
    fake.reset();
    fake.returns("media_native_byte_array_get_native_pointer", 4321);
    auto v = make<UInt8Array>(bytes(8), 4);
    EXPECT_EQ(v->getNativePointer().toInt(), 4321);  // the whole buffer's address, not offset
    auto calls = fake.callsTo("media_native_byte_array_get_native_pointer");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].args[0].object(), v->buffer.get());
}
