#pragma once
#include <cstddef>
#include <cstdint>

// Reads the bytes as serialized text; what reads is written again and read back.
int fuzzUnserializer(const uint8_t* data, std::size_t size);
