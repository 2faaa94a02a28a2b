#include "Synth.h"
#include "NoteList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

synth::Score parse(const std::string& text)
{
    std::istringstream in(text);
    return synth::NoteList::parse(in);
}

TEST(NoteList, noteNamesGiveEqualTemperedFrequencies)
{
    const std::pair<const char*, double> cases[] = {
        {"A4", 440.0},  {"C4", 261.626}, {"A#4", 466.164}, {"Bb4", 466.164},
        {"C0", 16.352}, {"B8", 7902.13}, {"E2", 82.407},   {"Cb5", 493.883},
    };
    for (const auto& [name, hertz] : cases)
        EXPECT_NEAR(synth::NoteList::noteFrequency(name), hertz, 0.01) << name;
    for (const char* bad : {"H4", "A", "a4", "C#", "C9", "Cx4", "C44"})
        EXPECT_THROW(synth::NoteList::noteFrequency(bad), std::invalid_argument) << bad;
}

TEST(NoteList, sharpIsNoCommentButAHashAfterABlankIs)
{
    const auto score = parse("# heading\nvoice v sine 0 0 1 0.1\nnote 0 v G#5 1 # the sharp stays\n");
    ASSERT_EQ(score.notes.size(), 1u);
    EXPECT_NEAR(score.notes[0].frequency, synth::NoteList::noteFrequency("Ab5"), 1e-9);
}

TEST(NoteList, linePlacesNotesOneAfterAnotherAndChordsSplit)
{
    const auto score = parse("voice v sine 0 0 1 0.1\nline 1 v C4/0.5 r/1 E4+G4/0.25/0.5 A4/2\n");
    ASSERT_EQ(score.notes.size(), 4u);
    const double at[] = {1.0, 2.5, 2.5, 2.75};
    const double length[] = {0.5, 0.25, 0.25, 2.0};
    const double velocity[] = {1.0, 0.5, 0.5, 1.0};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(score.notes[i].at, at[i]) << i;
        EXPECT_DOUBLE_EQ(score.notes[i].length, length[i]) << i;
        EXPECT_DOUBLE_EQ(score.notes[i].velocity, velocity[i]) << i;
    }
}

TEST(NoteList, errorsNameTheirLine)
{
    const std::pair<const char*, int> cases[] = {
        {"voice v sine 0 0 1 0.1\nnonsense 1\n", 2},
        {"voice v sine 0 0 1 0.1\nnote 0 w C4 1\n", 2},
        {"voice v sine 0 0 1 0.1\nvoice v sine 0 0 1 0.1\n", 2},
        {"voice v organ 0 0 1 0.1\n", 1},
        {"voice v sine 0 0 1 0.1 wobble=3\n", 1},
        {"rate 48000\n", 1},
        {"voice v sine 0 0 1 0.1\nline 0 v C4\n", 2},
        {"voice v sine 0 0 1 0.1\nnote 0 v C4 0\n", 2},
        {"voice v sine 0 0 1 0.1\nnote 0 v C4 1 1.5\n", 2},
        {"voice v sine 0 0 1 0.1\nloop\nnote 0 v C4 1\n", 3},
        {"voice v sine 0 0 1 0.1\nloop\nlength 4\necho 0.1 0.2 0.3\nnote 0 v C4 1\n", 5},
        {"voice v sine 0 0 1 0.1\n", 1},
    };
    for (const auto& [text, line] : cases) {
        try {
            parse(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const synth::NoteList::Error& error) {
            EXPECT_EQ(error.line(), line) << text << error.what();
        }
    }
}

double peakOf(const std::vector<double>& samples, std::size_t from, std::size_t to)
{
    double peak = 0.0;
    for (std::size_t i = from; i < to; ++i)
        peak = std::max(peak, std::abs(samples[i]));
    return peak;
}

TEST(Synth, levelsToTheTargetLoudnessAndStartsAndEndsAtZero)
{
    const auto sound = synth::Synth::render(parse("loudness -20\nvoice v pulse 0 0 1 0.1 duty=0.2\nnote 0 v A4 2\n"));
    EXPECT_NEAR(sound.rmsDb, -20.0, 0.3);
    EXPECT_DOUBLE_EQ(sound.shortfallDb, 0.0);
    EXPECT_EQ(sound.samples.front(), 0.0);
    EXPECT_EQ(sound.samples.back(), 0.0);
    double mean = 0.0;
    for (double s : sound.samples)
        mean += s;
    EXPECT_NEAR(mean / double(sound.samples.size()), 0.0, 1e-4);
}

TEST(Synth, ceilingHoldsThePeakOfALoudSpikySound)
{
    const auto sound = synth::Synth::render(
        parse("loudness -3\nceiling -1.5\nvoice k kick 0 0.2 0 0.05\nnote 0 k - 0.5\nnote 2 k - 0.5\n"));
    EXPECT_LE(sound.peakDb, -1.5 + 1e-9);
    EXPECT_GT(sound.shortfallDb, 0.0);
    EXPECT_LT(sound.rmsDb, -3.0);
}

TEST(Synth, loopIsExactlyItsLengthAndTailsWrapToTheStart)
{
    const auto score = parse("tempo 120\nlength 4\nloop\nvoice v sine 0.002 0 1 0.005\nnote 3.5 v A4 1\n");
    const auto sound = synth::Synth::render(score);
    const std::size_t beat = 22050 / 2;
    ASSERT_EQ(sound.samples.size(), 4 * beat);
    EXPECT_GT(peakOf(sound.samples, 0, beat / 4), 0.05) << "the tail past the end was lost";
    EXPECT_LT(peakOf(sound.samples, beat, 3 * beat), 1e-3);
}

TEST(Synth, rendersTheSameSamplesEveryTime)
{
    const auto score = parse("voice n noise 0 0.1 0.5 0.1\nvoice s snare 0 0.1 0 0.1\nnote 0 n - 1\nnote 0.5 s - 1\n");
    EXPECT_EQ(synth::Synth::render(score).samples, synth::Synth::render(score).samples);
}

} // namespace
