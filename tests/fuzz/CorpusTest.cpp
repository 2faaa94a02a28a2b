// Every input of the committed fuzz corpus, replayed in every build.

#include "FuzzPlay.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

TEST(FuzzCorpus, everyInputKeepsTheRules)
{
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GLIMMERKIN_FUZZ_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::string failure =
            fuzzplay::playBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        EXPECT_EQ(failure, "") << entry.path().filename();
        ++inputs;
    }
    EXPECT_GE(inputs, 10);
}

} // namespace
