// Writes the binary files the resource tests embed: every byte value, and a large block.
// Usage: resource_fixture_writer <folder>
#include <cstdio>
#include <string>
#include <vector>

namespace {
bool write(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: resource_fixture_writer <folder>\n");
        return 2;
    }
    std::string folder = argv[1];
    std::vector<unsigned char> all(1024);
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<unsigned char>(i);
    // Byte i of the large block is (i * 31 + i / 4096) mod 256 (the test checks it).
    std::vector<unsigned char> large(8u << 20);
    for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<unsigned char>(i * 31 + i / 4096);
    if (!write(folder + "/bytes.bin", all) || !write(folder + "/large.bin", large)) {
        std::perror(folder.c_str());
        return 1;
    }
    return 0;
}
