#include "tests/support/ThrownText.h"
#include "framework/utils/ByteArray.h"

#include <gtest/gtest.h>

#include <functional>

#include "framework/errors/EOFError.h"
#include "framework/utils/Endian.h"
#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/Function.h"

using framework::ByteArray;
using framework::CompressionAlgorithm;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {

Ref<ByteArray> of(std::vector<uint8_t> bytes) {
    auto a = make<ByteArray>();
    for (uint8_t x : bytes) a->writeByte(x);
    a->position = 0;
    return a;
}

std::vector<uint8_t> bytesOf(const Ref<ByteArray>& a) { return a->data(); }

// Runs f and answers whether it threw an EOFError with its message and id.
bool throwsEOF(const std::function<void()>& f) {
    try {
        f();
    } catch (const runtime::Thrown& t) {
        auto* e = t.value().as<framework::EOFError>();
        return e && e->errorID == 2030 && e->message == "End of file was encountered";
    }
    return false;
}

}  // namespace

TEST(ByteArray, NewArrays) {
    auto a = make<ByteArray>();
    EXPECT_TRUE(a->bigEndian);
    EXPECT_EQ(a->get_endian(), runtime::String("bigEndian"));
    EXPECT_EQ(a->length(), 0);
    auto z = make<ByteArray>(4);
    EXPECT_EQ(bytesOf(z), (std::vector<uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(make<ByteArray>(-1)->length(), 0);
    EXPECT_EQ(framework::Endian::BIG_ENDIAN, runtime::String("bigEndian"));
    EXPECT_EQ(framework::Endian::LITTLE_ENDIAN, runtime::String("littleEndian"));
}

TEST(ByteArray, ByteOrderOfEveryWrite) {
    struct Case {
        const char* endian;
        std::function<void(ByteArray&)> write;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"bigEndian", [](ByteArray& a) { a.writeInt(1); }, {0, 0, 0, 1}},
        {"littleEndian", [](ByteArray& a) { a.writeInt(1); }, {1, 0, 0, 0}},
        {"littleEndian", [](ByteArray& a) { a.writeShort(0x0102); }, {2, 1}},
        {"bigEndian", [](ByteArray& a) { a.writeShort(0x10102); }, {1, 2}},
        {"BigEndian", [](ByteArray& a) { a.writeShort(0x0102); }, {2, 1}},  // any other text: little
        {"bigEndian", [](ByteArray& a) { a.writeUnsignedInt(-2); }, {0xFF, 0xFF, 0xFF, 0xFE}},
        {"bigEndian", [](ByteArray& a) { a.writeFloat(1.0); }, {0x3F, 0x80, 0, 0}},
        {"littleEndian", [](ByteArray& a) { a.writeFloat(-2.0); }, {0, 0, 0, 0xC0}},
        {"bigEndian", [](ByteArray& a) { a.writeDouble(1.0); }, {0x3F, 0xF0, 0, 0, 0, 0, 0, 0}},
        {"littleEndian", [](ByteArray& a) { a.writeDouble(1.0); }, {0, 0, 0, 0, 0, 0, 0xF0, 0x3F}},
        {"bigEndian", [](ByteArray& a) { a.writeByte(300); }, {44}},
        {"bigEndian", [](ByteArray& a) { a.writeBoolean(true); a.writeBoolean(false); }, {1, 0}},
        {"littleEndian", [](ByteArray& a) { a.writeUTF("ab"); }, {2, 0, 'a', 'b'}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.endian);
        auto a = make<ByteArray>();
        EXPECT_EQ(a->set_endian(c.endian), runtime::String(c.endian));
        c.write(*a);
        EXPECT_EQ(bytesOf(a), c.bytes);
        EXPECT_EQ(a->position, static_cast<int>(c.bytes.size()));
    }
}

TEST(ByteArray, ReadsInBothOrders) {
    auto a = of({200, 0xFF, 0xFE, 0x80, 0, 0, 1});
    EXPECT_EQ(a->readByte(), -56);
    a->position = 0;
    EXPECT_EQ(a->readUnsignedByte(), 200);
    EXPECT_EQ(a->readShort(), -2);
    a->position = 1;
    EXPECT_EQ(a->readUnsignedShort(), 0xFFFE);
    a->position = 3;
    EXPECT_EQ(a->readInt(), static_cast<int>(0x80000001u));
    a->position = 3;
    EXPECT_EQ(a->readUnsignedInt(), static_cast<int>(0x80000001u));
    a->set_endian("littleEndian");
    a->position = 1;
    EXPECT_EQ(a->readShort(), -257);
    a->position = 3;
    EXPECT_EQ(a->readInt(), 0x01000080);
    a->position = 0;
    EXPECT_TRUE(a->readBoolean());

    for (bool big : {true, false}) {
        auto f = make<ByteArray>();
        f->bigEndian = big;
        f->writeFloat(0.1);
        f->writeDouble(-1234.5678);
        f->position = 0;
        EXPECT_EQ(f->readFloat(), static_cast<double>(0.1f));
        EXPECT_EQ(f->readDouble(), -1234.5678);
    }
}

TEST(ByteArray, EndOfFileAndWhereThePositionIsLeft) {
    struct Case {
        const char* what;
        int size;
        std::function<void(ByteArray&)> read;
        int positionAfter;
    };
    // Integer reads take their bytes one at a time; the others test the whole span first.
    const Case cases[] = {
        {"readInt, three left", 3, [](ByteArray& a) { a.readInt(); }, 3},
        {"readShort, one left", 1, [](ByteArray& a) { a.readShort(); }, 1},
        {"readByte, none left", 0, [](ByteArray& a) { a.readByte(); }, 0},
        {"readDouble, seven left", 7, [](ByteArray& a) { a.readDouble(); }, 0},
        {"readFloat, three left", 3, [](ByteArray& a) { a.readFloat(); }, 0},
        {"readUTFBytes", 3, [](ByteArray& a) { a.readUTFBytes(4); }, 0},
        {"readBytes", 3, [](ByteArray& a) { a.readBytes(make<ByteArray>(), 0, 4); }, 0},
        {"readUTF, length past the end", 3, [](ByteArray& a) { a.readUTF(); }, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto a = make<ByteArray>(c.size);
        if (c.size >= 2) a->writeShort(5), a->position = 0;
        EXPECT_TRUE(throwsEOF([&] { c.read(*a); }));
        EXPECT_EQ(a->position, c.positionAfter);
    }
    auto a = make<ByteArray>(2);
    EXPECT_TRUE(throwsEOF([&] { a->checkData(3); }));
    a->checkData(2);
}

TEST(ByteArray, UtfTexts) {
    auto a = make<ByteArray>();
    a->writeUTF("h\xC3\xA9llo");  // five letters, one of two bytes
    EXPECT_EQ(bytesOf(a), (std::vector<uint8_t>{0, 6, 'h', 0xC3, 0xA9, 'l', 'l', 'o'}));
    a->position = 0;
    EXPECT_EQ(a->readUTF(), runtime::String("h\xC3\xA9llo"));

    auto t = make<ByteArray>();
    t->writeUTFBytes("abc");
    t->writeMultiByte("d", "iso-8859-1");
    EXPECT_EQ(t->length(), 4);
    t->position = 0;
    EXPECT_EQ(t->asString(), runtime::String("abcd"));
    EXPECT_EQ(t->position, 4);
    EXPECT_TRUE(throwsEOF([&] { t->asString(); }));
    EXPECT_EQ(make<ByteArray>()->asString(), runtime::String(""));
    t->position = 1;
    EXPECT_EQ(t->readMultiByte(2, "utf-8"), runtime::String("bc"));
    EXPECT_EQ(t->toString(), "abcd");

    // A count above 65535 is stored modulo 65536 while every byte follows.
    auto big = make<ByteArray>();
    big->writeUTF(std::string(65537, 'x'));
    EXPECT_EQ(big->length(), 65539);
    big->position = 0;
    EXPECT_EQ(big->readUnsignedShort(), 1);
}

TEST(ByteArray, LengthStorageAndPosition) {
    auto a = make<ByteArray>();
    a->setLength(10);
    EXPECT_EQ(bytesOf(a), std::vector<uint8_t>(10, 0));
    EXPECT_EQ(a->position, 0);
    for (int i = 0; i < 10; ++i) a->writeByte(i + 1);
    a->setLength(2);
    EXPECT_EQ(a->length(), 2);
    a->setLength(10);
    EXPECT_EQ(bytesOf(a), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

    a->clear();
    EXPECT_EQ(a->length(), 0);
    a->writeByte(7);
    EXPECT_EQ(a->length(), 1);
    EXPECT_EQ(a->position, 1);
    EXPECT_EQ(a->get_(1), 2);  // the storage kept its bytes

    // Writing beyond the length leaves the bytes between as the storage holds them.
    a->position = 4;
    a->writeByte(9);
    EXPECT_EQ(bytesOf(a), (std::vector<uint8_t>{7, 2, 3, 4, 9}));

    auto e = make<ByteArray>();
    e->set_(100, 257);
    EXPECT_EQ(e->length(), 0);
    EXPECT_EQ(e->get_(100), 1);
    EXPECT_EQ(e->get_(5000), 0);
    EXPECT_EQ(e->get_(-1), 0);
    e->set_(-1, 5);
    EXPECT_EQ(e->length(), 0);

    // Growth: 3/2 of the needed size plus 10; length follows only when asked.
    auto g = make<ByteArray>();
    g->ensureElem(19, false);
    EXPECT_EQ(g->b->bytes.size(), 40u);
    EXPECT_EQ(g->length(), 0);
    g->ensureElem(3, true);
    EXPECT_EQ(g->length(), 4);

    // A one-byte write at a negative position is discarded but still advances.
    auto n = make<ByteArray>();
    n->position = -1;
    n->writeByte(5);
    EXPECT_EQ(n->position, 0);
    EXPECT_EQ(n->length(), 0);

    auto u = make<ByteArray>();
    u->ensureElem(1, false);
    u->write_uncheck(9);
    u->write_uncheck(8);
    EXPECT_EQ(u->length(), 0);
    EXPECT_EQ(u->get_(1), 8);
    EXPECT_EQ(u->get_bytesAvailable(), -2);
    EXPECT_EQ(u->getByteBuffer().get(), u.get());
    EXPECT_EQ(u->getStart(), 0);
}

TEST(ByteArray, ReadBytesAndWriteBytes) {
    auto src = of({1, 2, 3, 4, 5});
    src->position = 2;
    auto target = make<ByteArray>();
    src->readBytes(target);
    EXPECT_EQ(bytesOf(target), (std::vector<uint8_t>{3, 4, 5}));
    EXPECT_EQ(src->position, 5);
    EXPECT_EQ(target->position, 0);

    src->position = 0;
    src->readBytes(target, 4, 2);
    EXPECT_EQ(bytesOf(target), (std::vector<uint8_t>{3, 4, 5, 0, 1, 2}));
    src->readBytes(target, 0, -2);  // copies nothing, moves back
    EXPECT_EQ(src->position, 0);

    auto out = make<ByteArray>();
    out->writeBytes(src, 1, 3);
    EXPECT_EQ(bytesOf(out), (std::vector<uint8_t>{2, 3, 4}));
    out->writeBytes(runtime::Bytes::ofString("xy"));
    EXPECT_EQ(out->toString(), std::string("\x02\x03\x04xy"));
    out->writeBytes(src, 3);  // the rest from the offset
    EXPECT_EQ(out->length(), 7);

    // A source range outside the source fails after length and position moved.
    auto bad = make<ByteArray>();
    EXPECT_EQ(thrownText([&] { bad->writeBytes(src, 4, 3); }), "OutsideBounds");
    EXPECT_EQ(bad->length(), 3);
    EXPECT_EQ(bad->position, 3);
}

TEST(ByteArray, Slices) {
    auto a = of({1, 2, 3, 4, 5});
    a->set_endian("littleEndian");
    a->position = 3;
    struct Case {
        int begin;
        std::optional<int> end;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {-2, std::nullopt, {4, 5}}, {3, 2, {}}, {1, std::nullopt, {2, 3, 4, 5}}, {0, -1, {1, 2, 3, 4}},
        {-10, 2, {1, 2}},           {2, -10, {}}, {5, std::nullopt, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.begin);
        auto s = a->slice(c.begin, c.end);
        EXPECT_EQ(bytesOf(s), c.bytes);
        EXPECT_TRUE(s->bigEndian);
        EXPECT_EQ(s->position, 0);
    }
    EXPECT_EQ(a->position, 3);
    EXPECT_EQ(thrownText([&] { a->slice(1, 9); }), "OutsideBounds");
}

TEST(ByteArray, CompressRoundTrips) {
    std::vector<uint8_t> content;
    for (int i = 0; i < 200000; ++i) content.push_back(static_cast<uint8_t>((i * 7) % 251));  // several chunks
    for (auto algorithm : {std::optional<CompressionAlgorithm>(), std::optional(CompressionAlgorithm::DEFLATE),
                           std::optional(CompressionAlgorithm::ZLIB), std::optional(CompressionAlgorithm::GZIP)}) {
        auto a = of(content);
        a->compress(algorithm);
        EXPECT_LT(a->length(), 200000);
        EXPECT_EQ(a->position, a->length());
        EXPECT_EQ(a->get_(0), 0x78);  // a zlib stream at level 8
        EXPECT_EQ(a->get_(1), 0xDA);
        a->uncompress(algorithm);
        EXPECT_EQ(a->position, 0);
        EXPECT_EQ(bytesOf(a), content);
    }
    auto z = of({1, 2, 3});
    auto g = of({1, 2, 3});
    z->compress(CompressionAlgorithm::ZLIB);
    g->compress(CompressionAlgorithm::GZIP);
    EXPECT_EQ(bytesOf(z), bytesOf(g));
    g->inflate();
    EXPECT_EQ(bytesOf(g), (std::vector<uint8_t>{1, 2, 3}));
    g->deflate();
    EXPECT_EQ(bytesOf(g), bytesOf(z));

    // Only the valid bytes are compressed; an empty array round-trips too.
    auto cut = of({9, 9, 9, 9});
    cut->setLength(1);
    cut->compress();
    cut->uncompress();
    EXPECT_EQ(bytesOf(cut), (std::vector<uint8_t>{9}));
    auto empty = make<ByteArray>();
    empty->compress();
    empty->uncompress();
    EXPECT_EQ(empty->length(), 0);
}

TEST(ByteArray, DamagedStreamLeavesContent) {
    auto a = of({1, 2, 3, 4, 5, 6});
    a->position = 2;
    EXPECT_NE(thrownText([&] { a->uncompress(); }), "(nothing thrown)");
    EXPECT_EQ(bytesOf(a), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(a->position, 2);

    auto t = of({1, 2, 3, 4, 5, 6, 7, 8});
    t->compress();
    t->setLength(t->length() - 3);  // truncated stream
    auto before = bytesOf(t);
    EXPECT_NE(thrownText([&] { t->uncompress(); }), "(nothing thrown)");
    EXPECT_EQ(bytesOf(t), before);
}

TEST(ByteArray, SharesBytes) {
    auto plain = runtime::Bytes::ofString("abc");
    auto a = ByteArray::fromBytes(plain);
    EXPECT_EQ(a->b.get(), plain->b.get());
    EXPECT_EQ(a->length(), 3);
    EXPECT_TRUE(a->bigEndian);
    a->set_(0, 'z');
    EXPECT_EQ(plain->toString(), "zbc");

    auto c = make<ByteArray>(10);
    c->position = 4;
    c->set_endian("littleEndian");
    c->fromBytes_(plain);
    EXPECT_EQ(c->length(), 3);
    EXPECT_EQ(c->position, 4);
    EXPECT_FALSE(c->bigEndian);

    EXPECT_EQ(plain->getString(1, 2), "bc");
    EXPECT_EQ(plain->sub(0, 2)->toString(), "zb");
    EXPECT_EQ(thrownText([&] { plain->sub(2, 2); }), "OutsideBounds");
    EXPECT_EQ(thrownText([&] { plain->getString(-1, 1); }), "OutsideBounds");
}

TEST(ByteArray, AccessByName) {
    auto a = of({1, 2, 3});
    Value v(a);
    EXPECT_EQ(v.field("endian").str(), "bigEndian");
    v.setField("endian", "littleEndian");
    EXPECT_FALSE(a->bigEndian);
    v.setField("position", 1);
    EXPECT_EQ(v.field("bytesAvailable").toInt(), 2);
    EXPECT_EQ(v.field("byteLength").toInt(), 3);
    v.setField("length", 1);  // the field itself: no growth, no shrink of the storage
    EXPECT_EQ(a->length(), 1);
    EXPECT_EQ(a->get_(2), 3);
    EXPECT_EQ(v.field("b").object(), a->b.get());
    v.field("ensureElem").function()->operator()(9, true);
    EXPECT_EQ(a->length(), 10);
    EXPECT_EQ(runtime::ClassInfo::find("framework._native.utils.ByteArray"), &ByteArray::staticClass());
    EXPECT_EQ(runtime::enumText(CompressionAlgorithm::GZIP), "CompressionAlgorithm.GZIP");
}

TEST(ByteArray, BackEndCallbacks) {
    auto cb = ByteArray::backEndCallbacks();
    Value made = (*cb[0])(5);
    auto* a = made.as<ByteArray>();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->length(), 5);
    EXPECT_EQ((*cb[1])(made).toInt(), 5);
    EXPECT_EQ((*cb[1])(Value()).toInt(), 0);
    (*cb[2])(made, 20);
    EXPECT_EQ(a->length(), 20);
    EXPECT_GE(a->b->bytes.size(), 20u);
    (*cb[2])(made, 0);
    EXPECT_EQ(a->length(), 0);
    EXPECT_EQ((*cb[3])(made).object(), a->b.get());
    EXPECT_TRUE((*cb[3])(Value()).isNull());
}

TEST(ByteArray, FilesThroughTheBackEnd) {
    auto& fake = media::FakeMediaModule::get();
    fake.reset();
    fake.returns("media_native_byte_array_read_file", Value());
    EXPECT_EQ(ByteArray::readFile("missing.bin").get(), nullptr);
    auto content = of({5, 6});
    fake.returns("media_native_byte_array_read_file", Value(content));
    EXPECT_EQ(ByteArray::readFile("there.bin").get(), content.get());
    EXPECT_EQ(fake.callsTo("media_native_byte_array_read_file")[1].args[0].str(), "there.bin");

    content->writeFile("out.bin");
    auto calls = fake.callsTo("media_native_byte_array_overwrite_file");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].args[0].str(), "out.bin");
    EXPECT_EQ(calls[0].args[1].object(), content.get());
    fake.returns("media_native_byte_array_get_native_pointer", 1234);
    EXPECT_EQ(content->getNativePointer().toInt(), 1234);
}
