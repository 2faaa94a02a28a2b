#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace sound {

// No sound file larger than this is ever read.
constexpr std::uintmax_t maxSoundBytes = 64u * 1024 * 1024;

// Why a file was not read. Forbidden: the permissions deny it; Unreadable: the path
// exists but cannot be followed or read, such as a loop of symbolic links.
enum class FileProblem { None, NotFound, Folder, NotAFile, Forbidden, Unreadable, TooLarge };

// Reads the bytes of a regular file into `bytes`, or its first `limit` bytes when
// `head` is set. Fails (and leaves `bytes` empty) if it is no regular file, or larger
// than `limit` when the whole file is wanted, or larger than maxSoundBytes. Never
// opens a FIFO or a device, so it never blocks on one, and never reads a file it
// already knows to be too large.
FileProblem readRegularFile(const std::string& path, std::size_t limit, bool head, std::string& bytes);

// The same, for a caller that needs no reason.
std::optional<std::string> readRegularFile(const std::string& path, std::size_t limit, bool head);

} // namespace sound
