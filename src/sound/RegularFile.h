#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace sound {

// No sound file larger than this is ever read.
constexpr std::uintmax_t maxSoundBytes = 64u * 1024 * 1024;

// The bytes of a regular file, or of its first `limit` bytes when `head` is set;
// nothing if it is no regular file, or larger than `limit` when the whole file is
// wanted, or larger than maxSoundBytes. Never opens a FIFO or a device, so it
// never blocks on one.
std::optional<std::string> readRegularFile(const std::string& path, std::size_t limit, bool head);

} // namespace sound
