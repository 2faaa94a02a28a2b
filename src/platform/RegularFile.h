#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace platform {

// Why a file was not read. Forbidden: the permissions deny it; Unreadable: the path
// exists but cannot be followed or read, such as a loop of symbolic links.
enum class FileProblem { None, NotFound, Folder, NotAFile, Forbidden, Unreadable, TooLarge };

// Reads the bytes of a regular file of at most `limit` bytes into `bytes`. Fails (and
// leaves `bytes` empty) if it is no regular file or is larger. Never opens a FIFO or
// a device, so it never blocks on one, and never reads a file it already knows to be
// too large.
FileProblem readRegularFile(const std::string& path, std::size_t limit, std::string& bytes);

// The same, for a caller that needs no reason.
std::optional<std::string> readRegularFile(const std::string& path, std::size_t limit);

} // namespace platform
