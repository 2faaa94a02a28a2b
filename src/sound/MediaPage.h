#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sound {

// No sound file larger than this is ever read.
constexpr std::size_t maxSoundBytes = 64u * 1024 * 1024;

// The sound a media page asks for: the source of its first <audio> element (or of
// a <source> inside it, or of an <embed>) and whether it repeats.
class MediaPage {
public:
    static constexpr std::size_t maxPageBytes = 64 * 1024;

    // Reads a page file. Empty unless the page is a regular, readable, non-empty file
    // of at most maxPageBytes that names a sound. Opens nothing but regular files, so
    // a FIFO or device never blocks it. The sound itself is read by the sound output,
    // once, where it plays (at most maxSoundBytes).
    static std::optional<MediaPage> load(const std::string& pagePath);

    // Reads page text. A relative source resolves against `directory`; a source
    // with a scheme other than file: names no sound.
    static std::optional<MediaPage> parse(std::string_view html, const std::string& directory);

    const std::string& soundFile() const { return soundFile_; }
    bool loop() const { return loop_; }

private:
    MediaPage(std::string soundFile, bool loop) : soundFile_(std::move(soundFile)), loop_(loop) {}
    std::string soundFile_;
    bool loop_ = false;
};

} // namespace sound
