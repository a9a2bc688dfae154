// LZMA compression of byte arrays through the real back end.
#include <gtest/gtest.h>

#include "framework/utils/ByteArray.h"
#include "framework/utils/CompressionAlgorithm.h"
#include "tests/support/ThrownText.h"

using framework::ByteArray;
using framework::CompressionAlgorithm;

TEST(ByteArrayLzmaNative, RoundTripsOnlyTheValidBytes) {
    auto bytes = runtime::make<ByteArray>();
    std::string text;
    for (int i = 0; i < 2000; ++i) text += "dungeon floor " + std::to_string(i % 7) + "\n";
    bytes->writeUTFBytes(text);
    bytes->writeUTFBytes("tail that is cut off");
    bytes->setLength(static_cast<int>(text.size()));  // the storage keeps the cut bytes
    bytes->compress(CompressionAlgorithm::LZMA);
    EXPECT_LT(bytes->length(), static_cast<int>(text.size()) / 10);
    EXPECT_EQ(bytes->position, bytes->length());
    bytes->uncompress(CompressionAlgorithm::LZMA);
    EXPECT_EQ(bytes->position, 0);
    EXPECT_EQ(bytes->readUTFBytes(bytes->length()).str(), text);

    auto empty = runtime::make<ByteArray>();
    empty->compress(CompressionAlgorithm::LZMA);
    empty->uncompress(CompressionAlgorithm::LZMA);
    EXPECT_EQ(empty->length(), 0);
}

TEST(ByteArrayLzmaNative, DamagedDataFailsAndKeepsTheContent) {
    auto bytes = runtime::make<ByteArray>();
    bytes->writeUTFBytes("not a compressed stream");
    EXPECT_EQ(thrownText([&] { bytes->uncompress(CompressionAlgorithm::LZMA); }), "Decompression failed");
    EXPECT_EQ(bytes->length(), 23);
}
