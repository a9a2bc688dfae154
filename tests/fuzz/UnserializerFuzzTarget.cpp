#include "UnserializerFuzzTarget.h"

#include <string>

#include "framework/serialization/Serializer.h"
#include "framework/serialization/Unserializer.h"
#include "platform/runtime/Thrown.h"

int fuzzUnserializer(const uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    runtime::Value v;
    try {
        v = framework::Unserializer::run(text);
    } catch (const runtime::Thrown&) {
        return 0;
    }
    try {
        std::string again = framework::Serializer::run(v);
        framework::Unserializer::run(again);
    } catch (const runtime::Thrown&) {
    }
    return 0;
}
