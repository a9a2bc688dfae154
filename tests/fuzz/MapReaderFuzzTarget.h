#pragma once
#include <cstddef>
#include <cstdint>

// Reads the bytes as a map file (tileset pictures 512 x 768); a refused file must throw the
// reader's error, nothing else. Needs bitmap surfaces from the (fake) back end.
int fuzzMapReader(const uint8_t* data, std::size_t size);
