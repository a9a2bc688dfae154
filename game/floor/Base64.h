#pragma once
// The map files' base64 codec. Decoding skips every character outside the alphabet wherever it
// stands; "=" ends decoding in the third or fourth place of a group.
#include <array>
#include <string>
#include <string_view>

#include "framework/utils/ByteArray.h"

namespace game {

class Base64 {
public:
    static const std::array<char, 64> encodeChars;
    // Alphabet position by character code 0..127, -1 for every other code ("=" included).
    static const std::array<int, 128> decodeChars;

    // The decoded bytes from offset 0, the array's position at the end.
    static runtime::Ref<framework::ByteArray> decode(std::string_view text);
    // Every byte of the array, "=" filling the last group, no line breaks.
    static std::string encode(const runtime::Ref<framework::ByteArray>& bytes);
};

}  // namespace game
