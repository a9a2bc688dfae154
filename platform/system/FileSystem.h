#pragma once
// Files and folders of the host system. Failures throw runtime::Thrown with a text message.
#include <optional>
#include <string>

namespace sys {

class FileSystem {
public:
    static bool exists(const std::string& path);
    static bool isDirectory(const std::string& path);
    // Creates one folder; throws "Could not create directory:<path>".
    static void createDirectory(const std::string& path);
    // Deletes a file; throws "Could not delete file:<path>".
    static void deleteFile(const std::string& path);
    // Files read whole are at most this large.
    static constexpr std::size_t MAX_READ_BYTES = 16u << 20;
    // The whole content of a regular file (a link to one is followed); nothing when the file is
    // missing, unreadable, not a regular file (a pipe, a device, a folder) or larger than
    // maxBytes. The reason goes to why when given. Never waits for a writer.
    static std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes = MAX_READ_BYTES,
                                               std::string* why = nullptr);
    // Replaces the file's content so that it holds either the old or the new text at every
    // moment, also across a crash or a power cut: the text goes to a temporary file in the same
    // folder, is flushed to the disk and renamed over path. Throws
    // "Could not write file:<path>: <reason>" and leaves the old file untouched on failure.
    static void writeFileAtomic(const std::string& path, const std::string& text);
    // The process's working directory, and changing it (throws on failure).
    static std::string getCwd();
    static void setCwd(const std::string& path);
};

}  // namespace sys
