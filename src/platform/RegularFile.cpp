#include "RegularFile.h"

#include <algorithm>
#include <cstdint>

#if defined(__unix__) || defined(__APPLE__)
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define GLIMMERKIN_POSIX_FILES 1
#else
#include <filesystem>
#include <fstream>
#endif

namespace platform {

namespace {

#ifdef GLIMMERKIN_POSIX_FILES
FileProblem problemOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG: return FileProblem::NotFound;
    case EACCES:
    case EPERM: return FileProblem::Forbidden;
    case EISDIR: return FileProblem::Folder;
    default: return FileProblem::Unreadable;
    }
}
#endif

FileProblem readInto(const std::string& path, std::size_t limit, std::string& bytes)
{
#ifdef GLIMMERKIN_POSIX_FILES
    // Look before opening, so that opening a FIFO or device is never even tried;
    // O_NONBLOCK covers a file swapped in between.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return problemOf(errno);
    if (S_ISDIR(info.st_mode))
        return FileProblem::Folder;
    if (!S_ISREG(info.st_mode))
        return FileProblem::NotAFile;
    if (static_cast<std::uintmax_t>(info.st_size) > limit)
        return FileProblem::TooLarge;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return problemOf(errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return FileProblem::NotAFile;
    if (static_cast<std::uintmax_t>(info.st_size) > limit)
        return FileProblem::TooLarge;
    // The buffer is sized by the file as it was when opened, not by the limit. The
    // one byte more shows that the file went past the limit. Files that report no
    // size, as those of /proc do, are read to their end in steps.
    const std::size_t cap = limit + 1;
    const std::size_t wanted = info.st_size == 0 ? cap : std::min(cap, static_cast<std::size_t>(info.st_size) + 1);
    bytes.resize(info.st_size == 0 ? std::min<std::size_t>(cap, 4096) : wanted);
    std::size_t got = 0;
    while (got < wanted) {
        if (got == bytes.size())
            bytes.resize(std::min(wanted, got * 2));
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return problemOf(errno);
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
#else
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error == std::errc::permission_denied)
        return FileProblem::Forbidden;
    if (error && error != std::errc::no_such_file_or_directory && error != std::errc::not_a_directory)
        return FileProblem::Unreadable;
    if (error || !std::filesystem::exists(status))
        return FileProblem::NotFound;
    if (std::filesystem::is_directory(status))
        return FileProblem::Folder;
    if (!std::filesystem::is_regular_file(status))
        return FileProblem::NotAFile;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return FileProblem::Unreadable;
    if (size > limit)
        return FileProblem::TooLarge;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return FileProblem::Unreadable;
    const std::size_t wanted = std::min(limit + 1, static_cast<std::size_t>(size) + 1);
    bytes.resize(wanted);
    file.read(bytes.data(), static_cast<std::streamsize>(wanted));
    if (file.bad())
        return FileProblem::Unreadable;
    bytes.resize(static_cast<std::size_t>(file.gcount()));
#endif
    if (bytes.size() > limit)
        return FileProblem::TooLarge;
    return FileProblem::None;
}

} // namespace

FileProblem readRegularFile(const std::string& path, std::size_t limit, std::string& bytes)
{
    bytes.clear();
    const FileProblem problem = readInto(path, limit, bytes);
    if (problem != FileProblem::None)
        bytes.clear();
    return problem;
}

std::optional<std::string> readRegularFile(const std::string& path, std::size_t limit)
{
    std::string bytes;
    if (readRegularFile(path, limit, bytes) != FileProblem::None)
        return std::nullopt;
    return bytes;
}

} // namespace platform
