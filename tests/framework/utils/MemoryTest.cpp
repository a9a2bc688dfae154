// Memory: little-endian typed access to the selected byte array.
#include <gtest/gtest.h>

#include "framework/utils/Memory.h"

using framework::ByteArray;
using framework::Memory;
using runtime::make;

TEST(Memory, LittleEndianAccessWhateverTheArraysOrder) {
    auto bytes = make<ByteArray>();
    for (int v : {1, 2, 0, 128, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) bytes->writeByte(v);
    bytes->set_endian("bigEndian");
    bytes->position = 5;
    Memory::select(bytes);
    EXPECT_EQ(Memory::len, 16);
    EXPECT_EQ(Memory::getUI16(0), 513);
    EXPECT_LT(Memory::getI32(0), 0);
    EXPECT_EQ(Memory::getByte(3), 128);
    Memory::setI16(4, -1);
    Memory::setI32(8, 258);
    EXPECT_EQ(bytes->b->bytes[4], 255);
    EXPECT_EQ(bytes->b->bytes[5], 255);
    EXPECT_EQ((std::vector<uint8_t>(bytes->b->bytes.begin() + 8, bytes->b->bytes.begin() + 12)),
              (std::vector<uint8_t>{2, 1, 0, 0}));
    Memory::setDouble(3, 1.0 / 3);
    EXPECT_EQ(Memory::getDouble(3), 1.0 / 3);
    Memory::setFloat(1, 0.1);
    EXPECT_EQ(Memory::getFloat(1), static_cast<double>(0.1f));
    EXPECT_EQ(bytes->position, 5);
    EXPECT_EQ(bytes->length(), 16);
    Memory::select(nullptr);
    EXPECT_EQ(Memory::len, 0);
}

TEST(Memory, GrowingTheSelectedArrayLeavesNoDanglingBase) {
    auto bytes = make<ByteArray>();
    bytes->writeByte(7);
    Memory::select(bytes);
    bytes->position = 1;
    for (int i = 0; i < 100000; ++i) bytes->writeByte(i);  // reallocates the storage
    EXPECT_EQ(Memory::getByte(0), 7);
    Memory::setByte(0, 9);
    EXPECT_EQ(bytes->b->bytes[0], 9);
    Memory::select(nullptr);
}
