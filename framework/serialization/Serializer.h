#pragma once
// Writes a value as one line of printable tagged text (see Unserializer for the reverse).
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/runtime/Value.h"

namespace framework {

class Serializer {
public:
    // Defaults copied by every new writer.
    static inline bool USE_CACHE = false;
    static inline bool USE_ENUM_INDEX = false;
    static constexpr const char* BASE64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789%:";
    // Containers nested deeper than this are refused (the reader has the same limit).
    static constexpr int MAX_DEPTH = 1000;
    // Writing stops with "Cannot serialize: text too long" past this many bytes.
    static constexpr std::size_t MAX_LENGTH = std::size_t(64) << 20;

    // The text of one value. Throws "Cannot serialize function", "Cannot serialize <value>",
    // "Cannot serialize a cyclic structure" or "Cannot serialize: nesting too deep".
    static std::string run(const runtime::Value& value);

    Serializer();

    void serialize(const runtime::Value& value);
    // A string through the string cache: "R<index>" when the same text was written before.
    void serializeString(const std::string& text);
    // Each listed field as name and value, then "g".
    void serializeFields(runtime::Object* object);
    std::string toString() const { return buf; }

    // Percent-encoding of the string format, and the byte alphabet encoding.
    static std::string urlEncode(const std::string& text);
    static std::string encodeBytes(const std::vector<uint8_t>& bytes);

    std::string buf;
    std::vector<runtime::Object*> cache;
    std::unordered_map<std::string, int> shash;
    int scount = 0;
    bool useCache;
    bool useEnumIndex;

private:
    bool serializeRef(runtime::Object* o);
    void serializeObject(runtime::Object* o);
    // Objects on the path from the root to the value being written.
    std::unordered_set<const runtime::Object*> open_;
};

}  // namespace framework
