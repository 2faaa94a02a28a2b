#include "RegularFile.h"

#include <algorithm>

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

namespace sound {

std::optional<std::string> readRegularFile(const std::string& path, std::size_t limit, bool head)
{
    std::string bytes;
#ifdef GLIMMERKIN_POSIX_FILES
    // Look before opening, so that opening a FIFO or device is never even tried;
    // O_NONBLOCK covers a file swapped in between.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)
        || static_cast<std::uintmax_t>(info.st_size) > maxSoundBytes)
        return std::nullopt;
    // The buffer is sized by the file as it was when opened, not by the limit. The
    // one byte more shows a whole-file read that the file went past the limit.
    const std::size_t wanted = std::min(head ? limit : limit + 1, static_cast<std::size_t>(info.st_size) + 1);
    bytes.resize(wanted);
    std::size_t got = 0;
    while (got < wanted) {
        const ssize_t n = ::read(fd, bytes.data() + got, wanted - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
#else
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)
        || std::filesystem::file_size(path, error) > maxSoundBytes || error)
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    const std::size_t wanted =
        std::min(head ? limit : limit + 1, static_cast<std::size_t>(std::filesystem::file_size(path, error)) + 1);
    bytes.resize(wanted);
    file.read(bytes.data(), static_cast<std::streamsize>(wanted));
    if (file.bad())
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(file.gcount()));
#endif
    if (!head && bytes.size() > limit)
        return std::nullopt;
    return bytes;
}

} // namespace sound
