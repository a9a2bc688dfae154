// Test entry for framework tests: every module lookup of "media-native" reaches the recording
// fake back end.
#include <gtest/gtest.h>

#include "platform/media/fake/FakeMediaModule.h"

int main(int argc, char** argv) {
    media::FakeMediaModule::install();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
