#include "sound/Wave.h"
#include "WaveBytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace {

using namespace wavebytes;

std::string extensible(std::uint32_t subTag, std::uint32_t channels, std::uint32_t bits)
{
    const std::uint32_t align = channels * bits / 8;
    std::string body =
        le(0xFFFE, 2) + le(channels, 2) + le(44100, 4) + le(44100 * align, 4) + le(align, 2) + le(bits, 2);
    body += le(22, 2) + le(bits, 2) + le(0, 4) + le(subTag, 2) + std::string(14, '\x01');
    return chunk("fmt ", body);
}

using Encoding = sound::WaveFormat::Encoding;

struct Layout {
    const char* name;
    std::string bytes;
    Encoding encoding;
    unsigned channels, bits;
};

class WaveLayouts : public testing::TestWithParam<Layout> {};

TEST_P(WaveLayouts, areReadWithTheirFormat)
{
    const Layout& c = GetParam();
    const auto wave = sound::Wave::parse(c.bytes);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format.encoding, c.encoding);
    EXPECT_EQ(wave->format.channels, c.channels);
    EXPECT_EQ(wave->format.bitsPerSample, c.bits);
    EXPECT_EQ(wave->frames(), 12u / wave->format.frameBytes());
    EXPECT_FALSE(wave->truncated);
}

const std::string twelve(12, '\x7F');

INSTANTIATE_TEST_SUITE_P(
    Wave, WaveLayouts,
    testing::Values(
        Layout{"Unsigned8", riff(fmt(1, 1, 8000, 8) + chunk("data", twelve)), Encoding::Integer, 1, 8},
        Layout{"Signed16Stereo", riff(fmt(1, 2, 44100, 16) + chunk("data", twelve)), Encoding::Integer, 2, 16},
        Layout{"Packed24", riff(fmt(1, 1, 48000, 24) + chunk("data", twelve)), Encoding::Integer, 1, 24},
        Layout{"Float32", riff(fmt(3, 1, 48000, 32) + chunk("data", twelve)), Encoding::Float, 1, 32},
        Layout{"ExtensiblePcm", riff(extensible(1, 2, 16) + chunk("data", twelve)), Encoding::Integer, 2, 16},
        Layout{"ExtensibleFloat", riff(extensible(3, 1, 32) + chunk("data", twelve)), Encoding::Float, 1, 32},
        // Chunks before the data, one of odd size with its pad byte, are stepped over.
        Layout{"OtherChunksBetween",
               riff(chunk("LIST", "abc") + fmt(1, 1, 8000, 16) + chunk("fact", "wxyz") + chunk("data", twelve)),
               Encoding::Integer, 1, 16}),
    [](const auto& info) { return std::string(info.param.name); });

struct Refused {
    const char* name;
    std::string bytes;
};

class WaveRefused : public testing::TestWithParam<Refused> {};

TEST_P(WaveRefused, isNoWave) { EXPECT_FALSE(sound::Wave::parse(GetParam().bytes)); }

INSTANTIATE_TEST_SUITE_P(
    Wave, WaveRefused,
    testing::Values(Refused{"Empty", ""}, Refused{"NotRiff", "RIFX" + le(4, 4) + "WAVE"},
                    Refused{"NotWave", "RIFF" + le(4, 4) + "AVI "},
                    Refused{"Adpcm", riff(fmt(2, 1, 8000, 4) + chunk("data", twelve))},
                    Refused{"TwelveBit", riff(fmt(1, 1, 8000, 12, 2) + chunk("data", twelve))},
                    Refused{"Float64", riff(fmt(3, 1, 8000, 64) + chunk("data", twelve))},
                    Refused{"ExtensibleAdpcm", riff(extensible(2, 1, 16) + chunk("data", twelve))},
                    Refused{"NoChannels", riff(fmt(1, 0, 8000, 16, 2) + chunk("data", twelve))},
                    Refused{"NineChannels", riff(fmt(1, 9, 8000, 16) + chunk("data", std::string(18, 'x')))},
                    Refused{"RateTooLow", riff(fmt(1, 1, 999, 16) + chunk("data", twelve))},
                    Refused{"RateTooHigh", riff(fmt(1, 1, 384001, 16) + chunk("data", twelve))},
                    Refused{"PaddedSamples", riff(fmt(1, 1, 8000, 16, 4) + chunk("data", twelve))},
                    Refused{"ShortFormatChunk", riff(chunk("fmt ", le(1, 2) + le(1, 2)) + chunk("data", twelve))},
                    Refused{"FormatChunkCutShort", riff(fmt(1, 1, 8000, 16)).substr(0, 30)},
                    Refused{"DataBeforeFormat", riff(chunk("data", twelve) + fmt(1, 1, 8000, 16))},
                    Refused{"NoData", riff(fmt(1, 1, 8000, 16))},
                    Refused{"EmptyData", riff(fmt(1, 1, 8000, 16) + chunk("data", ""))},
                    Refused{"LessThanAFrame", riff(fmt(1, 2, 8000, 16) + chunk("data", "abc"))}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Wave, dataClaimingMoreThanIsThereIsCutToWholeFrames)
{
    // 7 bytes of 16-bit stereo are there, 4000 claimed: one whole frame plays.
    const std::string bytes = riff(fmt(1, 2, 8000, 16)) + "data" + le(4000, 4) + "abcdefg";
    const auto wave = sound::Wave::parse(bytes);
    ASSERT_TRUE(wave);
    EXPECT_TRUE(wave->truncated);
    EXPECT_EQ(wave->samples, "abcd");
}

TEST(Wave, samplesAreExactlyTheDataChunk)
{
    const std::string bytes = riff(fmt(1, 1, 8000, 16) + chunk("data", "0123456789") + chunk("LIST", "trailer"));
    const auto wave = sound::Wave::parse(bytes);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->samples, "0123456789");
    EXPECT_EQ(wave->frames(), 5u);
}

} // namespace
