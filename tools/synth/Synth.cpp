#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace synth {

namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;
constexpr double minimumAttack = 0.002;
constexpr double minimumRelease = 0.005;

double dbToGain(double db) { return std::pow(10.0, db / 20.0); }
double gainToDb(double gain) { return gain > 0.0 ? 20.0 * std::log10(gain) : -200.0; }

// Smooths the step of a naive saw or square at a phase wrap (t is the phase in
// cycles, dt the phase step), which keeps the harmonics above Nyquist faint.
double polyBlep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

class NoiseSource {
public:
    explicit NoiseSource(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    double next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<double>(state_ >> 11) / static_cast<double>(1ull << 53) * 2.0 - 1.0;
    }

private:
    std::uint64_t state_;
};

double envelopeLevel(const Envelope& envelope, double t, double gate)
{
    const double attack = std::max(envelope.attack, minimumAttack);
    const double release = std::max(envelope.release, minimumRelease);
    auto held = [&](double time) {
        if (time < attack)
            return time / attack;
        if (envelope.decay > 0.0 && time < attack + envelope.decay)
            return 1.0 - (1.0 - envelope.sustain) * (time - attack) / envelope.decay;
        return envelope.sustain;
    };
    if (t < gate)
        return held(t);
    const double left = 1.0 - (t - gate) / release;
    return left <= 0.0 ? 0.0 : held(gate) * left * left;
}

double oscillator(Wave wave, double phase, double step, double duty)
{
    switch (wave) {
    case Wave::Sine: return std::sin(twoPi * phase);
    case Wave::Triangle: return 4.0 * std::abs(phase - 0.5) - 1.0;
    case Wave::Saw: return 2.0 * phase - 1.0 - polyBlep(phase, step);
    case Wave::Square: duty = 0.5; [[fallthrough]];
    case Wave::Pulse: {
        double value = phase < duty ? 1.0 : -1.0;
        value += polyBlep(phase, step);
        value -= polyBlep(std::fmod(phase + 1.0 - duty, 1.0), step);
        return value - (2.0 * duty - 1.0);
    }
    default: return 0.0;
    }
}

// One note, from its onset to the end of its release.
std::vector<double> renderNote(const Score& score, const Note& note, std::uint64_t seed)
{
    const Voice& voice = score.voices[static_cast<std::size_t>(note.voice)];
    const double rate = score.sampleRate;
    const double gate = note.length * score.secondsPerBeat();
    const double release = std::max(voice.envelope.release, minimumRelease);
    const auto count = static_cast<std::size_t>(std::ceil((gate + release) * rate));
    std::vector<double> out(count);

    NoiseSource noise(seed);
    double phase = 0.0;
    double phase2 = 0.25;
    double kickPhase = 0.0;
    double lastNoise = 0.0;
    double filtered = 0.0;
    const double detune = std::pow(2.0, voice.detuneCents / 1200.0);
    const double level = voice.volume * note.velocity;

    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        double value = 0.0;
        switch (voice.wave) {
        case Wave::Noise: value = noise.next(); break;
        case Wave::Hiss: {
            const double white = noise.next();
            value = (white - lastNoise) * 0.5;
            lastNoise = white;
            break;
        }
        case Wave::Kick: {
            const double frequency = 48.0 + 130.0 * std::exp(-t * 28.0);
            kickPhase = std::fmod(kickPhase + frequency / rate, 1.0);
            value = std::sin(twoPi * kickPhase);
            break;
        }
        case Wave::Snare: {
            kickPhase = std::fmod(kickPhase + 185.0 / rate, 1.0);
            value = 0.6 * noise.next() + 0.5 * std::sin(twoPi * kickPhase) * std::exp(-t * 30.0);
            break;
        }
        default: {
            double semitones = gate > 0.0 ? voice.slide * std::min(t, gate) / gate : 0.0;
            if (voice.vibratoCents > 0.0)
                semitones += voice.vibratoCents / 100.0 * std::sin(twoPi * voice.vibratoHz * t);
            const double step = note.frequency * std::pow(2.0, semitones / 12.0) / rate;
            value = oscillator(voice.wave, phase, step, voice.duty);
            phase = std::fmod(phase + step, 1.0);
            if (voice.detuneCents != 0.0) {
                value = 0.5 * (value + oscillator(voice.wave, phase2, step * detune, voice.duty));
                phase2 = std::fmod(phase2 + step * detune, 1.0);
            }
            break;
        }
        }
        filtered += voice.brightness * (value - filtered);
        out[i] = filtered * level * envelopeLevel(voice.envelope, t, gate);
    }
    return out;
}

void addEcho(std::vector<double>& samples, const Echo& echo, int rate)
{
    const auto delay = static_cast<std::size_t>(std::lround(echo.delay * rate));
    if (delay == 0 || echo.mix <= 0.0)
        return;
    std::vector<double> wet(samples.size());
    for (std::size_t i = delay; i < samples.size(); ++i)
        wet[i] = samples[i - delay] + echo.feedback * wet[i - delay];
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] += echo.mix * wet[i];
}

double echoTail(const Echo& echo)
{
    if (echo.delay <= 0.0 || echo.mix <= 0.0)
        return 0.0;
    double repeats = 1.0;
    if (echo.feedback > 0.0)
        repeats += std::max(0.0, std::log(0.001 / echo.mix) / std::log(echo.feedback));
    return echo.delay * repeats;
}

// Raised-cosine gain from 0 to 1 over `length` samples.
double fadeGain(std::size_t index, std::size_t length)
{
    if (index >= length)
        return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(index) / static_cast<double>(length));
}

} // namespace

Sound Synth::render(const Score& score)
{
    const double rate = score.sampleRate;
    const double beat = score.secondsPerBeat();

    std::size_t size = 0;
    if (score.lengthBeats) {
        size = static_cast<std::size_t>(std::lround(*score.lengthBeats * beat * rate));
    } else {
        double end = 0.0;
        for (const auto& note : score.notes) {
            const auto& envelope = score.voices[static_cast<std::size_t>(note.voice)].envelope;
            end = std::max(end, (note.at + note.length) * beat + std::max(envelope.release, minimumRelease));
        }
        size = static_cast<std::size_t>(std::ceil((end + echoTail(score.echo)) * rate));
    }
    std::vector<double> mix(std::max<std::size_t>(size, 1));

    std::uint64_t seed = 1;
    for (const auto& note : score.notes) {
        const auto rendered = renderNote(score, note, seed++);
        const auto start = static_cast<std::size_t>(std::lround(note.at * beat * rate));
        for (std::size_t i = 0; i < rendered.size(); ++i) {
            std::size_t at = start + i;
            if (score.loop)
                at %= mix.size();
            else if (at >= mix.size())
                break;
            mix[at] += rendered[i];
        }
    }
    addEcho(mix, score.echo, score.sampleRate);

    double mean = 0.0;
    for (double value : mix)
        mean += value;
    mean /= static_cast<double>(mix.size());
    double energy = 0.0;
    double peak = 0.0;
    for (double& value : mix) {
        value -= mean;
        energy += value * value;
        peak = std::max(peak, std::abs(value));
    }
    const double rms = std::sqrt(energy / static_cast<double>(mix.size()));

    Sound sound;
    sound.sampleRate = score.sampleRate;
    double gain = rms > 0.0 ? dbToGain(score.loudnessDb) / rms : 1.0;
    const double ceiling = dbToGain(score.ceilingDb);
    if (peak * gain > ceiling) {
        const double limited = ceiling / peak;
        sound.shortfallDb = gainToDb(gain / limited);
        gain = limited;
    }
    for (double& value : mix)
        value *= gain;

    if (!score.loop) {
        const auto fadeIn = std::min(mix.size() / 2, static_cast<std::size_t>(score.fadeIn * rate));
        const auto fadeOut = std::min(mix.size() / 2, static_cast<std::size_t>(score.fadeOut * rate));
        for (std::size_t i = 0; i < mix.size(); ++i)
            mix[i] *= fadeGain(i, fadeIn) * fadeGain(mix.size() - 1 - i, fadeOut);
    }

    energy = 0.0;
    peak = 0.0;
    for (double value : mix) {
        energy += value * value;
        peak = std::max(peak, std::abs(value));
    }
    sound.peakDb = gainToDb(peak);
    sound.rmsDb = gainToDb(std::sqrt(energy / static_cast<double>(mix.size())));
    sound.samples = std::move(mix);
    return sound;
}

} // namespace synth
