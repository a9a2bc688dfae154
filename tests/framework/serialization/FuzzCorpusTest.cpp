// Replays the reader's fuzz seed corpus (and any crash inputs added to it) under the normal build.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/fuzz/UnserializerFuzzTarget.h"

TEST(UnserializerFuzzCorpus, EveryInputReadsOrFailsCleanly) {
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GLV_FUZZ_CORPUS)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        std::string bytes = ss.str();
        SCOPED_TRACE(entry.path().filename().string());
        EXPECT_EQ(fuzzUnserializer(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 0);
        // Every prefix too: truncated saves are the usual damage.
        for (std::size_t n = 0; n < bytes.size() && n < 300; ++n)
            fuzzUnserializer(reinterpret_cast<const uint8_t*>(bytes.data()), n);
        ++replayed;
    }
    EXPECT_GE(replayed, 10);
}
