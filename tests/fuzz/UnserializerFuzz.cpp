// libFuzzer entry for the serialized-text reader.
#include "UnserializerFuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) { return fuzzUnserializer(data, size); }
