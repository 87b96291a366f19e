// Where the platform says a user keeps application data: an absolute data
// home that fits the buffer whole, else the home folder's own.
#include "UserFolders.h"

#include "EnvironmentValue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// The folder found with a buffer of the given size, or "none".
std::string Found(size_t size)
{
    std::string buffer(size + 1, '#');
    return FindUserApplicationDataFolder(&buffer[0], size) ? std::string(buffer.c_str()) : "none";
}

}  // namespace

TEST(UserFolders, AnAbsoluteDataHomeThatFitsWholeElseTheHomeFolders)
{
    EnvironmentValue home("HOME", "/home/ana");
    const std::string homeData = "/home/ana/.local/share";  // 22 characters
    {
        EnvironmentValue xdg("XDG_DATA_HOME", "/data/x");  // 7 characters
        EXPECT_EQ(Found(8), "/data/x") << "the text and its end exactly fill the buffer";
        EXPECT_EQ(Found(7), "none") << "a character short: the home folder's does not fit either";
    }
    {
        EnvironmentValue xdg("XDG_DATA_HOME", "/a-rather-longer-data-home-than-the-other");
        EXPECT_EQ(Found(23), homeData) << "a data home cut short would name another folder";
    }
    for (const char* unusable : {"data/x", "./x", ""}) {
        EnvironmentValue xdg("XDG_DATA_HOME", unusable);
        EXPECT_EQ(Found(100), homeData) << unusable;
        EXPECT_EQ(Found(23), homeData) << unusable;
        EXPECT_EQ(Found(22), "none") << unusable;
    }
    EnvironmentValue noXdg("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(Found(100), homeData);
    EnvironmentValue noHome("HOME", nullptr);
    EXPECT_EQ(Found(100), "none");
}

TEST(UserFolders, TheOverrideIsTakenOnlyWhenItNamesSomething)
{
    {
        EnvironmentValue value("PALMORA_USER_DATA", "/tmp/elsewhere/");
        ASSERT_NE(UserDataOverride(), nullptr);
        EXPECT_STREQ(UserDataOverride(), "/tmp/elsewhere/");
    }
    for (const char* none : {"", static_cast<const char*>(nullptr)}) {
        EnvironmentValue value("PALMORA_USER_DATA", none);
        EXPECT_EQ(UserDataOverride(), nullptr);
    }
}
