// Addresses turned into paths, as the media pages and the help browser's view both
// take them.
#include "platform/FileAddress.h"

#include <gtest/gtest.h>

namespace {

TEST(FileAddress, pathFromAddressTurnsBackslashesAndFileUrlsIntoPaths)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/opt/glimmerkin\\Splash.htm", "/opt/glimmerkin/Splash.htm"},
        {"\\\\share\\game\\Try.htm", "//share/game/Try.htm"},
        {"/plain/path/Away.htm", "/plain/path/Away.htm"},
        {"file:///opt/my%20game/tag.htm", "/opt/my game/tag.htm"},
        {"FILE:///opt/a.htm", "/opt/a.htm"},
        {"file://server/opt/a.htm", ""},
        {"file:\\\\\\opt\\a.htm", "/opt/a.htm"},
        {"C:\\Games\\a.htm", "C:/Games/a.htm"},
    };
    for (const auto& [target, path] : cases)
        EXPECT_EQ(platform::pathFromAddress(target), path) << target;
}

TEST(FileAddress, fileUrlPathDropsTheLocalHostQueryAndFragmentAndRefusesOtherHosts)
{
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"file://localhost/tmp/a.htm", "/tmp/a.htm"},
        {"file://LocalHost/tmp/a.htm", "/tmp/a.htm"},
        {"file:/tmp/a.htm", "/tmp/a.htm"},
        {"file:///tmp/a.htm?v=2#top", "/tmp/a.htm"},
        {"file:///tmp/100%25%2Fx", "/tmp/100%/x"},
        {"file:///tmp/50%", "/tmp/50%"},
        {"file:///tmp/%zz", "/tmp/%zz"},
        {"file://", ""},
        {"file://otherhost", std::nullopt},
        {"file://server/share/page.htm", std::nullopt},
    };
    for (const auto& [url, path] : cases)
        EXPECT_EQ(platform::fileUrlPath(url), path) << url;
}

TEST(FileAddress, schemeOfTellsUrlsFromPathsAndDriveLetters)
{
    EXPECT_EQ(platform::schemeOf("HTTP://example.org/"), "http");
    EXPECT_EQ(platform::schemeOf("glimmer-x.y+z:rest"), "glimmer-x.y+z");
    EXPECT_EQ(platform::schemeOf("C:/Games/a.htm"), "");
    EXPECT_EQ(platform::schemeOf("/opt/a:b.htm"), "");
    EXPECT_EQ(platform::schemeOf("1abc:x"), "");
    EXPECT_EQ(platform::schemeOf("no colon"), "");
}

} // namespace
