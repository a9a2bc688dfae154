#include "FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "platform/runtime/Thrown.h"

namespace sys {

namespace {
[[noreturn]] void writeFailed(const std::string& path, const std::string& tmp, int err) {
    if (!tmp.empty()) ::unlink(tmp.c_str());
    runtime::Thrown::text("Could not write file:" + path + ": " + std::strerror(err));
}

std::string folderOf(const std::string& path) {
    auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}
}  // namespace

bool FileSystem::exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

bool FileSystem::isDirectory(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void FileSystem::createDirectory(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) != 0) runtime::Thrown::text("Could not create directory:" + path);
}

void FileSystem::deleteFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) runtime::Thrown::text("Could not delete file:" + path);
}

std::optional<std::string> FileSystem::readFile(const std::string& path, std::size_t maxBytes, std::string* why) {
    auto refuse = [&](const std::string& reason) -> std::optional<std::string> {
        if (why) *why = reason;
        return std::nullopt;
    };
    // Non-blocking, so a named pipe without a writer cannot hold the open.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return refuse(std::strerror(errno));
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return refuse("not a regular file");
    }
    if (static_cast<uint64_t>(st.st_size) > maxBytes) {
        ::close(fd);
        return refuse("larger than " + std::to_string(maxBytes) + " bytes");
    }
    std::string out;
    out.reserve(static_cast<std::size_t>(st.st_size));
    char chunk[65536];
    while (true) {
        ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            int err = errno;
            ::close(fd);
            return refuse(std::strerror(err));
        }
        if (n == 0) break;
        // The file may grow while it is read.
        if (out.size() + static_cast<std::size_t>(n) > maxBytes) {
            ::close(fd);
            return refuse("larger than " + std::to_string(maxBytes) + " bytes");
        }
        out.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return out;
}

void FileSystem::writeFileAtomic(const std::string& path, const std::string& text) {
    // One temporary name per process: a crash leaves at most one such file, reused next time.
    std::string tmp = path + "." + std::to_string(::getpid()) + ".tmp";
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) writeFailed(path, "", errno);
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            int err = errno;
            ::close(fd);
            writeFailed(path, tmp, err);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        int err = errno;
        ::close(fd);
        writeFailed(path, tmp, err);
    }
    if (::close(fd) != 0) writeFailed(path, tmp, errno);
    if (::rename(tmp.c_str(), path.c_str()) != 0) writeFailed(path, tmp, errno);
    // Makes the rename itself durable; a folder that cannot be synced changes nothing above.
    int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

std::string FileSystem::getCwd() {
    char buf[4096];
    return ::getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
}

void FileSystem::setCwd(const std::string& path) {
    if (::chdir(path.c_str()) != 0) runtime::Thrown::text("Could not change directory:" + path);
}

}  // namespace sys
