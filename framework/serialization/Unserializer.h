#pragma once
// Reads values back from the tagged text that Serializer writes. Every failure throws
// runtime::Thrown with a text message; nothing is partly returned.
#include <cstdint>
#include <string>
#include <vector>

#include "Resolver.h"
#include "platform/runtime/Value.h"

namespace framework {

class Unserializer {
public:
    static constexpr const char* BASE64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789%:";
    // Values nested deeper than this are refused with "Nesting too deep at position <n>".
    static constexpr int MAX_DEPTH = 1000;
    // At most this many nulls are made by "u" runs in one read ("Invalid null run" beyond).
    static constexpr int64_t MAX_NULL_RUN_TOTAL = 1 << 20;
    // What one read may build, whatever the text's size: at most this many values
    // ("Too many values at position <n>") and this many string bytes, string references
    // counted each time ("Strings too long at position <n>").
    static constexpr int64_t MAX_VALUES = 1 << 20;
    static constexpr int64_t MAX_STRING_BYTES = 32 << 20;

    // The registry itself.
    static const Resolver& DEFAULT_RESOLVER();
    // The inverse of the byte alphabet: position of each alphabet character, 0 elsewhere.
    static const std::vector<int>& CODES();

    // One value read from text with the default resolver.
    static runtime::Value run(const std::string& text);

    explicit Unserializer(std::string text);

    // A default-constructed Resolver answers null for every name.
    void setResolver(const Resolver& r) { resolver = r; }
    runtime::Value unserialize();
    int32_t readDigits();
    void unserializeObject(runtime::Object* object);
    runtime::Value unserializeEnum(const runtime::EnumInfo* e, const std::string& constructorName);

    static std::string urlDecode(std::string_view text);
    static std::vector<uint8_t> decodeBytes(std::string_view text);

    std::string buf;
    std::size_t pos = 0;
    std::size_t length;
    std::vector<runtime::Value> cache;
    std::vector<std::string> scache;
    Resolver resolver;

private:
    int get(std::size_t p) const { return p < length ? static_cast<unsigned char>(buf[p]) : 0; }
    runtime::Value readValue(int tag, std::size_t tagPos);
    runtime::Value readFloat();
    // Cache entries whose contents are still being read; a reference to one would make a cycle.
    std::vector<bool> open_;
    std::size_t pushOpen(const runtime::Value& v);
    void close(std::size_t index) { open_[index] = false; }
    int depth_ = 0;
    int64_t nullsMade_ = 0;
    int64_t valuesMade_ = 0;
    int64_t stringBytes_ = 0;
    void countString(std::size_t bytes, std::size_t tagPos);
};

}  // namespace framework
