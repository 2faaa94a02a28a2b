#include "SoundEffectAudioOutput.h"

#include <QSoundEffect>
#include <QUrl>

#include <algorithm>

namespace qtplatform {

namespace {
// Enough for every cue of the game; an older effect beyond it is dropped.
constexpr std::size_t maxCachedEffects = 16;
}

SoundEffectAudioOutput::SoundEffectAudioOutput(QObject* parent) : QObject(parent) {}

SoundEffectAudioOutput::~SoundEffectAudioOutput()
{
    stop();
}

void SoundEffectAudioOutput::play(const std::string& soundFile, bool loop)
{
    QSoundEffect* effect = effectFor(QString::fromStdString(soundFile));
    if (current_ && current_ != effect)
        current_->stop();
    current_ = effect;
    effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    // play() on a playing effect rewinds it, which restarts a repeated cue
    // without closing and reopening its output stream.
    effect->play();
}

void SoundEffectAudioOutput::stop()
{
    if (current_)
        current_->stop();
    current_ = nullptr;
}

QSoundEffect* SoundEffectAudioOutput::effectFor(const QString& file)
{
    const auto found = std::find_if(effects_.begin(), effects_.end(),
                                    [&file](const Cached& cached) { return cached.file == file; });
    if (found != effects_.end()) {
        const Cached cached = *found;
        effects_.erase(found);
        effects_.push_back(cached);
        return cached.effect;
    }
    if (effects_.size() >= maxCachedEffects) {
        const auto oldest = std::find_if(effects_.begin(), effects_.end(),
                                         [this](const Cached& cached) { return cached.effect != current_; });
        if (oldest != effects_.end()) {
            delete oldest->effect;
            effects_.erase(oldest);
        }
    }
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(file));
    effects_.push_back({file, effect});
    return effect;
}

} // namespace qtplatform
