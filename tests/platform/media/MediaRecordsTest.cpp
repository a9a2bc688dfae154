// The records list against the numbers the stage and the back end agree on.
#include <gtest/gtest.h>

#include <map>
#include <span>
#include <string>
#include <string_view>

#include "platform/media/MediaRecords.h"

using media::MediaRecords;

namespace {
// Every entry of the list has the expected value, and the list has no other entries.
void expectList(std::span<const MediaRecords::Entry> list, const std::map<std::string_view, int>& expected) {
    ASSERT_EQ(list.size(), expected.size());
    for (const auto& e : list) {
        auto it = expected.find(e.name);
        ASSERT_NE(it, expected.end()) << e.name;
        EXPECT_EQ(e.value, it->second) << e.name;
    }
}
}  // namespace

TEST(MediaRecords, TypesFlagsAndFieldsHaveTheirFixedValues) {
    const std::map<std::string_view, int> types = {
        {"etUnknown", 0},         {"etKeyDown", 1},          {"etChar", 2},             {"etKeyUp", 3},
        {"etMouseMove", 4},       {"etMouseDown", 5},        {"etMouseClick", 6},       {"etMouseUp", 7},
        {"etResize", 8},          {"etPoll", 9},             {"etQuit", 10},            {"etFocus", 11},
        {"etShouldRotate", 12},   {"etDestroyHandler", 13},  {"etRedraw", 14},          {"etTouchBegin", 15},
        {"etTouchMove", 16},      {"etTouchEnd", 17},        {"etTouchTap", 18},        {"etChange", 19},
        {"etActivate", 20},       {"etDeactivate", 21},      {"etGotInputFocus", 22},   {"etLostInputFocus", 23},
        {"etJoyAxisMove", 24},    {"etJoyBallMove", 25},     {"etJoyHatMove", 26},      {"etJoyButtonDown", 27},
        {"etJoyButtonUp", 28},    {"etJoyDeviceAdded", 29},  {"etJoyDeviceRemoved", 30}, {"etSysWM", 31},
        {"etRenderContextLost", 32}, {"etRenderContextRestored", 33}};
    expectList(MediaRecords::TYPES, types);

    const std::map<std::string_view, int> flags = {
        {"efLeftDown", 0x0001},  {"efShiftDown", 0x0002}, {"efCtrlDown", 0x0004},      {"efAltDown", 0x0008},
        {"efCommandDown", 0x0010}, {"efMiddleDown", 0x0020}, {"efRightDown", 0x0040}, {"efLocationRight", 0x4000},
        {"efPrimaryTouch", 0x8000}, {"efNoNativeClick", 0x10000}};
    expectList(MediaRecords::FLAGS, flags);

    std::string fields;
    for (std::string_view f : MediaRecords::FIELDS) fields += std::string(f) + " ";
    EXPECT_EQ(fields, "type id x y value code char down flags result scaleX scaleY ");
    EXPECT_EQ(MediaRecords::name(media::RecordField::character), "char");
}

TEST(MediaRecords, RecordsAreWrittenAndReadByTheListsNames) {
    auto r = MediaRecords::make(media::RecordType::etKeyUp);
    MediaRecords::set(*r, media::RecordField::character, runtime::Value(97));
    runtime::Value v(r);
    EXPECT_EQ(r->toString(), "{ type : 3, char : 97 }");
    EXPECT_EQ(MediaRecords::type(v), 3);
    EXPECT_EQ(MediaRecords::getInt(v, media::RecordField::character), 97);
    // A field left out reads as null, numerically 0; a fractional type is truncated.
    EXPECT_TRUE(MediaRecords::get(v, media::RecordField::flags).isNull());
    EXPECT_EQ(MediaRecords::getFloat(v, media::RecordField::x), 0.0);
    MediaRecords::set(v, media::RecordField::type, runtime::Value(-7.9));
    EXPECT_EQ(MediaRecords::type(v), -7);
}
