#pragma once

#include "platform/Peers.h"

#include <QObject>
#include <QString>

#include <vector>

QT_BEGIN_NAMESPACE
class QSoundEffect;
QT_END_NAMESPACE

namespace qtplatform {

// Plays WAV files through QSoundEffect. Each file's effect is kept once made, so a
// cue heard before starts again without reloading; a first play loads the file on
// Qt's loader thread and starts when it is ready. Without an audio device, or with
// a file Qt cannot decode, playback is silent. Never waits on the sound.
class SoundEffectAudioOutput : public QObject, public platform::AudioOutput {
    Q_OBJECT
public:
    explicit SoundEffectAudioOutput(QObject* parent = nullptr);
    ~SoundEffectAudioOutput() override;

    void play(const std::string& soundFile, bool loop) override;
    void stop() override;

private:
    QSoundEffect* effectFor(const QString& file);

    struct Cached {
        QString file;
        QSoundEffect* effect;
    };
    std::vector<Cached> effects_; // most recently used last
    QSoundEffect* current_ = nullptr;
};

} // namespace qtplatform
